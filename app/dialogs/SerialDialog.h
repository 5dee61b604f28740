// What the serial decomposition dialog shows and returns: the block's
// complexity, the list of accepted splits with their weight columns, the
// chosen mask, and the display models of its two preview panes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/LogicalScheme.h"
#include "model/Translatable.h"
#include "synthesis/Serial.h"
#include "synthesis/SerialSearch.h"

namespace lodex {

struct SerialChoice {
  int32_t mask = 0;
  bool operator==(const SerialChoice&) const = default;
};

// The start of a row's complexity text, before the number.
inline constexpr const char* kResultingComplexity = LODEX_TRANSLATE_NOOP("lodex::App", "Полученная ");

struct SerialListRow {
  std::string complexity;  // "Полученная %i"
  std::string bound;       // weights of the bound inputs, highest first, "%g, " each
  std::string free;        // weights of the free inputs, the same way
  bool operator==(const SerialListRow&) const = default;
};

// The weights of the inputs whose mask bit equals `bound`, from input n-1
// down to 0, each followed by ", ".
std::string SerialWeightColumn(int32_t mask, int inputs, bool bound);
SerialListRow MakeSerialListRow(const SplitCandidate& candidate, int inputs);

// The lower block's output count of a candidate, recovered from its
// complexity: the last t in 1..k with t*2^k + m*2^(n-k+t) equal to it
// (0 when none matches).
int SerialLowerOutputs(int inputs, int outputs, const SplitCandidate& candidate);

// What a preview pane draws: the block alone, or the lower block (k bound
// inputs, r outputs) and the higher block (r + free inputs, m outputs).
struct SerialPreview {
  int inputs = 0;
  int outputs = 0;
  bool split = false;
  std::vector<int> boundInputs;  // ascending
  std::vector<int> freeInputs;   // ascending
  int lowerOutputs = 0;          // r
  int HigherInputs() const { return lowerOutputs + static_cast<int>(freeInputs.size()); }
  bool operator==(const SerialPreview&) const = default;
};
SerialPreview MakeSerialPreview(int inputs, int outputs, const SplitCandidate* candidate);

class CSerialDialogModel {
 public:
  explicit CSerialDialogModel(const CLogicalBlock& block);

  // The source complexity m * 2^n as edit 1007 shows it ("%g").
  std::string ComplexityText() const;
  // The search of every mask; `options.progress` drives the progress bar.
  // False when it was cancelled (the list is then empty).
  bool Search(const SerialSearchOptions& options = {});
  const std::vector<SplitCandidate>& Candidates() const { return m_candidates; }
  std::vector<SerialListRow> Rows() const;

  // The list's selection; an invalid row changes nothing.
  void Select(int row);
  bool OkEnabled() const { return m_selected >= 0; }
  std::optional<SerialChoice> Choice() const;

  SerialPreview BeforePreview() const;
  // The selected split, or the block alone before a selection.
  SerialPreview AfterPreview() const;

 private:
  CLogicalScheme m_scheme;  // the block under study at index 1
  std::vector<SplitCandidate> m_candidates;
  int m_selected = -1;
};

}  // namespace lodex
