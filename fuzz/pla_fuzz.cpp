// Berkeley PLA reader: any text ends in a refusal of one line or in a
// project that holds 2^n words of ceil(m / 4) digits, none above 2^m - 1,
// never in a crash, a hang or a read out of bounds.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "model/LogicSequence.h"
#include "model/PlaFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  lodex::CPlaFunction f;
  const lodex::Status s = lodex::ParsePla(text, f);
  if (!s) {
    if (s.message().empty() || s.message().find_first_of("\r\n") != std::string::npos) std::abort();
    return 0;
  }
  if (f.inputs < 1 || f.inputs > 16 || f.outputs < 1 || f.outputs > 12) std::abort();
  const size_t digits = static_cast<size_t>(lodex::WordDigitsFor(f.outputs));
  if (f.lp.size() != (size_t{1} << f.inputs) * digits) std::abort();
  for (char c : f.lp)
    if (!lodex::IsSequenceChar(c) || (c >= 'a' && c <= 'f')) std::abort();
  if (lodex::FindWordOutOfRange(f.lp, f.outputs)) std::abort();
  return 0;
}
