#include "export/VhdlGenerator.h"

#include <array>
#include <cstdio>
#include <ctime>
#include <set>

#include "model/Cp1251.h"
#include "model/FileIo.h"
#include "model/PrintableText.h"
#include "model/Utf8.h"

namespace lodex {
namespace {

const std::string kRule51(51, '-');

// Decodes UTF-8 into code points; a malformed byte stands for itself.
std::vector<uint32_t> CodePoints(const std::string& s) {
  std::vector<uint32_t> out;
  for (size_t i = 0; i < s.size();) {
    if (const auto cp = NextCodePoint(s, i)) {
      out.push_back(*cp);
    } else {
      out.push_back(static_cast<unsigned char>(s[i++]));
    }
  }
  return out;
}

// Lower case as the code page knows it: Latin and Cyrillic letters.
uint32_t Lower(uint32_t cp) {
  if (cp >= 'A' && cp <= 'Z') return cp + 0x20;
  if (cp >= 0x0410 && cp <= 0x042F) return cp + 0x20;
  if (cp >= 0x0400 && cp <= 0x040F) return cp + 0x50;
  if (cp == 0x0490) return 0x0491;
  return cp;
}

// Latin spelling of the lower-case Cyrillic letters а..я, in order.
// clang-format off
constexpr std::array<const char*, 32> kCyrillic = {
    "a", "b", "v", "g", "d", "e", "g", "z", "i", "y", "k", "l", "m", "n", "o", "p",
    "r", "s", "t", "u", "f", "x", "c", "ch", "sh", "sh", "y", "i", "b", "e", "yu", "ya"};
// clang-format on

std::string Transliterate(const std::string& stem) {
  std::string out;
  for (uint32_t cp : CodePoints(stem)) {
    cp = Lower(cp);
    if (cp >= 0x0430 && cp <= 0x044F) {
      out += kCyrillic[cp - 0x0430];
    } else if (cp == 0x0451) {  // ё
      out += 'e';
    } else if (cp == ' ' || cp == '(' || cp == ')') {
      out += '_';
    } else {
      AppendUtf8(out, cp);
    }
  }
  return out;
}

const std::set<std::string>& ReservedWords() {
  // clang-format off
  static const std::set<std::string> words = {
      "abs", "access", "after", "alias", "all", "and", "architecture", "array", "assert", "attribute", "begin",
      "block", "body", "buffer", "bus", "case", "component", "configuration", "constant", "disconnect", "downto",
      "else", "elsif", "end", "entity", "exit", "file", "for", "function", "generate", "generic", "group",
      "guarded", "if", "impure", "in", "inertial", "inout", "is", "label", "library", "linkage", "literal", "loop",
      "map", "mod", "nand", "new", "next", "nor", "not", "null", "of", "on", "open", "or", "others", "out",
      "package", "port", "postponed", "procedure", "process", "pure", "range", "record", "register", "reject",
      "rem", "report", "return", "rol", "ror", "select", "severity", "signal", "shared", "sla", "sll", "sra",
      "srl", "subtype", "then", "to", "transport", "type", "unaffected", "units", "until", "use", "variable",
      "wait", "when", "while", "with", "xnor", "xor"};
  // clang-format on
  return words;
}

bool IsAsciiAlnum(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'); }

bool IsBasicIdentifier(const std::string& s) {
  if (s.empty() || !((s[0] >= 'a' && s[0] <= 'z') || (s[0] >= 'A' && s[0] <= 'Z'))) return false;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '_') {
      if (i + 1 == s.size() || s[i + 1] == '_') return false;
    } else if (!IsAsciiAlnum(s[i])) {
      return false;
    }
  }
  return ReservedWords().count(s) == 0;
}

std::string Format(const char* fmt, auto... args) {
  const int n = std::snprintf(nullptr, 0, fmt, args...);
  std::string out(static_cast<size_t>(n), '\0');
  std::snprintf(out.data(), out.size() + 1, fmt, args...);
  return out;
}

std::string Hex(unsigned value) { return Format("%X", value); }

// The net that drives an input link: a bit of the top-level input port for
// the input block, otherwise the source block's signal.
std::string Net(const CBlockInput& link, const std::string& inputId) {
  if (link.m_source == inputId) return Format("%s(%d)", inputId.c_str(), static_cast<int>(link.m_pin));
  return Format("net_%s(%d)", link.m_source.c_str(), static_cast<int>(link.m_pin));
}

}  // namespace

