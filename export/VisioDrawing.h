// The scheme diagram redrawn through a drawing program's automation calls.
#pragma once

#include "drawing/SchemeDrawing.h"
#include "export/DrawingAutomation.h"
#include "model/LogicalScheme.h"

namespace lodex {

// Diagram units to page inches: 100 units an inch, y turned upwards from a
// page top at 11.6 inches.
double PageX(int x);
double PageY(int y);

// Draws the laid-out diagram: blocks, extra pieces, junctions, straight
// segments, wires, weight text boxes and inversion marks. False when the
// program cannot be started (nothing is drawn) or cannot take the finished
// drawing; the caller reports it (PhraseCode::DrawingStartFailure).
bool DrawInVisio(const CSchemeDrawing& drawing, CDrawingAutomation& automation);

// Lays the scheme out as the view would (library labels when
// `libraryBlocks`) and draws it.
bool DrawSchemeInVisio(const CLogicalScheme& scheme, bool libraryBlocks, CDrawingAutomation& automation);

}  // namespace lodex
