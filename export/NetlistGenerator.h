// BLIF and structural Verilog export: the scheme as a netlist of truth-table blocks.
//
// Each logic block is one truth table, wired as the scheme links them.
//
// Cost: a text of O(n · m · 2^n) characters for each logic block of n inputs
// and m outputs (BLIF lists each output's ON rows, Verilog every
// combination), plus O(B) each time a link's source is named (a linear search
// among B blocks) and O(log) per name handed out.
// See: "Berkeley Logic Interchange Format (BLIF)", UC Berkeley, 1992, for
// BLIF; IEEE Std 1364 for Verilog.
#pragma once

#include <string>
#include <vector>

#include "model/LogicalScheme.h"
#include "model/Status.h"
#include "model/Translatable.h"

namespace lodex {

// Names for the primary inputs and outputs (for instance a PLA file's .ilb
// and .ob), in the scheme's order. A missing name, one that is not valid in
// the target language or one already taken falls back to I<k> / O<k>.
struct NetlistPorts {
  std::vector<std::string> inputs;
  std::vector<std::string> outputs;
};

// True when `name` can name a model in BLIF or a module in Verilog as written.
bool IsBlifName(const std::string& name);
bool IsVerilogName(const std::string& name);

class CNetlistGenerator {
 public:
  // One .model `model` with the scheme's inputs and outputs; per logic block
  // one .names table for each of its outputs listing the combinations where
  // that output is 1 (undefined words are left out), then one buffer per
  // primary output.
  static std::string Blif(const CLogicalScheme& scheme, const std::string& model, const NetlistPorts& ports = {});

  // One module `<module>_<block>` per logic block holding its truth table as
  // a case statement (undefined words as x), then the top module `module`
  // with one scalar port per input and output that instantiates the blocks.
  static std::string Verilog(const CLogicalScheme& scheme, const std::string& module, const NetlistPorts& ports = {});

  // Writes the text as it is through a temporary file, so a failure leaves
  // no half-written file.
  static Status WriteFile(const std::string& path, const std::string& text);

  // The design name for a document title, valid in both languages.
  static std::string DesignName(const std::string& title);

  // The save dialogs' proposals.
  static constexpr const char* kBlifDialogTitle = LODEX_TRANSLATE_NOOP("lodex::App", "Экспорт в BLIF");
  static constexpr const char* kBlifFilter =
      LODEX_TRANSLATE_NOOP("lodex::App", "BLIF (*.blif)|*.blif|Все файлы (*.*)|*.*||");
  static constexpr const char* kBlifExtension = "blif";
  static constexpr const char* kVerilogDialogTitle = LODEX_TRANSLATE_NOOP("lodex::App", "Экспорт в Verilog");
  static constexpr const char* kVerilogFilter =
      LODEX_TRANSLATE_NOOP("lodex::App", "Verilog (*.v)|*.v|Все файлы (*.*)|*.*||");
  static constexpr const char* kVerilogExtension = "v";
};

}  // namespace lodex