VhdlDate TodayForVhdl() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_mday, local.tm_mon + 1, local.tm_year + 1900};
}

std::string VhdlTitleStem(const std::string& title) {
  if (title.size() >= 4 && title.compare(title.size() - 4, 4, ".shc") == 0) return title.substr(0, title.size() - 4);
  return title;
}

// A transliterated name that is already a valid identifier stays as it is.
// Otherwise every character outside letters, digits and '_' becomes '_',
// runs of '_' shrink to one and none stays at either end; a name that would
// start with a digit or be empty is prefixed with "design", and a reserved
// word gets "_design" appended.
std::string VhdlDesignName(const std::string& stem) {
  std::string name = Transliterate(stem);
  if (IsBasicIdentifier(name)) return name;
  std::string repaired;
  for (char c : name) {
    const char mapped = IsAsciiAlnum(c) ? c : '_';
    if (mapped == '_' && (repaired.empty() || repaired.back() == '_')) continue;
    repaired.push_back(mapped);
  }
  while (!repaired.empty() && repaired.back() == '_') repaired.pop_back();
  if (repaired.empty()) return "design";
  if (repaired[0] >= '0' && repaired[0] <= '9') repaired = "design_" + repaired;
  if (!IsBasicIdentifier(repaired)) repaired += "_design";
  return repaired;
}

std::string VhdlWordBits(const std::string& hex, int width) {
  uint64_t value = 0;
  for (char c : hex) {
    int digit;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (c >= 'A' && c <= 'F') {
      digit = c - 'A' + 10;
    } else if (c >= 'a' && c <= 'f') {  // sequences are written in lower case
      digit = c - 'a' + 10;
    } else {
      return std::string(static_cast<size_t>(width > 0 ? width : 0), '*');
    }
    value = (value << 4) | static_cast<uint64_t>(digit);
  }
  std::string out;
  for (int k = width - 1; k >= 0; --k) out.push_back(k < 64 && ((value >> k) & 1u) ? '1' : '0');
  return out;
}

