#include "schimport/GateType.h"

#include <charconv>

namespace tarrow {
namespace {

bool StartsWith(std::string_view text, std::string_view prefix) { return text.substr(0, prefix.size()) == prefix; }

// Reads a whole text of decimal digits as a number in 0..kMaxGateInputs.
std::optional<int> SmallNumber(std::string_view digits) {
  if (digits.empty() || digits.size() > 3) return std::nullopt;
  int value = 0;
  auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (ec != std::errc() || end != digits.data() + digits.size() || value > kMaxGateInputs) return std::nullopt;
  return value;
}

std::string Lower(std::string_view text) {
  std::string s(text);
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

void AddPins(std::vector<std::string>& names, const char* base, int count) {
  for (int i = 0; i < count; ++i) names.push_back(base + std::to_string(i));
}

int Log2(int n) {
  int k = 0;
  while ((1 << k) < n) ++k;
  return k;
}

// One library part of fixed name. `width` is the operand width (the data
// inputs of a multiplexer, the address bits of a decoder); `inverted` the
// inverted inputs of the multiplexers with "b" in their names.
struct PartRow {
  std::string_view name;
  GateOp op;
  int width;
  bool invert = false;
  bool enable = false;
  int inverted = 0;
};

constexpr PartRow kParts[] = {
    {"inv", GateOp::Buf, 1, true},
    {"buf", GateOp::Buf, 1},
    {"ibuf", GateOp::Buf, 1},
    {"obuf", GateOp::Buf, 1},
    {"bufg", GateOp::Buf, 1},
    {"ibufg", GateOp::Buf, 1},
    {"inv4", GateOp::Buf, 4, true},
    {"inv8", GateOp::Buf, 8, true},
    {"inv16", GateOp::Buf, 16, true},
    {"buf4", GateOp::Buf, 4},
    {"buf8", GateOp::Buf, 8},
    {"buf16", GateOp::Buf, 16},
    {"gnd", GateOp::Gnd, 1},
    {"vcc", GateOp::Vcc, 1},
    {"constant", GateOp::Const, 64},
    {"m2_1", GateOp::Mux, 2},
    {"m2_1b1", GateOp::Mux, 2, false, false, 1},
    {"m2_1b2", GateOp::Mux, 2, false, false, 2},
    {"m2_1e", GateOp::Mux, 2, false, true},
    {"m4_1e", GateOp::Mux, 4, false, true},
    {"m8_1e", GateOp::Mux, 8, false, true},
    {"m16_1e", GateOp::Mux, 16, false, true},
    {"d2_4e", GateOp::Decode, 2, false, true},
    {"d3_8e", GateOp::Decode, 3, false, true},
    {"d4_16e", GateOp::Decode, 4, false, true},
    {"comp2", GateOp::Equal, 2},
    {"comp4", GateOp::Equal, 4},
    {"comp8", GateOp::Equal, 8},
    {"comp16", GateOp::Equal, 16},
    {"compm2", GateOp::Compare, 2},
    {"compm4", GateOp::Compare, 4},
    {"compm8", GateOp::Compare, 8},
    {"compm16", GateOp::Compare, 16},
    {"add1", GateOp::Add, 1},
    {"add4", GateOp::Add, 4},
    {"add8", GateOp::Add, 8},
    {"add16", GateOp::Add, 16},
    {"adsu4", GateOp::AddSub, 4},
    {"adsu8", GateOp::AddSub, 8},
    {"adsu16", GateOp::AddSub, 16},
};

// The pins of a table part, from its operation and width.
GateType FromRow(const PartRow& row) {
  GateType g;
  g.op = row.op;
  g.width = row.width;
  g.invertOutput = row.invert;
  g.invertedInputs = row.inverted;
  g.enable = row.enable;
  auto& in = g.inputNames;
  auto& out = g.outputNames;
  switch (row.op) {
    case GateOp::Buf:
      if (row.width == 1) {
        in = {"I"};
        out = {"O"};
      } else {
        AddPins(in, "I", row.width);
        AddPins(out, "O", row.width);
      }
      break;
    case GateOp::Gnd: out = {"G"}; break;
    case GateOp::Vcc: out = {"P"}; break;
    case GateOp::Const: AddPins(out, "O", row.width); break;
    case GateOp::Mux:
      AddPins(in, "D", row.width);
      AddPins(in, "S", Log2(row.width));
      out = {"O"};
      break;
    case GateOp::Decode:
      AddPins(in, "A", row.width);
      AddPins(out, "D", 1 << row.width);
      break;
    case GateOp::Equal:
    case GateOp::Compare:
    case GateOp::Add:
    case GateOp::AddSub:
      AddPins(in, "A", row.width);
      AddPins(in, "B", row.width);
      if (row.op == GateOp::Equal) out = {"EQ"};
      if (row.op == GateOp::Compare) out = {"GT", "LT"};
      if (row.op == GateOp::Add || row.op == GateOp::AddSub) {
        in.push_back("CI");
        if (row.op == GateOp::AddSub) in.push_back("ADD");
        AddPins(out, "S", row.width);
        out.push_back("CO");
        out.push_back("OFL");
      }
      break;
    case GateOp::And:
    case GateOp::Or:
    case GateOp::Xor: break;
  }
  if (row.enable) in.push_back("E");
  g.inputs = static_cast<int>(in.size());
  return g;
}

// The and/or family and the parity gates.
std::optional<GateType> ParseLogicGate(std::string_view type) {
  GateType gate;
  if (StartsWith(type, "xor") || StartsWith(type, "xnor")) {
    gate.op = GateOp::Xor;
    gate.invertOutput = type[1] == 'n';
    const std::optional<int> inputs = SmallNumber(type.substr(gate.invertOutput ? 4 : 3));
    if (!inputs || *inputs < 2) return std::nullopt;
    gate.inputs = *inputs;
  } else {
    if (StartsWith(type, "n")) {
      gate.invertOutput = true;
      type.remove_prefix(1);
    }
    if (StartsWith(type, "and")) {
      gate.op = GateOp::And;
      type.remove_prefix(3);
    } else if (StartsWith(type, "or")) {
      gate.op = GateOp::Or;
      type.remove_prefix(2);
    } else {
      return std::nullopt;
    }
    const size_t b = type.find('b');
    const std::optional<int> inputs = SmallNumber(type.substr(0, b));
    if (!inputs || *inputs < 1) return std::nullopt;
    gate.inputs = *inputs;
    if (b != std::string_view::npos) {
      const std::optional<int> inverted = SmallNumber(type.substr(b + 1));
      if (!inverted || *inverted > gate.inputs) return std::nullopt;
      gate.invertedInputs = *inverted;
    }
  }
  gate.width = gate.inputs;
  AddPins(gate.inputNames, "I", gate.inputs);
  gate.outputNames = {"O"};
  return gate;
}

// The bits [offset, offset + width) of the inputs as a number, the first the
// lowest.
uint64_t Field(const uint8_t* in, int offset, int width) {
  uint64_t v = 0;
  for (int i = 0; i < width; ++i) v |= static_cast<uint64_t>(in[offset + i] & 1) << i;
  return v;
}

void SetField(uint8_t* out, int offset, int width, uint64_t v) {
  for (int i = 0; i < width; ++i) out[offset + i] = static_cast<uint8_t>((v >> i) & 1);
}

}  // namespace

std::optional<GateType> ParseGateType(std::string_view name) {
  const std::string type = Lower(name);
  for (const PartRow& row : kParts)
    if (row.name == type) return FromRow(row);
  return ParseLogicGate(type);
}

const char* GateOpName(GateOp op) {
  switch (op) {
    case GateOp::And: return "and";
    case GateOp::Or: return "or";
    case GateOp::Xor: return "xor";
    case GateOp::Buf: return "buf";
    case GateOp::Gnd: return "gnd";
    case GateOp::Vcc: return "vcc";
    case GateOp::Const: return "constant";
    case GateOp::Mux: return "mux";
    case GateOp::Decode: return "decoder";
    case GateOp::Equal: return "equal";
    case GateOp::Compare: return "compare";
    case GateOp::Add: return "add";
    case GateOp::AddSub: return "addsub";
  }
  return "?";
}

void ComputeGate(const GateType& g, uint64_t constant, const uint8_t* in, uint8_t* out) {
  const int w = g.width;
  const uint64_t mask = w >= 64 ? ~uint64_t{0} : (uint64_t{1} << w) - 1;
  auto input = [&](int pin) { return (in[pin] != 0) != (pin < g.invertedInputs); };
  switch (g.op) {
    case GateOp::And:
    case GateOp::Or:
    case GateOp::Xor: {
      bool r = g.op == GateOp::And;
      for (int pin = 0; pin < g.inputs; ++pin) {
        if (g.op == GateOp::And && !(r = input(pin))) break;
        if (g.op == GateOp::Or && (r = input(pin))) break;
        if (g.op == GateOp::Xor) r = r != input(pin);
      }
      out[0] = r != g.invertOutput;
      return;
    }
    case GateOp::Buf:
      for (int i = 0; i < w; ++i) out[i] = (in[i] != 0) != g.invertOutput;
      return;
    case GateOp::Gnd: out[0] = 0; return;
    case GateOp::Vcc: out[0] = 1; return;
    case GateOp::Const: SetField(out, 0, w, constant); return;
    case GateOp::Mux: {
      const int select = static_cast<int>(Field(in, w, g.inputs - w - (g.enable ? 1 : 0)));
      out[0] = (!g.enable || in[g.inputs - 1]) && input(select);
      return;
    }
    case GateOp::Decode: {
      const uint64_t address = Field(in, 0, w);
      for (int k = 0; k < (1 << w); ++k) out[k] = in[w] && address == static_cast<uint64_t>(k);
      return;
    }
    case GateOp::Equal:
    case GateOp::Compare: {
      const uint64_t a = Field(in, 0, w), b = Field(in, w, w);
      if (g.op == GateOp::Equal) {
        out[0] = a == b;
      } else {
        out[0] = a > b;
        out[1] = a < b;
      }
      return;
    }
    case GateOp::Add:
    case GateOp::AddSub: {
      // Subtraction adds the complement of B; CI is then the active-low
      // borrow-in and CO the active-low borrow-out.
      const bool add = g.op == GateOp::Add || in[2 * w + 1];
      const uint64_t a = Field(in, 0, w), b = add ? Field(in, w, w) : ~Field(in, w, w) & mask;
      const uint64_t sum = a + b + in[2 * w];
      const uint64_t s = sum & mask;
      SetField(out, 0, w, s);
      out[w] = static_cast<uint8_t>((sum >> w) & 1);
      out[w + 1] = static_cast<uint8_t>((((a ^ s) & (b ^ s)) >> (w - 1)) & 1);  // two's-complement overflow
      return;
    }
  }
}

void ComputeGateWords(const GateType& g, uint64_t constant, const uint64_t* const* in, uint64_t* const* out,
                      size_t words) {
  const size_t outputs = g.outputNames.size();
  const uint64_t ones = ~uint64_t{0};
  const uint64_t invert = g.invertOutput ? ones : 0;
  switch (g.op) {
    case GateOp::And:
    case GateOp::Or:
    case GateOp::Xor: {
      // Pin by pin over all words, so each loop is a plain vector operation;
      // the output net is never an input's (no gate reads itself).
      uint64_t* o = out[0];
      for (int k = 0; k < g.inputs; ++k) {
        const uint64_t* x = in[k];
        const uint64_t flip = k < g.invertedInputs ? ones : 0;
        if (k == 0) {
          for (size_t w = 0; w < words; ++w) o[w] = x[w] ^ flip;
        } else if (g.op == GateOp::And) {
          for (size_t w = 0; w < words; ++w) o[w] &= x[w] ^ flip;
        } else if (g.op == GateOp::Or) {
          for (size_t w = 0; w < words; ++w) o[w] |= x[w] ^ flip;
        } else {
          for (size_t w = 0; w < words; ++w) o[w] ^= x[w] ^ flip;
        }
      }
      if (g.inputs == 0)
        for (size_t w = 0; w < words; ++w) o[w] = g.op == GateOp::And ? ones : 0;
      if (invert != 0)
        for (size_t w = 0; w < words; ++w) o[w] ^= invert;
      return;
    }
    case GateOp::Buf:
      for (size_t k = 0; k < outputs; ++k)
        for (size_t w = 0; w < words; ++w) out[k][w] = in[k][w] ^ invert;
      return;
    case GateOp::Gnd:
    case GateOp::Vcc:
    case GateOp::Const:
      for (size_t k = 0; k < outputs; ++k) {
        const bool one = g.op == GateOp::Vcc || (g.op == GateOp::Const && k < 64 && ((constant >> k) & 1) != 0);
        for (size_t w = 0; w < words; ++w) out[k][w] = one ? ones : 0;
      }
      return;
    default: break;
  }
  std::vector<uint8_t> bits(static_cast<size_t>(g.inputs)), result(outputs);
  for (size_t w = 0; w < words; ++w) {
    for (size_t k = 0; k < outputs; ++k) out[k][w] = 0;
    for (unsigned lane = 0; lane < 64; ++lane) {
      for (size_t k = 0; k < bits.size(); ++k) bits[k] = static_cast<uint8_t>((in[k][w] >> lane) & 1);
      ComputeGate(g, constant, bits.data(), result.data());
      for (size_t k = 0; k < outputs; ++k) out[k][w] |= static_cast<uint64_t>(result[k] & 1) << lane;
    }
  }
}

std::optional<uint64_t> ParseConstantValue(std::string_view text) {
  if (text.empty() || text.size() > 16) return std::nullopt;
  uint64_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::optional<lodex::ReasonCode> SequentialKind(std::string_view name) {
  // Library families of storing parts: the prefix, then either the letters
  // and digits of their variants (fdce, ld_1, fd16re) or a width first
  // (cb4ce, sr8rle, ram16x1s).
  struct Family {
    std::string_view prefix;
    lodex::ReasonCode kind;
    bool widthFirst;
  };
  using enum lodex::ReasonCode;
  static constexpr Family kFamilies[] = {
      {"fd", SchFlipFlop, false},     {"fjk", SchFlipFlop, false},     {"ft", SchFlipFlop, false},
      {"ifd", SchFlipFlop, false},    {"ofd", SchFlipFlop, false},     {"ld", SchLatch, false},
      {"ild", SchLatch, false},       {"cb", SchCounter, true},        {"cc", SchCounter, true},
      {"cd", SchCounter, true},       {"cj", SchCounter, true},        {"cr", SchCounter, true},
      {"sr", SchShiftRegister, true}, {"srl", SchShiftRegister, true}, {"ram", SchRam, true},
      {"acc", SchAccumulator, true},
  };
  const std::string type = Lower(name);
  for (const Family& f : kFamilies) {
    if (!StartsWith(type, f.prefix)) continue;
    const std::string_view tail = std::string_view(type).substr(f.prefix.size());
    if (f.widthFirst && (tail.empty() || tail[0] < '0' || tail[0] > '9')) continue;
    const std::string_view allowed = f.widthFirst ? "0123456789abcdefghijklmnopqrstuvwxyz_" : "0123456789_ceprs";
    if (tail.find_first_not_of(allowed) == std::string_view::npos) return f.kind;
  }
  return std::nullopt;
}

}  // namespace tarrow
