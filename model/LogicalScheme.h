// The scheme: blocks in evaluation order and the project's own sequence.
//
// Index 0 is the input block `I`, the last index the output block `O`, and
// every link of the logic block at index i names `I` or a logic block at an
// index greater than i, so evaluating from the back finds every source ready.
//
// Costs below are for B blocks and L links; the blocks are a plain vector,
// so inserting or erasing one moves those after it.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "model/LogicSequence.h"
#include "model/LogicalBlock.h"

namespace lodex {

class CArchive;

// (block index, input index) of one consumer of a signal.
using Consumer = std::pair<int, int>;

// Rows of a block's words for one split of its inputs: entry [t][c] is the
// word for bound assignment t and free assignment c.
using SplitTable = std::vector<Words>;

class CLogicalScheme {
 public:
  CLogicalScheme() = default;
  CLogicalScheme(int16_t inputs, int16_t outputs, const std::string& id, const std::string& lp);
  explicit CLogicalScheme(const CLogicalBlock& block);

  // Copying takes the counter along; assignment keeps the target's counter,
  // so restoring an older scheme never hands out an identifier twice.
  CLogicalScheme(const CLogicalScheme&) = default;
  CLogicalScheme& operator=(const CLogicalScheme& other);

  void InitFromProject(int16_t inputs, int16_t outputs, const std::string& id, const std::string& lp);
  void InitFromBlock(const CLogicalBlock& block);

  int GetBlockCount() const { return static_cast<int>(m_blocks.size()); }
  bool IsEmpty() const { return m_blocks.size() < 3; }
  CLogicalBlock& GetBlock(int index) { return m_blocks[static_cast<size_t>(index)]; }
  const CLogicalBlock& GetBlock(int index) const { return m_blocks[static_cast<size_t>(index)]; }

  // Replaces block `index`; outside the scheme it changes nothing and shows
  // "Неправильный индекс".
  void SetBlock(int index, const CLogicalBlock& block);
  // index == count appends, index < count inserts before, index > count is
  // ignored. InsertBlock and EraseBlock are O(B).
  void InsertBlock(int index, const CLogicalBlock& block);
  void EraseBlock(int index);
  // Linear scans: FindBlock O(B), FindConsumers O(B + L).
  int FindBlock(const std::string& id) const;
  std::vector<Consumer> FindConsumers(const CBlockInput& link) const;
  // The split table of `block` with the inputs of `mask` bound:
  // O(2^n · (n + d)) for a block of n inputs and words of d digits.
  SplitTable BuildSplitTable(int block, int32_t mask) const;

  void RenumberCaptions();
  // Remove the one-output blocks that repeat (or invert) one of their inputs,
  // their consumers reading that input instead (an inverter's consumers with
  // that input complemented in their tables; an inverter feeding the output
  // block stays). Cost: O(n · 2^n) to test a block of n inputs, and per block
  // removed O(B + L), plus the consumers' tables for an inverter.
  void RemoveRepeaters();
  void RemoveInverters();

  // Issues the next synthesised identifier "Bl_%i".
  std::string NextBlockId();

  // Stores into or loads from the archive; loading validates the whole
  // scheme and throws CArchiveError naming the block and field at fault.
  void Serialize(CArchive& ar);

  bool operator==(const CLogicalScheme&) const = default;

  std::vector<CLogicalBlock> m_blocks;
  std::string m_sourceLP;
  int32_t m_wordDigits = 1;
  int32_t m_blockCounter = 0;
};

}  // namespace lodex
