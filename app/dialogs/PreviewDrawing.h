// The block previews of the decomposition dialogs, drawn in pixels of the
// pane's client area: the serial dialog's panes (the block, or the lower and
// higher blocks of a split) and the parallel and three-input dialogs' pane
// (one block, or the two blocks of the chosen groups).
#pragma once

#include <vector>

#include "app/dialogs/ParallelDialog.h"
#include "app/dialogs/SerialDialog.h"
#include "drawing/Canvas.h"

namespace lodex {

// The previews' font: Arial, 12 pixels, normal weight.
Font PreviewFont();

// The y of the first (top) pin of a side with `pins` pins on a block whose
// longer side has `longest` pins and whose top is `top`: the side is centred
// against the longer one, pins 10 apart.
int PreviewFirstPinY(int top, int longest, int pins);

// Clears the pane and draws the block or the split of `preview`.
void PaintSerialPreview(CCanvas& canvas, const SerialPreview& preview, int width, int height);

// Draws the frame and one picture (group 1) or two (group 1 above, group 2
// below).
void PaintParallelPreview(CCanvas& canvas, const std::vector<BlockPicture>& pictures, int width, int height);

}  // namespace lodex