std::string CVhdlGenerator::Text(const CLogicalScheme& scheme, const std::string& title, const VhdlDate& date) {
  const std::string stem = VhdlTitleStem(title);
  const std::string t = VhdlDesignName(stem);
  const char* T = t.c_str();
  std::string out;

  out += kRule51 + "\n-- This code was produced by\n-- Lodex 2 VHDL Translator\n";
  out += "-- Structural synthesis of combinational logic\n\n";
  out += Format("-- Source\t: %s.shc\n-- Date\t: ", PrintableText(stem).c_str());
  out += Format("%02d.%02d.%04d\n", date.day, date.month, date.year) + kRule51 + "\n\n";

  out += kRule51 + "\n-------------<<<<<ОПИСАНИЕ БЛОКОВ>>>>>-------------\n" + kRule51 + "\n";
  const int count = scheme.GetBlockCount();
  for (int b = 1; b < count - 1; ++b) {
    const CLogicalBlock& block = scheme.GetBlock(b);
    const char* B = block.m_id.c_str();
    const int n = block.m_inputCount, m = block.m_outputCount, d = WordDigitsFor(m);
    // The caption stands in a comment: escaped, a line break in it cannot end
    // the comment and turn the rest into code.
    out +=
        Format("\n--  %s:\n--    - входов:\t%d\n--    - выходов:\t%d\n", PrintableText(block.m_caption).c_str(), n, m);
    // Block entities use the same port type as the components that stand
    // for them, so a VHDL tool can bind each instance to its entity.
    out += "library IEEE;\nuse IEEE.STD_LOGIC_1164.ALL;\n";
    out += Format("entity %s_%s is\n\tPort(in_%s: in std_logic_vector(%d downto 0);\n", T, B, B, n - 1);
    out += Format("\t\tout_%s: out std_logic_vector(%d downto 0));\nend %s_%s;", B, m - 1, T, B);
    out += Format(
        "\n\narchitecture Behavioral of %s_%s is\n\tsignal t: std_logic_vector(%d downto 0);\nbegin\n\twith in_%s "
        "select t <=\n",
        T, B, m - 1, B);
    for (size_t i = 0; i < (size_t{1} << n); ++i) {
      const size_t at = i * static_cast<size_t>(d);
      const std::string word =
          at < block.m_lp.size() ? block.m_lp.substr(at, static_cast<size_t>(d)) : std::string("*");
      const std::string value = VhdlWordBits(word, m);
      // A value with '*' is no bit literal: the row stays as a comment.
      const bool undefined = value.find('*') != std::string::npos;
      out += Format("%s\t\t\"%s\" when \"%s\",\n", undefined ? "--" : "", value.c_str(),
                    VhdlWordBits(Hex(static_cast<unsigned>(i)), n).c_str());
    }
    out += Format("\t\t\"%s\" when others;\n\tout_%s <= t;\nend Behavioral;\n------------------------\n",
                  VhdlWordBits(Hex((1u << n) - 1u), m).c_str(), B);
  }

  out += "\n" + kRule51 + "\n-------------<<<<<ОПИСАНИЕ СВЯЗЕЙ>>>>>-------------\n" + kRule51 + "\n";
  out +=
      "\nlibrary IEEE;\nuse IEEE.STD_LOGIC_1164.ALL;\nuse IEEE.STD_LOGIC_ARITH.ALL;\nuse IEEE.STD_LOGIC_UNSIGNED.ALL;";

  const CLogicalBlock& in = scheme.GetBlock(0);
  const CLogicalBlock& outBlock = scheme.GetBlock(count - 1);
  const int n = in.m_outputCount, m = outBlock.m_inputCount;
  out += Format("\n\n--  %s:\n--    - входов: %d\n--    - выходов: %d\n", stem.c_str(), n, m);
  out += Format("entity %s is\n\tPort(%s: in std_logic_vector(%d downto 0);\n", T, in.m_id.c_str(), n - 1);
  out += Format("\t\t%s: out std_logic_vector(%d downto 0));\nend %s;\n", outBlock.m_id.c_str(), m - 1, T);
  out += Format("\narchitecture Behavioral of %s is\n", T);
  for (int b = 1; b < count - 1; ++b) {
    const CLogicalBlock& block = scheme.GetBlock(b);
    const char* B = block.m_id.c_str();
    out += Format("\tcomponent %s_%s is\n\t\tPort(in_%s: in std_logic_vector(%d downto 0);\n", T, B, B,
                  block.m_inputCount - 1);
    out +=
        Format("\t\t\tout_%s: out std_logic_vector(%d downto 0));\n\tend component;\n\n", B, block.m_outputCount - 1);
  }
  for (int b = 1; b < count - 1; ++b) {
    const CLogicalBlock& block = scheme.GetBlock(b);
    out += Format("\tsignal net_%s: std_logic_vector(%d downto 0);\n", block.m_id.c_str(), block.m_outputCount - 1);
  }
  out += "\nbegin\n";
  for (int b = 1; b < count - 1; ++b) {
    const CLogicalBlock& block = scheme.GetBlock(b);
    const char* B = block.m_id.c_str();
    std::string inst = Format("\tcomp_%s: %s_%s port map(\n", B, T, B);
    for (int k = 0; k < block.m_inputCount; ++k)
      inst += Format("\t\t\tin_%s(%d) => %s,\n", B, k, Net(block.m_inputs[static_cast<size_t>(k)], in.m_id).c_str());
    for (int k = 0; k < block.m_outputCount; ++k) inst += Format("\t\t\tout_%s(%d) => net_%s(%d),\n", B, k, B, k);
    while (!inst.empty() && (inst.back() == ',' || inst.back() == '\n')) inst.pop_back();
    out += inst + ");\n\n";
  }
  for (int k = 0; k < m; ++k)
    out += Format("\tO(%d) <= %s;\n", k, Net(outBlock.m_inputs[static_cast<size_t>(k)], in.m_id).c_str());
  out += "end Behavioral;";
  return out;
}

