#include "app/Wizard.h"

#include <algorithm>

#include "model/LogicSequence.h"
#include "model/PlaFile.h"
#include "model/SequenceFile.h"

namespace lodex {
namespace {

bool IsPlaFileName(const std::string& name) {
  return name.size() >= 4 && ToUpperAscii(name.substr(name.size() - 4)) == ".PLA";
}

}  // namespace

int CountSelection(int count, int items) { return count >= 1 && count <= items ? count - 1 : -1; }

std::optional<Phrase> KeyboardEntryRefusal(int inputSelection, int outputSelection) {
  if (inputSelection < 0 || outputSelection < 0) return Phrase(PhraseCode::NoProjectProperties);
  return std::nullopt;
}

WizardPage1Next NextFromPage1(int source, const std::string& fileName, const std::string& collected) {
  WizardPage1Next next;
  if (source == 0) {
    if (IsPlaFileName(fileName)) {
      CPlaFunction f;
      if (Status s = ReadPlaFile(fileName, f); !s) {
        next.refusal = s.reason();
        return next;
      }
      next.lp = f.lp;
      next.inputs = f.inputs;
      next.outputs = f.outputs;
    } else if (!ReadSequenceFile(fileName, next.lp)) {
      next.lp.clear();
    }
    next.advance = true;
  } else if (source == 1) {
    next.lp = collected;
    next.advance = true;
  } else {
    next.message = Phrase(PhraseCode::NoSequenceLoaded);
  }
  return next;
}

bool SequenceLengthMatches(int inputs, int outputs, std::string_view lp) {
  if (inputs < 0 || inputs > 30 || outputs < 1) return false;
  return lp.size() == (size_t{1} << inputs) * static_cast<size_t>(WordDigitsFor(outputs));
}

std::optional<Phrase> WordRangePhrase(int outputs, std::string_view lp) {
  const std::optional<WordOutOfRange> wide = FindWordOutOfRange(lp, outputs);
  if (!wide) return std::nullopt;
  return Phrase(PhraseCode::WordTooLarge, wide->position, wide->word, (1 << outputs) - 1, outputs);
}

std::string AllowedWordDigits(int outputs, int digit) {
  std::string allowed;
  for (char c : std::string_view("0123456789ABCDEFabcdef*"))
    if (WordDigitAllowed(outputs, digit, c)) allowed += c;
  return allowed;
}

WizardPage2 BuildWizardPage2(const std::string& name, int inputs, int outputs, std::string_view lp) {
  WizardPage2 page;
  if (name.empty() || !SequenceLengthMatches(inputs, outputs, lp)) {
    page.problem = Phrase(PhraseCode::SequenceLength);
    return page;
  }
  if ((page.problem = WordRangePhrase(outputs, lp))) return page;
  const size_t d = static_cast<size_t>(WordDigitsFor(outputs));
  page.finishEnabled = true;
  for (size_t i = 0; i < lp.size(); ++i) {
    if (i % (4 * d) == 0) page.sequence += "  ";
    if (i > 0 && i % d == 0) page.sequence += ' ';
    if (i > 0 && i % (16 * d) == 0) page.sequence += "\r\n  ";
    page.sequence += lp[i];
  }
  return page;
}

namespace {

void StripTrailingBlanks(std::string& text) {
  while (!text.empty() && text.back() == ' ') text.pop_back();
}

}  // namespace

SequenceEntry BuildSequenceEntry(int inputs, int digits, const std::string* imported, int outputs) {
  SequenceEntry e;
  for (int j = 0; j < digits; ++j) e.digitChars.push_back(AllowedWordDigits(outputs > 0 ? outputs : 4 * digits, j));
  const int words = inputs >= 0 && inputs <= 20 ? 1 << inputs : 0;
  for (int pos = 0; pos < words; ++pos) {
    if (pos > 0 && pos % 4 == 0) {
      e.mask += ' ';
      e.initialText += ' ';
    }
    if (pos > 0 && pos % 16 == 0) {
      e.mask += "\r\n";
      e.initialText += "\r\n";
    }
    const size_t p = static_cast<size_t>(pos);
    const char shown = imported == nullptr ? '_' : (p < imported->size() ? (*imported)[p] : '_');
    e.mask.append(static_cast<size_t>(digits), '&');
    e.initialText.append(static_cast<size_t>(digits), shown);
    e.mask += ' ';
    e.initialText += ' ';
  }
  StripTrailingBlanks(e.mask);
  StripTrailingBlanks(e.initialText);
  const int f = inputs == 3 ? 11 * (8 * digits + 9) : 11 * (16 * digits + 18);
  e.editWidth = f;
  e.dialogWidth = f + 20;
  e.okX = f / 2 - f / 4 - 50;
  e.cancelX = f / 2 + f / 4 - 30;
  return e;
}

bool SequenceEntryTakes(const SequenceEntry& entry, size_t position, char c) {
  if (position >= entry.mask.size() || entry.mask[position] != '&' || entry.digitChars.empty()) return false;
  const size_t digit =
      static_cast<size_t>(std::count(entry.mask.begin(), entry.mask.begin() + static_cast<long>(position), '&'));
  return entry.digitChars[digit % entry.digitChars.size()].find(c) != std::string::npos;
}

std::string SequenceEntryResult(std::string_view text) {
  std::string lp;
  for (char c : text)
    if (c != ' ' && c != '\n' && c != '\r') lp.push_back(c);
  return lp;
}

}  // namespace lodex
