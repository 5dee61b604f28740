#include "model/LogicalScheme.h"

#include "model/MessageSink.h"
#include "model/Translatable.h"

namespace lodex {
namespace {

CLogicalBlock TerminalBlock(const char* id, int32_t inputs, int32_t outputs) {
  CLogicalBlock b;
  b.m_id = id;
  b.m_inputCount = inputs;
  b.m_outputCount = outputs;
  return b;
}

// Links inputs 0..count-1 of `block` to pins 0..count-1 of `source`.
void LinkAll(CLogicalBlock& block, int32_t count, const std::string& source) {
  block.m_inputCount = count;
  block.m_inputs.clear();
  for (int32_t i = 0; i < count; ++i) block.m_inputs.emplace_back(static_cast<int16_t>(i), source);
}

}  // namespace

CLogicalScheme::CLogicalScheme(int16_t inputs, int16_t outputs, const std::string& id, const std::string& lp) {
  InitFromProject(inputs, outputs, id, lp);
}

CLogicalScheme::CLogicalScheme(const CLogicalBlock& block) { InitFromBlock(block); }

CLogicalScheme& CLogicalScheme::operator=(const CLogicalScheme& other) {
  m_blocks = other.m_blocks;
  m_sourceLP = other.m_sourceLP;
  m_wordDigits = other.m_wordDigits;
  return *this;
}

void CLogicalScheme::InitFromProject(int16_t inputs, int16_t outputs, const std::string& id, const std::string& lp) {
  m_sourceLP = lp;
  m_wordDigits = WordDigitsFor(outputs);
  CLogicalBlock block;
  block.m_id = id;
  block.m_caption = "Блок 1";
  block.m_lp = lp;
  block.m_wordDigits = m_wordDigits;
  block.m_outputCount = outputs;
  LinkAll(block, inputs, "I");
  CLogicalBlock out = TerminalBlock("O", 0, 0);
  LinkAll(out, outputs, id);
  m_blocks = {TerminalBlock("I", 0, inputs), std::move(block), std::move(out)};
  m_blockCounter = 1;
}

void CLogicalScheme::InitFromBlock(const CLogicalBlock& source) {
  CLogicalBlock block = source;
  block.m_id = "BL_1";
  block.m_caption = "Блок 1";
  block.m_reserved = 0;
  LinkAll(block, source.m_inputCount, "I");
  CLogicalBlock out = TerminalBlock("O", 0, 0);
  LinkAll(out, source.m_outputCount, block.m_id);
  m_blocks = {TerminalBlock("I", 0, source.m_inputCount), std::move(block), std::move(out)};
  m_blockCounter = 1;
}

void CLogicalScheme::SetBlock(int index, const CLogicalBlock& block) {
  if (index < 0 || index >= GetBlockCount()) {
    ShowMessage({{},
                 LODEX_TRANSLATE_NOOP("lodex::App", "Ошибка инициализации"),
                 MessageButtons::Ok,
                 MessageIcon::Error,
                 std::nullopt,
                 {Phrase(PhraseCode::WrongIndex)}});
    return;
  }
  m_blocks[static_cast<size_t>(index)] = block;
}

void CLogicalScheme::InsertBlock(int index, const CLogicalBlock& block) {
  if (index < 0 || index > GetBlockCount()) return;
  m_blocks.insert(m_blocks.begin() + index, block);
}

void CLogicalScheme::EraseBlock(int index) {
  if (index < 0 || index >= GetBlockCount()) return;
  m_blocks.erase(m_blocks.begin() + index);
}

int CLogicalScheme::FindBlock(const std::string& id) const {
  for (size_t i = 0; i < m_blocks.size(); ++i)
    if (m_blocks[i].m_id == id) return static_cast<int>(i);
  return -1;
}

std::vector<Consumer> CLogicalScheme::FindConsumers(const CBlockInput& link) const {
  std::vector<Consumer> out;
  for (size_t b = 1; b < m_blocks.size(); ++b) {
    const auto& inputs = m_blocks[b].m_inputs;
    for (size_t k = 0; k < inputs.size(); ++k)
      if (inputs[k] == link) out.emplace_back(static_cast<int>(b), static_cast<int>(k));
  }
  return out;
}

SplitTable CLogicalScheme::BuildSplitTable(int index, int32_t mask) const {
  const CLogicalBlock& block = GetBlock(index);
  const Words w = LPToWords(block.m_lp, block.m_wordDigits);
  std::vector<size_t> bound, free;
  for (int k = 0; k < block.m_inputCount; ++k) ((mask >> k) & 1 ? bound : free).push_back(size_t{1} << k);
  auto offsets = [](const std::vector<size_t>& weights) {
    std::vector<size_t> sums(size_t{1} << weights.size(), 0);
    for (size_t t = 0; t < sums.size(); ++t)
      for (size_t j = 0; j < weights.size(); ++j)
        if ((t >> j) & 1) sums[t] += weights[j];
    return sums;
  };
  const auto rows = offsets(bound), cols = offsets(free);
  SplitTable table(rows.size(), Words(cols.size(), -1));
  for (size_t t = 0; t < rows.size(); ++t)
    for (size_t c = 0; c < cols.size(); ++c)
      if (rows[t] + cols[c] < w.size()) table[t][c] = w[rows[t] + cols[c]];
  return table;
}

void CLogicalScheme::RenumberCaptions() {
  for (int i = 1; i < GetBlockCount() - 1; ++i)
    m_blocks[static_cast<size_t>(i)].m_caption = "Блок " + std::to_string(i);
}

std::string CLogicalScheme::NextBlockId() { return "Bl_" + std::to_string(++m_blockCounter); }

namespace {

// Index of the first input whose projection (or its complement) the
// one-output block at `index` equals, or -1.
int ProjectedInput(const CLogicalBlock& block, bool complement) {
  if (block.m_outputCount != 1) return -1;
  for (int k = 0; k < block.m_inputCount; ++k)
    if (MatchLP(block.m_lp, ProjectionPattern(block.m_lp.size(), k, complement))) return k;
  return -1;
}

}  // namespace

void CLogicalScheme::RemoveRepeaters() {
  for (int i = 1; i < GetBlockCount() - 1;) {
    const CLogicalBlock& block = GetBlock(i);
    const int k = ProjectedInput(block, false);
    if (k < 0 || static_cast<size_t>(k) >= block.m_inputs.size()) {
      ++i;
      continue;
    }
    const CBlockInput repeated = block.m_inputs[static_cast<size_t>(k)];
    for (const auto& [c, j] : FindConsumers(CBlockInput(0, block.m_id)))
      m_blocks[static_cast<size_t>(c)].m_inputs[static_cast<size_t>(j)] = repeated;
    EraseBlock(i);
  }
}

void CLogicalScheme::RemoveInverters() {
  for (int i = 1; i < GetBlockCount() - 1;) {
    const CLogicalBlock& block = GetBlock(i);
    const int k = ProjectedInput(block, true);
    if (k < 0 || static_cast<size_t>(k) >= block.m_inputs.size()) {
      ++i;
      continue;
    }
    const std::vector<Consumer> consumers = FindConsumers(CBlockInput(0, block.m_id));
    // The output block has no table to absorb the complement: such an
    // inverter stays, and none of its consumers is rewired.
    bool feedsOutput = false;
    for (const auto& consumer : consumers) feedsOutput |= consumer.first == GetBlockCount() - 1;
    if (feedsOutput) {
      ++i;
      continue;
    }
    const CBlockInput source = block.m_inputs[static_cast<size_t>(k)];
    for (const auto& [c, j] : consumers) {
      CLogicalBlock consumer = GetBlock(c);
      Words v = LPToWords(consumer.m_lp, consumer.m_wordDigits);
      const size_t p = size_t{1} << j;
      for (size_t x = 0; x + p < v.size(); ++x)
        if (!(x & p)) std::swap(v[x], v[x + p]);
      consumer.m_lp = WordsToLP(v, consumer.m_wordDigits);
      consumer.m_inputs[static_cast<size_t>(j)] = source;
      SetBlock(c, consumer);
    }
    EraseBlock(i);
  }
}

}  // namespace lodex
