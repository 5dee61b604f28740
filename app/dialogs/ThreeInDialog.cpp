#include "app/dialogs/ThreeInDialog.h"

#include "model/WeightText.h"

namespace lodex {

std::vector<std::string> ThreeInputLines(const std::vector<int32_t>& types) {
  std::vector<std::string> lines;
  for (int q = static_cast<int>(types.size()) - 1; q >= 0; --q)
    lines.push_back("In " + WeightText(q) + kExtractedBlockType + std::to_string(types[static_cast<size_t>(q)]));
  return lines;
}

void CThreeInDialogModel::Select(int line) {
  m_selected = line >= 0 && line < static_cast<int>(m_types.size()) ? line : -1;
}

std::optional<ThreeInputChoice> CThreeInDialogModel::Choice() const {
  if (m_selected < 0) return std::nullopt;
  return ThreeInputChoice{static_cast<int>(m_types.size()) - 1 - m_selected};
}

}  // namespace lodex
