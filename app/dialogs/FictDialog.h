// What the fictitious-input dialog shows and returns: the input list, the
// dependency column of the grid, the rule that picks an input, and the split
// request that removes it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/LogicalBlock.h"
#include "model/Phrase.h"
#include "synthesis/Dependency.h"

namespace lodex {

struct FictGridRow {
  std::string label;  // "In%d" with the input's weight
  std::string value;  // " %i" with the dependency of output 0 on it
  bool operator==(const FictGridRow&) const = default;
};

class CFictDialogModel {
 public:
  explicit CFictDialogModel(const CLogicalBlock& block)
      : CFictDialogModel(block.m_inputCount, EssentialDependencies(block)) {}
  // `inputs` is the block's input count, `matrix` its dependency matrix.
  CFictDialogModel(int inputs, DependencyMatrix matrix);

  // Item t stands for input inputs-1-t and reads "In%d" with its weight.
  std::vector<std::string> InputItems() const;
  // Row t reads like item t.
  std::vector<FictGridRow> GridRows() const;
  bool FictitiousFound() const { return m_found; }

  struct PickResult {
    int checkedItem = -1;           // the only item that keeps a mark
    std::optional<Phrase> message;  // a message box to show first
  };
  // A pick of item t: marks it when its input is fictitious; without any
  // fictitious input the pick only produces the message.
  PickResult Pick(int item);

  bool OkEnabled() const { return m_okEnabled; }
  // The request handed to the command: group 1 = every input but the marked
  // one, output 0; group 2's output mask is always 0.
  const SplitRequest& Choice() const { return m_choice; }

 private:
  bool Essential(int input) const;

  int m_inputs;
  DependencyMatrix m_matrix;
  bool m_found = false;
  bool m_okEnabled = false;
  SplitRequest m_choice;
};

}  // namespace lodex
