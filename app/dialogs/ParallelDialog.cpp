#include "app/dialogs/ParallelDialog.h"

#include "model/WeightText.h"

namespace lodex {
namespace {

std::vector<CBlockInput> Pins(int32_t mask, const char* end) {
  std::vector<CBlockInput> pins;
  for (int bit = 0; bit < 31; ++bit)
    if ((mask >> bit) & 1) pins.emplace_back(static_cast<int16_t>(bit), end);
  return pins;
}

std::vector<std::string> Items(const char* prefix, int count) {
  std::vector<std::string> items;
  for (int t = 0; t < count; ++t) items.push_back(prefix + WeightText(count - 1 - t));
  return items;
}

bool Checked(const std::vector<bool>& checks, size_t t) { return t < checks.size() && checks[t]; }

}  // namespace

BlockPicture MakeBlockPicture(int32_t inputMask, int32_t outputMask) {
  BlockPicture p;
  p.inputPins = Pins(inputMask, "I");
  p.outputPins = Pins(outputMask, "O");
  p.inputCount = static_cast<int32_t>(p.inputPins.size());
  p.outputCount = static_cast<int32_t>(p.outputPins.size());
  return p;
}

std::vector<std::string> ParallelInputItems(int inputs) { return Items("In", inputs); }
std::vector<std::string> ParallelOutputItems(int outputs) { return Items("Out", outputs); }

SplitRequest ParallelMasksFromChecks(int inputs, int outputs, const std::vector<bool>& inputChecks,
                                     const std::vector<bool>& outputChecks) {
  SplitRequest c;
  c.in1 = AllPinsMask(inputs);
  c.out1 = AllPinsMask(outputs);
  for (int t = 0; t < inputs; ++t)
    if (Checked(inputChecks, static_cast<size_t>(t))) c.in2 += int32_t{1} << (inputs - 1 - t);
  for (int t = 0; t < outputs; ++t)
    if (Checked(outputChecks, static_cast<size_t>(t))) {
      c.out2 += int32_t{1} << (outputs - 1 - t);
      c.out1 -= int32_t{1} << (outputs - 1 - t);
    }
  return c;
}

CParallelDialogModel::CParallelDialogModel(const CLogicalBlock& block) : m_block(block) {
  m_choice.in1 = AllPinsMask(block.m_inputCount);
  m_choice.out1 = AllPinsMask(block.m_outputCount);
}

void CParallelDialogModel::SetChecks(const std::vector<bool>& inputChecks, const std::vector<bool>& outputChecks) {
  m_choice = ParallelMasksFromChecks(m_block.m_inputCount, m_block.m_outputCount, inputChecks, outputChecks);
}

std::vector<BlockPicture> CParallelDialogModel::Pictures() const {
  std::vector<BlockPicture> pictures{MakeBlockPicture(m_choice.in1, m_choice.out1)};
  if (OkEnabled()) pictures.push_back(MakeBlockPicture(m_choice.in2, m_choice.out2));
  return pictures;
}

}  // namespace lodex
