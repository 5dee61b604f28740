// The scheme bytes of the one-input project "01", as an older file and as
// the program writes it now, and a table of damaged variants, shared by the
// loader tests and the command-line tests.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace lodex::testing {

inline std::string Hex(const std::string& hex) {
  std::string out;
  for (size_t i = 0; i + 1 < hex.size();) {
    if (hex[i] == ' ') {
      ++i;
      continue;
    }
    out.push_back(static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16)));
    i += 2;
  }
  return out;
}

inline const std::string& ExampleHeader() {
  static const std::string h = Hex("02 30 31 01 00 00 00 01 00 00 00 03 00 00 00");
  return h;
}
inline const std::string& ExampleInputBlock() {
  static const std::string b = Hex("00 01 49 00 00 00 00 00 00 00 00 00 00 00 00 00 01 00 00 00");
  return b;
}
// The caption is "Блок1" in Windows-1251, as older files have it.
inline std::string ExampleLogicBlock(const std::string& lp = "02 30 31", const std::string& link = "01 49 00 00",
                                     const std::string& outputs = "01 00 00 00",
                                     const std::string& caption = "05 C1 EB EE EA 31") {
  return Hex(lp + " 04 42 6C 5F 31 " + caption + " 01 00 00 00 00 00 00 00 01 00 00 00 " + link + " " + outputs);
}
inline const std::string& ExampleOutputBlock() {
  static const std::string b = Hex("00 01 4F 00 00 00 00 00 00 00 00 00 01 00 00 00 04 42 6C 5F 31 00 00 00 00 00 00");
  return b;
}

// The bytes of the project with one input, one output and the sequence 01.
inline std::string ExampleScheme() {
  return ExampleHeader() + ExampleInputBlock() + ExampleLogicBlock() + ExampleOutputBlock();
}
// The same project as a new one is saved now: its block captioned "Блок 1".
inline std::string NewProjectScheme() {
  return ExampleHeader() + ExampleInputBlock() +
         ExampleLogicBlock("02 30 31", "01 49 00 00", "01 00 00 00", "06 C1 EB EE EA 20 31") + ExampleOutputBlock();
}

// (what is wrong, the bytes); every one must be refused.
inline std::vector<std::pair<std::string, std::string>> DamagedSchemes() {
  const std::string h = ExampleHeader(), in = ExampleInputBlock(), out = ExampleOutputBlock();
  std::vector<std::pair<std::string, std::string>> all = {
      {"empty file", ""},
      {"source length beyond the file", Hex("FF FF FF FF FF FF 7F") + h.substr(3)},
      {"long string form with a huge length", Hex("FF FF FF 00 00 00 F0")},
      {"wide-character string marker", Hex("FF FE FF 02 00 30 00 31 00")},
      {"block count near 2^31", h.substr(0, 11) + Hex("FF FF FF 7F")},
      {"block count 2^32-1", h.substr(0, 11) + Hex("FF FF FF FF") + in},
      {"input count near 2^31", h + in + ExampleLogicBlock().substr(0, 20) + Hex("FF FF FF 7F")},
      {"negative input count", h + in + ExampleLogicBlock().substr(0, 20) + Hex("FF FF FF FF") + out},
      {"link to an unknown block", h + in + ExampleLogicBlock("02 30 31", "04 42 6C 5F 39 00 00") + out},
      {"link backwards to itself", h + in + ExampleLogicBlock("02 30 31", "04 42 6C 5F 31 00 00") + out},
      {"pin out of range", h + in + ExampleLogicBlock("02 30 31", "01 49 01 00") + out},
      {"negative pin", h + in + ExampleLogicBlock("02 30 31", "01 49 FF FF") + out},
      {"sequence too short", h + in + ExampleLogicBlock("01 30") + out},
      {"sequence too long", h + in + ExampleLogicBlock("04 30 31 30 31") + out},
      {"foreign character in the sequence", h + in + ExampleLogicBlock("02 30 47") + out},
      {"zero outputs", h + in + ExampleLogicBlock("02 30 31", "01 49 00 00", "00 00 00 00") + out},
      {"trailing bytes", ExampleScheme() + Hex("00")},
      {"first block is not I", h + ExampleLogicBlock() + in + out},
      {"last block is not O", h + in + out + ExampleLogicBlock()},
      {"one block only", h.substr(0, 11) + Hex("01 00 00 00") + in},
      {"identifier repeated",
       h.substr(0, 11) + Hex("04 00 00 00") + in + ExampleLogicBlock() + ExampleLogicBlock() + out},
      {"block counter below an identifier",
       Hex("02 30 31 01 00 00 00 00 00 00 00 03 00 00 00") + in + ExampleLogicBlock() + out},
      {"output block names an unknown block",
       h + in + ExampleLogicBlock() +
           Hex("00 01 4F 00 00 00 00 00 00 00 00 00 01 00 00 00 04 42 6C 5F 32 00 00 00 00 00 00")},
      {"source sequence of the wrong length", Hex("03 30 31 30") + h.substr(3) + in + ExampleLogicBlock() + out},
  };
  // The valid example cut at every byte.
  const std::string full = ExampleScheme();
  for (size_t n = 1; n < full.size(); ++n) all.emplace_back("cut at byte " + std::to_string(n), full.substr(0, n));
  return all;
}

}  // namespace lodex::testing
