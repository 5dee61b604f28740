#include "app/dialogs/PreviewDrawing.h"

#include <algorithm>

#include "model/WeightText.h"

namespace lodex {
namespace {

constexpr int kBlockWidth = 25;
constexpr int kInputLine = 30;
constexpr int kOutputLine = 25;
constexpr int kPinPitch = 10;

// A label that ends near x: about 5 pixels a character.
int RightAligned(int x, const std::string& label) { return x - 5 * static_cast<int>(label.size()); }

// Input lines from the left edge, top to bottom, each labelled with the
// weight 2^bit of `bits` 5 pixels above its level, right-aligned at its end.
void InputSide(CCanvas& c, int left, int firstY, const std::vector<int>& bits) {
  int y = firstY;
  for (int bit : bits) {
    c.Line(left, y, left - kInputLine, y);
    const std::string label = WeightText(bit);
    c.Text(RightAligned(left - kInputLine, label), y - 5, label);
    y += kPinPitch;
  }
}

// Output lines from the right edge, labels starting 30 right of it.
void OutputSide(CCanvas& c, int right, int firstY, const std::vector<int>& bits) {
  int y = firstY;
  for (int bit : bits) {
    c.Line(right, y, right + kOutputLine, y);
    c.Text(right + 30, y - 5, WeightText(bit));
    y += kPinPitch;
  }
}

// count-1 down to 0: the weights of a side whose highest pin is at the top.
std::vector<int> Descending(int count) {
  std::vector<int> bits;
  for (int i = count - 1; i >= 0; --i) bits.push_back(i);
  return bits;
}

// The bit indices of a picture's pins, highest first.
std::vector<int> PinBits(const std::vector<CBlockInput>& pins) {
  std::vector<int> bits;
  for (auto it = pins.rbegin(); it != pins.rend(); ++it) bits.push_back(it->m_pin);
  return bits;
}

void SingleBlock(CCanvas& c, int inputs, const std::vector<int>& inputBits, int outputs,
                 const std::vector<int>& outputBits, int width, int height) {
  const int longest = std::max(inputs, outputs);
  const int left = (width - kBlockWidth) / 2;
  const int top = (height - (longest + 1) * 10) / 2;
  c.Rectangle(left, top, left + kBlockWidth, top + (longest + 2) * 10);
  InputSide(c, left, PreviewFirstPinY(top, longest, inputs), inputBits);
  OutputSide(c, left + kBlockWidth, PreviewFirstPinY(top, longest, outputs), outputBits);
}

}  // namespace

Font PreviewFont() { return Font{"Arial", 12, 400}; }

int PreviewFirstPinY(int top, int longest, int pins) {
  return top + 10 + 5 * longest - 10 * (pins / 2) + (pins % 2 == 0 ? 5 : 0);
}

void PaintSerialPreview(CCanvas& c, const SerialPreview& p, int width, int height) {
  c.SetPen(Pen{kBlack, 1, false});
  c.SetBrush(Brush{kWhite});
  c.Rectangle(0, 0, width, height);
  c.SetPen(Pen{kBlack, 1});
  c.SetFont(PreviewFont());
  if (!p.split) {
    SingleBlock(c, p.inputs, Descending(p.inputs), p.outputs, Descending(p.outputs), width, height);
    return;
  }
  const int k = static_cast<int>(p.boundInputs.size());
  const int r = p.lowerOutputs;
  const int h1 = std::max(k, r);
  const int h2 = std::max(p.HigherInputs(), p.outputs);
  const int t = 10 * h1 + 10 * h2 + 40;
  const int u = 10 * r + 80;
  const int cx = width / 2, cy = height / 2;

  // The lower block at the bottom left, the higher block at the top right.
  const int l1 = cx - u / 2, r1 = l1 + kBlockWidth, bottom1 = cy + t / 2, top1 = bottom1 - (10 * h1 + 20);
  const int r2 = cx + u / 2, l2 = r2 - kBlockWidth, top2 = cy - t / 2, bottom2 = top2 + (10 * h2 + 20);
  c.Rectangle(l1, top1, r1, bottom1);
  c.Rectangle(l2, top2, r2, bottom2);

  InputSide(c, l1, PreviewFirstPinY(top1, h1, k), p.boundInputs);
  // Lower outputs: each line ends where the higher block's wire comes down.
  const int firstOut = PreviewFirstPinY(top1, h1, r);
  for (int q = 0; q < r; ++q) c.Line(r1, firstOut + 10 * q, r1 + 10 * (r - q) + 10, firstOut + 10 * q);
  const int y0 = firstOut + 1;

  int y = PreviewFirstPinY(top2, h2, p.HigherInputs());
  for (int q = 0; q < r; ++q, y += kPinPitch) {
    const int x = l2 - 10 * q - 20;
    c.Line(l2, y, x, y);
    c.Line(x, y, x, y0 + 10 * q);
  }
  for (int bit : p.freeInputs) {
    c.Line(l2, y, l1 - kInputLine, y);
    const std::string label = WeightText(bit);
    c.Text(RightAligned(l1 - kInputLine, label), y - 5, label);
    y += kPinPitch;
  }
  OutputSide(c, r2, PreviewFirstPinY(top2, h2, p.outputs), Descending(p.outputs));
}

void PaintParallelPreview(CCanvas& c, const std::vector<BlockPicture>& pictures, int width, int height) {
  c.SetPen(Pen{kBlack, 1});
  c.SetBrush(Brush{kWhite});
  c.Rectangle(0, 0, width, height);
  c.SetFont(PreviewFont());
  if (pictures.empty()) return;
  const BlockPicture& upper = pictures[0];
  if (pictures.size() == 1) {
    SingleBlock(c, upper.inputCount, Descending(upper.inputCount), upper.outputCount, PinBits(upper.outputPins), width,
                height);
    return;
  }
  const BlockPicture& lower = pictures[1];
  const int m1 = std::max(upper.inputCount, upper.outputCount);
  const int m2 = std::max(lower.inputCount, lower.outputCount);
  const int t = (m1 + m2 - 2) * 10 + 60;
  const int cx = width / 2, cy = height / 2;

  const int left1 = cx - 12, top1 = cy - t / 2;
  c.Rectangle(left1, top1, left1 + kBlockWidth, top1 + (m1 - 1) * 10 + 30);
  InputSide(c, left1, top1 + 15, Descending(upper.inputCount));
  OutputSide(c, left1 + kBlockWidth, PreviewFirstPinY(top1, m1, upper.outputCount), PinBits(upper.outputPins));

  const int right2 = cx + 13, bottom2 = cy + t / 2 + 10, top2 = bottom2 - (m2 - 1) * 10 - 30;
  c.Rectangle(right2 - kBlockWidth, top2, right2, bottom2);
  InputSide(c, right2 - kBlockWidth, top2 + 15, PinBits(lower.inputPins));
  OutputSide(c, right2, PreviewFirstPinY(top2, m2, lower.outputCount), PinBits(lower.outputPins));
}

}  // namespace lodex
