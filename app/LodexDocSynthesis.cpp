// The document's synthesis commands: serial, parallel (with the
// parallel-serial offer), fictitious-input removal, three-input extraction,
// NAND and NOR covering, optimisation and analysis.
#include "app/LodexDoc.h"
#include "app/Wizard.h"
#include "synthesis/Analysis.h"
#include "synthesis/Covering.h"
#include "synthesis/Dependency.h"
#include "synthesis/Optimisation.h"
#include "synthesis/Serial.h"
#include "synthesis/ThreeInput.h"
#include "synthesis/Tiers.h"

namespace lodex {
namespace {

inline constexpr const char* kParallelSerialCaption =
    LODEX_TRANSLATE_NOOP("lodex::App", "Выделение параллельно-последовательного блока");

// Blocks that the auto-synthesis treats as copies of the source: the same
// sequence text over the same pins (the text alone could hand a choice to a
// block with other counts, where its masks mean nothing).
bool SameFunction(const CLogicalBlock& a, const CLogicalBlock& b) {
  return a.m_lp == b.m_lp && a.m_inputCount == b.m_inputCount && a.m_outputCount == b.m_outputCount &&
         a.m_wordDigits == b.m_wordDigits;
}

// A request the parallel dialog can return for `block`: every output in
// exactly one group, inputs within the block's.
bool ValidSplitRequest(const CLogicalBlock& block, const SplitRequest& r) {
  const int32_t inputs = AllPinsMask(block.m_inputCount), outputs = AllPinsMask(block.m_outputCount);
  return r.in1 >= 0 && r.in2 >= 0 && r.out1 >= 0 && r.out2 >= 0 && (r.in1 & ~inputs) == 0 && (r.in2 & ~inputs) == 0 &&
         (r.out1 & r.out2) == 0 && (r.out1 | r.out2) == outputs;
}

// The links of `block` for the set bits of `mask`, ascending.
std::vector<CBlockInput> BoundLinks(const CLogicalBlock& block, int32_t mask) {
  std::vector<CBlockInput> links;
  for (size_t k = 0; k < block.m_inputs.size() && k < 31; ++k)
    if ((mask >> k) & 1) links.push_back(block.m_inputs[k]);
  return links;
}

}  // namespace

// --- the synthesis command pattern -----------------------------------------

void CLodexDoc::ApplyToEqualBlocks(const CLogicalBlock& source, const ApplyResult& apply) {
  if (!m_autoSynthesis) {
    apply(m_selectedBlock);
    return;
  }
  for (int i = 1; i < m_scheme.GetBlockCount() - 1; ++i) {
    if (!SameFunction(m_scheme.GetBlock(i), source)) continue;
    const int inserted = apply(i);
    if (i < m_selectedBlock) m_selectedBlock += inserted;
    i += inserted;  // the parts just made are not blocks of the scheme the user chose from
  }
}

void CLodexDoc::ApplySynthesis(const CLogicalBlock& source, const BlockStep& apply) {
  ApplyToEqualBlocks(source, [&](int i) { return apply(m_scheme, i); });
  FinishSynthesis();
}

void CLodexDoc::FinishSynthesis() {
  m_scheme.RenumberCaptions();
  SetModifiedFlag(true);
  m_layoutDirty = true;
  RemoveRedundantBlocks();
  ValidateSelection();
  m_host.UpdateAllViews();
  PushSnapshot();
}

void CLodexDoc::OnSerial() {
  const int sel = SelectedLogicBlock();
  if (sel < 1) return;
  CScopedMessageSink sink(m_host);
  m_serialEnabled = false;
  const CLogicalBlock source = m_scheme.GetBlock(sel);
  const std::optional<SerialChoice> choice = m_host.RunSerialDialog(source);
  m_serialEnabled = true;
  if (!choice) return;
  const int32_t mask = choice->mask;
  if (!EvaluateSplit(m_scheme, mask, sel)) {
    Report({Phrase(PhraseCode::MaskRejected, mask)}, MessageButtons::Ok, MessageIcon::Error);
    return;
  }
  ApplyToEqualBlocks(source, [&](int i) {
    ExtractSerial(m_scheme, mask, i, false);
    return 1;
  });
  FinishSynthesis();
}

void CLodexDoc::OnParallel() {
  const int sel = SelectedLogicBlock();
  if (sel < 1) return;
  CScopedMessageSink sink(m_host);
  const CLogicalBlock source = m_scheme.GetBlock(sel);
  const std::optional<SplitRequest> request = m_host.RunParallelDialog(source);
  if (!request) return;
  if (!ValidSplitRequest(source, *request)) {
    Report({Phrase(PhraseCode::InvalidOutputSplit)}, MessageButtons::Ok, MessageIcon::Error);
    return;
  }
  ApplyToEqualBlocks(source, [&](int i) {
    ParallelSplit(m_scheme, i, *request);
    return IsTwoGroupSplit(*request) ? 1 : 0;
  });
  m_scheme.RenumberCaptions();
  SetModifiedFlag(true);
  m_layoutDirty = true;
  m_host.UpdateAllViews();
  ParallelSerialOffer(*request);
  RemoveRedundantBlocks();
  ValidateSelection();
  m_host.UpdateAllViews();
  PushSnapshot();
}

void CLodexDoc::ParallelSerialOffer(const SplitRequest& request) {
  // After a single-block split the block that follows is no group-2 block,
  // so there is nothing to merge into.
  if (!IsTwoGroupSplit(request)) return;
  const int s = m_selectedBlock;
  if (s < 1 || s >= m_scheme.GetBlockCount() - 2) return;
  const CLogicalBlock selected = m_scheme.GetBlock(s);
  if (request.in2 < 1 || request.in2 > AllPinsMask(selected.m_inputCount) - 1) return;  // no serial mask
  if (!EvaluateSplit(m_scheme, request.in2, s)) return;
  if (m_host.Show(Message{{},
                          kParallelSerialCaption,
                          MessageButtons::YesNo,
                          MessageIcon::Question,
                          std::nullopt,
                          {Phrase(PhraseCode::ParallelSerialOffer)}}) != MessageAnswer::Yes)
    return;
  // Merges into the block after i only where it reads exactly the inputs of
  // the mask, as the group-2 block of the same split does.
  auto merge = [&](int i) {
    const CLogicalBlock& block = m_scheme.GetBlock(i);
    if (i + 1 >= m_scheme.GetBlockCount() - 1) return;
    if (m_scheme.GetBlock(i + 1).m_inputs != BoundLinks(block, request.in2)) return;
    if (!EvaluateSplit(m_scheme, request.in2, i)) return;
    ExtractSerial(m_scheme, request.in2, i, true);
  };
  if (!m_autoSynthesis) {
    merge(s);
  } else {
    for (int i = 1; i < m_scheme.GetBlockCount() - 1; ++i)
      if (SameFunction(m_scheme.GetBlock(i), selected)) merge(i);
  }
  SetModifiedFlag(true);
  m_layoutDirty = true;
  m_host.UpdateAllViews();
}

void CLodexDoc::OnFictitious() {
  if (!IsEnabled(CommandId::Fictitious) || SelectedLogicBlock() < 1) return;
  CScopedMessageSink sink(m_host);
  const CLogicalBlock source = m_scheme.GetBlock(m_selectedBlock);
  const std::optional<SplitRequest> request = m_host.RunFictitiousDialog(source);
  if (!request) return;
  // The dialog only ever drops fictitious inputs of the one output.
  const DependencyMatrix matrix = EssentialDependencies(source);
  bool valid = request->out1 == 1 && request->out2 == 0 && request->in1 >= 0 &&
               (request->in1 & ~AllPinsMask(source.m_inputCount)) == 0;
  for (int i = 0; valid && i < source.m_inputCount; ++i)
    if (((request->in1 >> i) & 1) == 0 && !IsFictitiousInput(matrix, i)) valid = false;
  if (!valid) {
    Report({Phrase(PhraseCode::OnlyFictitiousRemovable)}, MessageButtons::Ok, MessageIcon::Error);
    return;
  }
  ApplyToEqualBlocks(source, [&](int i) {
    ParallelSplit(m_scheme, i, *request);
    return 0;
  });
  FinishSynthesis();
}

void CLodexDoc::OnThreeInput() {
  if (!IsEnabled(CommandId::ThreeInput)) return;
  CScopedMessageSink sink(m_host);
  const CLogicalBlock source = m_scheme.GetBlock(m_selectedBlock);
  const std::vector<int32_t> types = ThreeInputTypes(m_scheme, m_selectedBlock);
  const std::optional<ThreeInputChoice> choice = m_host.RunThreeInputDialog(source, types);
  if (!choice) return;
  const int x = choice->input;
  if (x < 0 || x >= static_cast<int>(types.size())) {
    Report({Phrase(PhraseCode::NoInputNumbered, x)}, MessageButtons::Ok, MessageIcon::Error);
    return;
  }
  const int32_t type = types[static_cast<size_t>(x)];
  ApplyToEqualBlocks(source, [&](int i) { return ExtractThreeInput(m_scheme, i, x, type) ? 2 : 0; });
  FinishSynthesis();
}

// --- whole-scheme commands -------------------------------------------------

void CLodexDoc::RunCovering(void (*cover)(CLogicalScheme&)) {
  CScopedMessageSink sink(m_host);
  m_scheme.RenumberCaptions();
  SetModifiedFlag(true);
  RemoveRedundantBlocks();
  m_serialEnabled = true;
  m_parallelEnabled = true;
  cover(m_scheme);
  m_layoutDirty = true;
  ValidateSelection();
  m_host.UpdateAllViews();
  PushSnapshot();
}

void CLodexDoc::OnAutomaticSynthesis() {
  if (!IsEnabled(CommandId::AutomaticSynthesis)) return;
  CScopedMessageSink sink(m_host);
  const std::optional<CLogicalScheme> result = m_host.RunAutomaticSynthesisDialog(m_scheme);
  if (!result) return;
  // The result's identifiers came from a copy of this scheme's counter.
  const int32_t counter = std::max(m_scheme.m_blockCounter, result->m_blockCounter);
  m_scheme = *result;
  m_scheme.m_blockCounter = counter;
  SetModifiedFlag(true);
  m_layoutDirty = true;
  ValidateSelection();
  m_host.UpdateAllViews();
  PushSnapshot();
}

void CLodexDoc::OnCoverNand() { RunCovering(&CoverNand); }
void CLodexDoc::OnCoverNor() { RunCovering(&CoverNor); }

void CLodexDoc::OnOptimize() {
  CScopedMessageSink sink(m_host);
  if (m_scheme.GetBlockCount() < 2) {  // no output block to count the tiers at
    Report({Phrase(PhraseCode::TierCount, 0)});
    return;
  }
  ComputeTiers(m_scheme);
  Report({Phrase(PhraseCode::TierCount, m_scheme.m_blocks.back().m_tier)});
  if (!IsElementary(m_scheme)) return;
  const SubstitutionSearch found = FindSameLP(m_scheme, 2);
  if (!found.status) {
    Refuse(found.status);
    return;
  }
  const std::vector<CSubstitution>& list = found.candidates;
  std::vector<Phrase> candidates;
  for (const CSubstitution& s : list)
    candidates.emplace_back(PhraseCode::SubstitutionCandidate, s.m_sourceBlock, s.m_targetBlock, s.m_targetInput,
                            s.m_sourcePin, s.m_invert ? 1 : 0);
  Report(candidates);
  for (const CSubstitution& c : list)
    if (const std::vector<int> dead = DeadBlocks(m_scheme, c); dead.size() > 2) Report(DeadSetText(dead));
  const int best = ChooseSubstitution(m_scheme, list);
  const bool applied = best >= 0 && static_cast<size_t>(best) < list.size();
  if (applied) {
    const CSubstitution& chosen = list[static_cast<size_t>(best)];
    const std::vector<int> dead = DeadBlocks(m_scheme, chosen);
    Report({Phrase(PhraseCode::SubstitutionChosen, DeadSetText(dead), best)});
    ApplySubstitution(m_scheme, chosen, dead);
    m_layoutDirty = true;
    SetModifiedFlag(true);
    PushSnapshot();
    m_host.UpdateAllViews();
  }
  m_scheme.RenumberCaptions();
  // Keep the snapshot equal to the scheme it stands for.
  if (applied) m_history[static_cast<size_t>(m_historyPos)] = m_scheme;
  m_layoutDirty = true;
  ValidateSelection();
  m_host.UpdateAllViews();
}

void CLodexDoc::OnAnalysis() {
  if (!IsEnabled(CommandId::Analysis)) return;
  CScopedMessageSink sink(m_host);
  const AnalysisResult result = Analize(m_scheme);
  if (!result.status) {
    Refuse(result.status);
    return;
  }
  const CAnalysisGrid grid(m_scheme.m_sourceLP, result.sequence, m_scheme.m_wordDigits);
  // The message comes while the dialog fills its grid, before it shows.
  if (grid.HasMismatch()) {
    // A stored project may hold words its outputs cannot give: say so.
    const int outputs = m_scheme.GetBlock(m_scheme.GetBlockCount() - 1).m_inputCount;
    Phrase mismatch(PhraseCode::AnalysisMismatch);
    if (std::optional<Phrase> wide = WordRangePhrase(outputs, m_scheme.m_sourceLP)) {
      mismatch.code = PhraseCode::AnalysisMismatchWordTooLarge;  // the mismatch, then the word's facts
      mismatch.args = std::move(wide->args);
    }
    Report({mismatch});
  }
  m_host.RunAnalysisDialog(grid);
}

}  // namespace lodex
