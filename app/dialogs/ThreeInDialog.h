// What the three-input block dialog shows and returns: one line per input,
// from the highest input down, and the input that the selected line names.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/Translatable.h"

namespace lodex {

struct ThreeInputChoice {
  int input = 0;
  bool operator==(const ThreeInputChoice&) const = default;
};

// Line t reads "In %g, тип выделяемого блока %i" for input count-1-t.
// What a line says between the input and the block type.
inline constexpr const char* kExtractedBlockType = LODEX_TRANSLATE_NOOP("lodex::App", ", тип выделяемого блока ");

std::vector<std::string> ThreeInputLines(const std::vector<int32_t>& types);

class CThreeInDialogModel {
 public:
  explicit CThreeInDialogModel(std::vector<int32_t> types) : m_types(std::move(types)) {}

  std::vector<std::string> Lines() const { return ThreeInputLines(m_types); }
  const std::vector<int32_t>& Types() const { return m_types; }

  // A selection change; a line outside the list clears the selection.
  void Select(int line);
  bool OkEnabled() const { return m_selected >= 0; }
  // The input of the selected line (lines - 1 - line), or none before a selection.
  std::optional<ThreeInputChoice> Choice() const;

 private:
  std::vector<int32_t> m_types;
  int m_selected = -1;
};

}  // namespace lodex
