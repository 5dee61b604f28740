#include "model/Phrase.h"

#include <iterator>

#include "model/Status.h"
#include "model/Translatable.h"

namespace lodex {
namespace {

constexpr std::string_view kNames[] = {
#define LODEX_PHRASE_NAME(code) #code,
    LODEX_PHRASE_CODES(LODEX_PHRASE_NAME)
#undef LODEX_PHRASE_NAME
};

static_assert(std::size(kNames) == static_cast<size_t>(kPhraseCodeCount));

}  // namespace

// Without a default, the compiler refuses a code that has no wording.
const char* PhraseWording(PhraseCode code) {
  using enum PhraseCode;
  // Each wording stays whole on its line, as the translation tools read it.
  // clang-format off
  switch (code) {
    case WrongIndex: return LODEX_TRANSLATE_NOOP("lodex::App", "Неправильный индекс");
    case ProjectInputsRange: return LODEX_TRANSLATE_NOOP("lodex::App", "Число входов должно лежать в пределах 1..16");
    case ProjectOutputsRange: return LODEX_TRANSLATE_NOOP("lodex::App", "Число выходов должно лежать в пределах 1..12");
    case SequenceLength:
      return LODEX_TRANSLATE_NOOP("lodex::App", "Длина логической последовательности \r\nне соответствует заданным параметрам входов/выходов");
    case SequenceInvalidChar:
      return LODEX_TRANSLATE_NOOP("lodex::App", "Логическая последовательность содержит недопустимый символ");
    case WordTooLarge:
      return LODEX_TRANSLATE_NOOP("lodex::App", "Слово %1 логической последовательности (%2) больше %3 — наибольшего слова для %4 выходов");
    case NoProjectProperties: return LODEX_TRANSLATE_NOOP("lodex::App", "Не выбраны свойства проекта!");
    case NoSequenceLoaded: return LODEX_TRANSLATE_NOOP("lodex::App", "Не загружена логическая последовательность!");
    case MaskRejected: return LODEX_TRANSLATE_NOOP("lodex::App", "Маска %1 не даёт допустимого разложения");
    case InvalidOutputSplit: return LODEX_TRANSLATE_NOOP("lodex::App", "Недопустимое разбиение выходов");
    case ParallelSerialOffer:
      return LODEX_TRANSLATE_NOOP("lodex::App", "Возможно выделение последовательного блока с теми же входами\n\rХотите выделить и объединить в параллельно-последовательный блок?");
    case NoFictitiousInputs: return LODEX_TRANSLATE_NOOP("lodex::App", "Нет фиктивных входов!");
    case OnlyFictitiousRemovable: return LODEX_TRANSLATE_NOOP("lodex::App", "Удалять можно только фиктивные входы");
    case NoInputNumbered: return LODEX_TRANSLATE_NOOP("lodex::App", "Нет входа %1");
    case TierCount: return LODEX_TRANSLATE_NOOP("lodex::App", "количество ярусов в схеме = %1");
    // One line of the optimisation's candidates: the source block, the target
    // block, the target's input, the source's output, inverted (0 or 1).
    case SubstitutionCandidate:
      return LODEX_TRANSLATE_NOOP("lodex::App", "   %1,      %2,  вес вх  %3, вес вых %4, инвер   %5\n");
    // The blocks the chosen substitution leaves without use, then its number.
    case SubstitutionChosen: return LODEX_TRANSLATE_NOOP("lodex::App", "%1номер #%2");
    case AnalysisMismatch: return LODEX_TRANSLATE_NOOP("lodex::App", "Не сходятся логические последовательности!");
    case AnalysisMismatchWordTooLarge:
      return LODEX_TRANSLATE_NOOP("lodex::App", "Не сходятся логические последовательности!\r\nСлово %1 логической последовательности (%2) больше %3 — наибольшего слова для %4 выходов");
    case DrawingStartFailure: return LODEX_TRANSLATE_NOOP("lodex::App", "Ошибка при старте Visio!");
  }
  // clang-format on
  return "";
}

std::string_view PhraseCodeName(PhraseCode code) { return kNames[static_cast<size_t>(code)]; }

std::string PhraseText(const std::vector<Phrase>& phrases) {
  std::string text;
  for (const Phrase& phrase : phrases) text += FillPlaceholders(PhraseWording(phrase.code), phrase.args);
  return text;
}

}  // namespace lodex