std::string CVhdlGenerator::Testbench(const CLogicalScheme& scheme, const std::string& title) {
  const std::string t = VhdlDesignName(VhdlTitleStem(title));
  const std::string tb = t + "_tb";
  const int n = scheme.GetBlock(0).m_outputCount;
  const int m = scheme.GetBlock(scheme.GetBlockCount() - 1).m_inputCount;
  const int d = scheme.m_wordDigits;
  const size_t combinations = size_t{1} << n;

  std::string out = "-- Self-checking testbench for " + t +
                    ": applies every input combination and\n"
                    "-- compares each defined output word with the project's truth table.\n";
  out += "library IEEE;\nuse IEEE.STD_LOGIC_1164.ALL;\nuse IEEE.NUMERIC_STD.ALL;\n\n";
  out += Format("entity %s is\nend %s;\n\narchitecture Test of %s is\n", tb.c_str(), tb.c_str(), tb.c_str());
  out +=
      Format("\tsignal I: std_logic_vector(%d downto 0);\n\tsignal O: std_logic_vector(%d downto 0);\n", n - 1, m - 1);
  out += Format("\ttype words is array (0 to %zu) of std_logic_vector(%d downto 0);\n", combinations - 1, m - 1);
  out += "\t-- '-' marks an undefined word: any value is accepted there.\n\tconstant expected: words := (\n";
  for (size_t i = 0; i < combinations; ++i) {
    const size_t at = i * static_cast<size_t>(d);
    const std::string word = at < scheme.m_sourceLP.size() ? scheme.m_sourceLP.substr(at, static_cast<size_t>(d)) : "*";
    std::string bits = VhdlWordBits(word, m);
    for (char& c : bits)
      if (c == '*') c = '-';
    out += Format("\t\t%zu => \"%s\"%s\n", i, bits.c_str(), i + 1 < combinations ? "," : "");
  }
  out += "\t);\n\n";
  out +=
      "\tfunction image(v: std_logic_vector) return string is\n"
      "\t\tconstant letters: string(1 to 9) := \"UX01ZWLH-\";\n"
      "\t\tvariable s: string(1 to v'length);\n"
      "\t\tvariable k: positive := 1;\n"
      "\tbegin\n"
      "\t\tfor j in v'range loop\n"
      "\t\t\ts(k) := letters(std_ulogic'pos(v(j)) + 1);\n"
      "\t\t\tk := k + 1;\n"
      "\t\tend loop;\n"
      "\t\treturn s;\n"
      "\tend function;\n";
  out += "begin\n";
  out += Format("\tuut: entity work.%s port map(I => I, O => O);\n\n", t.c_str());
  out += "\tprocess\n\t\tvariable mismatches: natural := 0;\n\t\tvariable differs: boolean;\n\tbegin\n";
  out += Format("\t\tfor c in 0 to %zu loop\n", combinations - 1);
  out += Format("\t\t\tI <= std_logic_vector(to_unsigned(c, %d));\n", n);
  out +=
      "\t\t\twait for 10 ns;\n"
      "\t\t\tdiffers := false;\n"
      "\t\t\tfor b in O'range loop\n"
      "\t\t\t\tif expected(c)(b) /= '-' and O(b) /= expected(c)(b) then\n"
      "\t\t\t\t\tdiffers := true;\n"
      "\t\t\t\tend if;\n"
      "\t\t\tend loop;\n"
      "\t\t\tif differs then\n"
      "\t\t\t\tmismatches := mismatches + 1;\n"
      "\t\t\t\treport \"combination \" & integer'image(c) & \" (I=\" & image(I) & \"): expected \" &\n"
      "\t\t\t\t\timage(expected(c)) & \", obtained \" & image(O) severity error;\n"
      "\t\t\tend if;\n"
      "\t\tend loop;\n";
  out +=
      Format("\t\tif mismatches = 0 then\n\t\t\treport \"%s: %zu combinations checked, 0 mismatches\" severity note;\n",
             tb.c_str(), combinations);
  out += Format(
      "\t\telse\n\t\t\treport \"%s: %zu combinations checked, \" & integer'image(mismatches) & \" mismatches\" "
      "severity failure;\n",
      tb.c_str(), combinations);
  out += "\t\tend if;\n\t\twait;\n\tend process;\nend Test;\n";
  return out;
}

Status CVhdlGenerator::WriteFile(const std::string& path, const std::string& text) {
  FileOutput file;
  if (Status s = Encode(path, text, file); !s) return s;
  return WriteFilesAtomically({file});
}

Status CVhdlGenerator::Encode(const std::string& path, const std::string& text, FileOutput& file) {
  const auto bytes = Utf8ToCp1251(text);
  if (!bytes) return Status::Error(ReasonCode::WriteNotCp1251, {path});
  std::string crlf;
  crlf.reserve(bytes->size() + bytes->size() / 16);
  for (char c : *bytes) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  file = {path, std::move(crlf)};
  return Status::Ok();
}

}  // namespace lodex
