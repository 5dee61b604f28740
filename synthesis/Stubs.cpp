// Placeholder bodies until the operations are implemented.
#include "synthesis/Analysis.h"
#include "synthesis/Covering.h"
#include "synthesis/Dependency.h"
#include "synthesis/Optimisation.h"
#include "synthesis/Parallel.h"
#include "synthesis/Simulation.h"
#include "synthesis/ThreeInput.h"

namespace lodex {

Words OutputColumn(const CLogicalScheme&, int, int) { return {}; }
CLogicalBlock MakeSubBlock(const CLogicalScheme& s, int b, int32_t, int32_t, const std::string&) { return s.GetBlock(b); }
void ParallelSplit(CLogicalScheme&, int, int32_t, int32_t, int32_t, int32_t) {}
void ParallelSplit(CLogicalScheme& s, int b, const SplitRequest& r) { ParallelSplit(s, b, r.in1, r.out1, r.in2, r.out2); }
DependencyMatrix EssentialDependencies(const CLogicalBlock&) { return {}; }
DependencyMatrix EssentialDependencies(const CLogicalScheme& s, int b) { return EssentialDependencies(s.GetBlock(b)); }
bool IsFictitiousInput(const DependencyMatrix&, int) { return false; }
SplitRequest FictitiousRemovalRequest(int, int) { return {}; }
Status RemoveFictitiousInput(CLogicalScheme&, int, int) { return Status::Error("not implemented"); }
std::vector<int32_t> ThreeInputTypes(const CLogicalScheme&, int) { return {}; }
std::string SelectorSequence(int32_t) { return "00110101"; }
Status ExtractThreeInput(CLogicalScheme&, int, int, int32_t) { return Status::Error("not implemented"); }
void CoverNand(CLogicalScheme&) {}
void CoverNor(CLogicalScheme&) {}
Status CheckSimulable(const CLogicalScheme&) { return Status::Ok(); }
SchemeValues SimulateScheme(const CLogicalScheme&, bool) { return {}; }
SchemeValues SimulateSchemePlain(const CLogicalScheme&) { return {}; }
AnalysisResult Analize(const CLogicalScheme&) { return {}; }
AnalysisResult AnalizePlain(const CLogicalScheme&) { return {}; }
std::vector<int> MismatchedWords(const std::string&, const std::string&, int) { return {}; }
void ComputeTiers(CLogicalScheme&) {}
bool IsElementary(const CLogicalScheme&) { return true; }
BlockTables TabulateBlocks(CLogicalScheme&) { return {}; }
BlockTables TabulateBlocksPlain(CLogicalScheme&) { return {}; }
std::optional<RequiredSignalResult> RequiredSignal(const CLogicalScheme&, const std::vector<Words>&, int, int32_t, int) {
  return std::nullopt;
}
SubstitutionSearch FindSameLP(CLogicalScheme&, int) { return {}; }
std::vector<int> DeadBlocks(const CLogicalScheme&, const CSubstitution&) { return {}; }
void ApplySubstitution(CLogicalScheme&, const CSubstitution&, const std::vector<int>&) {}
int ChooseSubstitution(const CLogicalScheme&, const std::vector<CSubstitution>&) { return -1; }
std::string DeadSetText(const std::vector<int>&) { return {}; }

}  // namespace lodex
