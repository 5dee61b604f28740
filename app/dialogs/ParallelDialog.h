// What the parallel decomposition dialog shows and returns: its check-list
// items, the split request that the check marks give, and the block pictures
// of its preview (also used by the three-input dialog's preview).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/LogicalBlock.h"
#include "synthesis/Parallel.h"

namespace lodex {

// One block drawn by the preview: one pin per set bit of its masks,
// ascending, `m_pin` the bit index, `m_source` "I" for inputs, "O" for outputs.
struct BlockPicture {
  int32_t inputCount = 0;
  int32_t outputCount = 0;
  std::vector<CBlockInput> inputPins;
  std::vector<CBlockInput> outputPins;

  bool operator==(const BlockPicture&) const = default;
};

BlockPicture MakeBlockPicture(int32_t inputMask, int32_t outputMask);

// The mask of all `count` pins of a side.
constexpr int32_t AllPinsMask(int count) { return count >= 31 ? INT32_MAX : (int32_t{1} << count) - 1; }

// Item t of the lists stands for pin count-1-t and reads "In%d" / "Out%d"
// with the pin's weight, so the highest pin is at the top.
std::vector<std::string> ParallelInputItems(int inputs);
std::vector<std::string> ParallelOutputItems(int outputs);

// The request the check marks give: group 1 = all inputs and the unmarked
// outputs, group 2 = the marked inputs and outputs. Marks are per list item.
SplitRequest ParallelMasksFromChecks(int inputs, int outputs, const std::vector<bool>& inputChecks,
                                     const std::vector<bool>& outputChecks);

// The dialog's state for one block: the check marks, the masks they give,
// whether "Разложить" is enabled, and the preview's pictures.
class CParallelDialogModel {
 public:
  explicit CParallelDialogModel(const CLogicalBlock& block);

  const CLogicalBlock& Block() const { return m_block; }
  std::vector<std::string> InputItems() const { return ParallelInputItems(m_block.m_inputCount); }
  std::vector<std::string> OutputItems() const { return ParallelOutputItems(m_block.m_outputCount); }

  // The check-change handler: recomputes the masks from all marks.
  void SetChecks(const std::vector<bool>& inputChecks, const std::vector<bool>& outputChecks);

  // Enabled while some input or output carries a mark.
  bool OkEnabled() const { return m_choice.in2 + m_choice.out2 != 0; }
  const SplitRequest& Choice() const { return m_choice; }
  // One picture (group 1) without marks, two with marks.
  std::vector<BlockPicture> Pictures() const;

 private:
  CLogicalBlock m_block;
  SplitRequest m_choice;
};

}  // namespace lodex
