#include "app/dialogs/SerialDialog.h"

#include <cmath>
#include <cstdio>

#include "model/WeightText.h"

namespace lodex {

std::string SerialWeightColumn(int32_t mask, int inputs, bool bound) {
  std::string text;
  for (int k = inputs - 1; k >= 0; --k)
    if ((((mask >> k) & 1) != 0) == bound) text.append(WeightText(k)).append(", ");
  return text;
}

SerialListRow MakeSerialListRow(const SplitCandidate& c, int inputs) {
  return {kResultingComplexity + std::to_string(c.complexity), SerialWeightColumn(c.mask, inputs, true),
          SerialWeightColumn(c.mask, inputs, false)};
}

int SerialLowerOutputs(int inputs, int outputs, const SplitCandidate& c) {
  int k = 0;
  for (int bit = 0; bit < inputs; ++bit) k += (c.mask >> bit) & 1;
  int r = 0;
  for (int t = 1; t <= k; ++t)
    if (SplitComplexity(inputs, outputs, k, t) == c.complexity) r = t;
  return r;
}

SerialPreview MakeSerialPreview(int inputs, int outputs, const SplitCandidate* c) {
  SerialPreview p;
  p.inputs = inputs;
  p.outputs = outputs;
  if (c == nullptr) return p;
  p.split = true;
  for (int bit = 0; bit < inputs; ++bit) ((c->mask >> bit) & 1 ? p.boundInputs : p.freeInputs).push_back(bit);
  p.lowerOutputs = SerialLowerOutputs(inputs, outputs, *c);
  return p;
}

CSerialDialogModel::CSerialDialogModel(const CLogicalBlock& block) : m_scheme(block) {}

std::string CSerialDialogModel::ComplexityText() const {
  const CLogicalBlock& b = m_scheme.GetBlock(1);
  char text[64];
  std::snprintf(text, sizeof text, "%g", b.m_outputCount * std::ldexp(1.0, b.m_inputCount));
  return text;
}

bool CSerialDialogModel::Search(const SerialSearchOptions& options) {
  m_candidates.clear();
  m_selected = -1;
  if (m_scheme.IsEmpty()) return true;
  SerialSearchResult result = SearchSplits(m_scheme, 1, options);
  if (result.cancelled) return false;
  m_candidates = std::move(result.candidates);
  return true;
}

std::vector<SerialListRow> CSerialDialogModel::Rows() const {
  std::vector<SerialListRow> rows;
  for (const SplitCandidate& c : m_candidates) rows.push_back(MakeSerialListRow(c, m_scheme.GetBlock(1).m_inputCount));
  return rows;
}

void CSerialDialogModel::Select(int row) {
  if (row >= 0 && row < static_cast<int>(m_candidates.size())) m_selected = row;
}

std::optional<SerialChoice> CSerialDialogModel::Choice() const {
  if (m_selected < 0) return std::nullopt;
  return SerialChoice{m_candidates[static_cast<size_t>(m_selected)].mask};
}

SerialPreview CSerialDialogModel::BeforePreview() const {
  const CLogicalBlock& b = m_scheme.GetBlock(1);
  return MakeSerialPreview(b.m_inputCount, b.m_outputCount, nullptr);
}

SerialPreview CSerialDialogModel::AfterPreview() const {
  const CLogicalBlock& b = m_scheme.GetBlock(1);
  const SplitCandidate* c = m_selected >= 0 ? &m_candidates[static_cast<size_t>(m_selected)] : nullptr;
  return MakeSerialPreview(b.m_inputCount, b.m_outputCount, c);
}

}  // namespace lodex
