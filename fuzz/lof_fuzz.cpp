// Sequence-file reader and the sequence parser: parsing never fails to
// terminate or reads out of bounds, and a parsed sequence writes back to
// words that parse again to the same values.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "model/LogicSequence.h"
#include "model/SequenceFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string lp = lodex::ParseSequenceFile(text);
  if (lodex::ParseSequenceFile(lodex::FormatSequenceFile(lp)) != lp) std::abort();
  for (int digits = 1; digits <= 3; ++digits) {
    if (lp.size() % static_cast<size_t>(digits) != 0) continue;
    const lodex::Words words = lodex::LPToWords(lp, digits);
    if (words.empty()) continue;
    const std::string back = lodex::WordsToLP(words, digits);
    if (lodex::LPToWords(back, digits) != words) std::abort();
  }
  return 0;
}
