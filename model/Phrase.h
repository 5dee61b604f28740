// What the program says that is no refusal (notices, questions, reports and
// the checks of its own dialogs), as a code and its facts. The wording is the
// program's own, in Russian, with %1, %2, ... for the facts: lodex-cli prints
// it as it stands, and the desktop program shows its translation (context
// kAppTextContext) in the interface's language.
#pragma once

#include <concepts>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lodex {

#define LODEX_PHRASE_CODES(X)     \
  X(WrongIndex)                   \
  X(ProjectInputsRange)           \
  X(ProjectOutputsRange)          \
  X(SequenceLength)               \
  X(SequenceInvalidChar)          \
  X(WordTooLarge)                 \
  X(NoProjectProperties)          \
  X(NoSequenceLoaded)             \
  X(MaskRejected)                 \
  X(InvalidOutputSplit)           \
  X(ParallelSerialOffer)          \
  X(NoFictitiousInputs)           \
  X(OnlyFictitiousRemovable)      \
  X(NoInputNumbered)              \
  X(TierCount)                    \
  X(SubstitutionCandidate)        \
  X(SubstitutionChosen)           \
  X(AnalysisMismatch)             \
  X(AnalysisMismatchWordTooLarge) \
  X(DrawingStartFailure)

enum class PhraseCode : uint16_t {
#define LODEX_PHRASE_CODE(code) code,
  LODEX_PHRASE_CODES(LODEX_PHRASE_CODE)
#undef LODEX_PHRASE_CODE
};

inline constexpr int kPhraseCodeCount = 0
#define LODEX_PHRASE_COUNT(code) +1
    LODEX_PHRASE_CODES(LODEX_PHRASE_COUNT)
#undef LODEX_PHRASE_COUNT
    ;

struct Phrase {
  // `facts` are texts or numbers, for %1, %2, ... in order.
  template <typename... Facts>
  explicit Phrase(PhraseCode c, const Facts&... facts) : code(c), args{Fact(facts)...} {}

  PhraseCode code;
  std::vector<std::string> args;

  bool operator==(const Phrase&) const = default;

 private:
  static std::string Fact(std::string_view text) { return std::string(text); }
  static std::string Fact(std::integral auto number) { return std::to_string(number); }
};

// The wording of a code, with %1.. for its facts: the text lodex-cli prints
// (which scripts and tests read byte for byte) and the source text of its
// translation.
const char* PhraseWording(PhraseCode code);
// The code's name ("TierCount"), for tests.
std::string_view PhraseCodeName(PhraseCode code);

// `phrases` in the program's words, one after another.
std::string PhraseText(const std::vector<Phrase>& phrases);

}  // namespace lodex
