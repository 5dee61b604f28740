// VHDL export: a truth-table entity per logic block and a top-level entity wiring them.
//
// Cost: a text of O((n + m) · 2^n) characters for each logic block of n
// inputs and m outputs (one select line per combination); the testbench
// O(M · 2^N) for the scheme's N primary inputs and M outputs.
// See: VHDL as IEEE Std 1076 defines it.
#pragma once

#include <string>

#include "model/FileIo.h"
#include "model/LogicalScheme.h"
#include "model/Status.h"
#include "model/Translatable.h"

namespace lodex {

// The day of an export, written into the file header as dd.mm.yyyy.
struct VhdlDate {
  int day = 1;
  int month = 1;
  int year = 2000;
};
VhdlDate TodayForVhdl();

// The title without a trailing ".shc".
std::string VhdlTitleStem(const std::string& title);
// The design name: the stem lower-cased and transliterated to Latin letters;
// a result that is no valid VHDL identifier is repaired (see the .cpp).
std::string VhdlDesignName(const std::string& stem);
// A hexadecimal word as `width` bits, most significant first; '*' (or any
// other non-digit) gives `width` '*' characters.
std::string VhdlWordBits(const std::string& hex, int width);

class CVhdlGenerator {
 public:
  // The file's text (UTF-8, "\n" line ends) for the scheme under `title`.
  static std::string Text(const CLogicalScheme& scheme, const std::string& title, const VhdlDate& date);

  // A self-checking testbench for the top-level entity: it applies every
  // input combination and asserts each defined word of the project's
  // sequence, reporting combination, expected and obtained values on a
  // mismatch, and ends with a one-line summary (severity failure when any
  // word differed).
  static std::string Testbench(const CLogicalScheme& scheme, const std::string& title);

  // Writes text as the file format wants it: Windows-1251, CR LF line ends,
  // through a temporary file.
  static Status WriteFile(const std::string& path, const std::string& text);
  // The bytes WriteFile writes (`path` only names the file in a refusal), for
  // writing with other files at once.
  static Status Encode(const std::string& path, const std::string& text, FileOutput& file);

  // The save dialog's proposals.
  static constexpr const char* kDialogTitle = LODEX_TRANSLATE_NOOP("lodex::App", "Сохранить VHDL-код");
  static constexpr const char* kFilter =
      LODEX_TRANSLATE_NOOP("lodex::App", "VHDL Design File (Xilinx) (*.vhd)|*.vhd|Все файлы (*.*)|*.*||");
  static constexpr const char* kExtension = "vhd";
  static std::string ProposedFileName(const std::string& title) {
    return VhdlDesignName(VhdlTitleStem(title)) + ".vhd";
  }
  static std::string ProposedTestbenchName(const std::string& title) {
    return VhdlDesignName(VhdlTitleStem(title)) + "_tb.vhd";
  }
};

}  // namespace lodex
