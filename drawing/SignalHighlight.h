// Signal highlighting on the diagram: the wires that carry the same signal
// as the selected block's inputs and outputs, or as one primary input, drawn
// over the diagram so that one signal reads as one net.
//
// Cost: the pins of a selection O(r · (B + L)) for a block of r outputs, B
// blocks and L links; the stub under a point O(L); painting O(pins).
// See: the program's own method.
#pragma once

#include <vector>

#include "drawing/Canvas.h"
#include "drawing/SchemeDrawing.h"
#include "model/LogicalScheme.h"

namespace lodex {

// An input pin of a block: the wire that ends there.
struct PinRef {
  int block = 0;
  int pin = 0;
  bool operator==(const PinRef&) const = default;
};

// The wires into the inputs of `block` and from its outputs into every
// consumer; empty for an index that is no logic block.
std::vector<PinRef> BlockWires(const CLogicalScheme& scheme, int block);

// Every stub of primary input `input` (the wires it feeds).
std::vector<PinRef> PrimaryInputWires(const CLogicalScheme& scheme, int input);

// The primary input whose stub passes within 3 units of the diagram point
// (x, y), or -1.
int PrimaryInputAt(const CLogicalScheme& scheme, const CSchemeDrawing& drawing, int x, int y);

// Draws the wires of `pins` in the highlight colour, two units wide.
void PaintWires(CCanvas& canvas, const CSchemeDrawing& drawing, const std::vector<PinRef>& pins);

}  // namespace lodex
