#include "synthesis/Dependency.h"

namespace lodex {

DependencyMatrix EssentialDependencies(const CLogicalBlock& block) {
  const int n = block.m_inputCount;
  const int m = block.m_outputCount;
  const size_t digits = static_cast<size_t>(block.m_wordDigits > 0 ? block.m_wordDigits : 1);
  DependencyMatrix matrix(static_cast<size_t>(n > 0 ? n : 0),
                          std::vector<int32_t>(static_cast<size_t>(m > 0 ? m : 0), 0));
  const std::string& lp = block.m_lp;
  for (int i = 0; i < n; ++i) {
    // Runs of 2^i words alternate between input i = 0 and input i = 1.
    const size_t run = (size_t{1} << i) * digits;
    std::string half0, half1;
    for (size_t start = 0; start < lp.size(); start += 2 * run) {
      half0.append(lp, start, run);
      if (start + run < lp.size()) half1.append(lp, start + run, run);
    }
    if (half0.size() != half1.size()) continue;  // a sequence too short for its inputs
    // A '*' on either side makes the position equal on both.
    for (size_t p = 0; p < half0.size(); ++p) {
      if (half0[p] == '*') half1[p] = '*';
      if (half1[p] == '*') half0[p] = '*';
    }
    const Words w0 = LPToWords(half0, static_cast<int>(digits));
    const Words w1 = LPToWords(half1, static_cast<int>(digits));
    for (int j = 0; j < m && j < 32; ++j) {
      for (size_t l = 0; l < w0.size() && l < w1.size(); ++l) {
        if (w0[l] == -1 || w1[l] == -1) continue;
        if (((static_cast<uint32_t>(w0[l]) ^ static_cast<uint32_t>(w1[l])) >> j) & 1u) {
          matrix[static_cast<size_t>(i)][static_cast<size_t>(j)] = 1;
          break;
        }
      }
    }
  }
  return matrix;
}

DependencyMatrix EssentialDependencies(const CLogicalScheme& scheme, int block) {
  return EssentialDependencies(scheme.GetBlock(block));
}

bool IsFictitiousInput(const DependencyMatrix& matrix, int input) {
  if (input < 0 || static_cast<size_t>(input) >= matrix.size()) return false;
  for (int32_t entry : matrix[static_cast<size_t>(input)])
    if (entry != 0) return false;
  return true;
}

SplitRequest FictitiousRemovalRequest(int inputs, int input) {
  const int32_t all = static_cast<int32_t>((uint32_t{1} << inputs) - 1u);
  const int32_t removed = static_cast<int32_t>(uint32_t{1} << input);
  return {all & ~removed, 1, removed, 0};
}

Status RemoveFictitiousInput(CLogicalScheme& scheme, int block, int input) {
  if (block < 1 || block >= scheme.GetBlockCount() - 1) return Status::Error(ReasonCode::NotLogicBlock, {block});
  const CLogicalBlock& b = scheme.GetBlock(block);
  if (b.m_outputCount != 1) return Status::Error(ReasonCode::NotOneOutput, {b.m_id, b.m_outputCount});
  if (input < 0 || input >= b.m_inputCount) return Status::Error(ReasonCode::NoSuchInput, {b.m_id, input});
  if (!IsFictitiousInput(EssentialDependencies(b), input))
    return Status::Error(ReasonCode::InputEssential, {b.m_id, input});
  ParallelSplit(scheme, block, FictitiousRemovalRequest(b.m_inputCount, input));
  return Status::Ok();
}

}  // namespace lodex
