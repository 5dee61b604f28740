#include "synthesis/Analysis.h"

#include "synthesis/Simulation.h"

namespace lodex {
namespace {

AnalysisResult FromValues(const CLogicalScheme& scheme, SchemeValues values) {
  AnalysisResult result;
  result.status = values.status;
  if (result.status) result.sequence = ToUpperAscii(WordsToLP(values.tables.back(), scheme.m_wordDigits));
  return result;
}

}  // namespace

AnalysisResult Analize(const CLogicalScheme& scheme) { return FromValues(scheme, SimulateScheme(scheme, false)); }

AnalysisResult AnalizePlain(const CLogicalScheme& scheme) {
  return FromValues(scheme, SimulateSchemePlain(scheme, false));
}

std::vector<int> MismatchedWords(const std::string& source, const std::string& computed, int digits) {
  std::vector<int> out;
  if (digits < 1) return out;
  const size_t d = static_cast<size_t>(digits);
  const std::string undefined(d, '*');
  for (size_t start = 0; start + d <= source.size(); start += d) {
    // Hexadecimal digits compare in either case: a project may keep its
    // sequence as typed, the simulation writes upper case.
    const std::string a = ToUpperAscii(source.substr(start, d));
    const std::string b = start + d <= computed.size() ? ToUpperAscii(computed.substr(start, d)) : std::string();
    if (a != b && a != undefined && b != undefined) out.push_back(static_cast<int>(start / d));
  }
  return out;
}

}  // namespace lodex
