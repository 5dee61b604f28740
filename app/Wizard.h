// What the new-project wizard and the sequence entry dialog show and decide:
// page 1's messages, page 2's length check and summary, and the entry
// dialog's mask, initial text and sizes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Phrase.h"
#include "model/Status.h"
#include "model/Translatable.h"

namespace lodex {

// The name page 1 offers, in the interface's language.
inline constexpr const char* kDefaultProjectName = LODEX_TRANSLATE_NOOP("lodex::App", "Схема1");
inline constexpr const char* kSequenceFileFilter = LODEX_TRANSLATE_NOOP(
    "lodex::App",
    "Файлы логической последовательности (*.lof)|*.lof|Файлы Berkeley PLA (*.pla)|*.pla|Все файлы (*.*)|*.*||");

// Page 1's combo boxes: the item for a count, -1 (no selection) outside 1..items.
int CountSelection(int count, int items);
inline constexpr int kInputItems = 16;
inline constexpr int kOutputItems = 12;

// "С клавиатуры": the message that stops it when a count is not chosen
// (selections are combo indices, -1 for none), else none.
std::optional<Phrase> KeyboardEntryRefusal(int inputSelection, int outputSelection);

// Page 1's Next by the source choice (0 file, 1 keyboard or schematic, -1
// none): the sequence page 2 gets, or the message that keeps page 1.
struct WizardPage1Next {
  bool advance = false;
  std::string lp;
  std::optional<Phrase> message;
  // Why a file was refused, for the host to word; page 1 stays.
  std::optional<Reason> refusal;
  // A PLA file brings its counts along: page 1 shows them.
  std::optional<int> inputs, outputs;
};
// A file that cannot be read gives the empty sequence, which page 2 rejects.
// A *.pla file is read as `new --pla` reads it; one it refuses keeps page 1
// with the reason.
WizardPage1Next NextFromPage1(int source, const std::string& fileName, const std::string& collected);

// True when `lp` has 2^inputs words of ceil(outputs/4) characters.
bool SequenceLengthMatches(int inputs, int outputs, std::string_view lp);

// The first word of `lp` that `outputs` bits cannot hold, as WordTooLarge
// with its position and the word, or none.
std::optional<Phrase> WordRangePhrase(int outputs, std::string_view lp);

// The characters the sequence entry field takes at digit `digit` (0 = the
// most significant) of a word of `outputs` bits: the hexadecimal digits up
// to MaxWordDigit, in both cases, and '*'.
std::string AllowedWordDigits(int outputs, int digit);

struct WizardPage2 {
  bool finishEnabled = false;
  // Why Finish stays off: SequenceLength or WordRangePhrase.
  std::optional<Phrase> problem;
  // The sequence as the summary shows it below the name and the counts:
  // groups of four words, sixteen words a line.
  std::string sequence;
};

// Page 2 for page 1's values: Finish enabled when the name is not empty, the
// length matches and every word fits the outputs.
WizardPage2 BuildWizardPage2(const std::string& name, int inputs, int outputs, std::string_view lp);

// The sequence entry dialog's contents and geometry (pixels).
struct SequenceEntry {
  std::string mask;         // '&' per digit, blanks and line breaks as literals
  std::string initialText;  // '_' per digit, or the imported characters
  int editX = 5, editY = 5, editWidth = 0, editHeight = 200;
  int dialogWidth = 0, dialogHeight = 290;
  int okX = 0, cancelX = 0, buttonY = 220, buttonWidth = 80, buttonHeight = 25;
  // What each digit of a word may be (digitChars[j]: digit j, the most
  // significant first), from AllowedWordDigits.
  std::vector<std::string> digitChars;
};

// For 2^inputs words of `digits` characters; `imported` is the schematic
// library's text in schematic mode (character pos for every digit of word
// pos), null in keyboard mode. `outputs` bounds the words (0: 4 x digits).
SequenceEntry BuildSequenceEntry(int inputs, int digits, const std::string* imported, int outputs = 0);

// Whether the entry field takes `c` typed at `position` of its text: only
// at a digit place of the mask, and only a character that digit allows.
bool SequenceEntryTakes(const SequenceEntry& entry, size_t position, char c);

// The sequence the entry dialog returns: its text without blanks, line feeds
// and carriage returns.
std::string SequenceEntryResult(std::string_view text);

}  // namespace lodex
