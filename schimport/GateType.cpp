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

}  // namespace

std::optional<GateType> ParseGateType(std::string_view type) {
  GateType gate;
  if (type == "inv" || type == "buf") {
    gate.op = GateOp::Buf;
    gate.invertOutput = type == "inv";
    gate.inputs = 1;
    return gate;
  }
  if (type == "gnd" || type == "vcc") {
    gate.op = type == "gnd" ? GateOp::Gnd : GateOp::Vcc;
    gate.outputPin = type == "gnd" ? 'G' : 'P';
    return gate;
  }
  if (StartsWith(type, "xor") || StartsWith(type, "xnor")) {
    gate.op = GateOp::Xor;
    gate.invertOutput = type[1] == 'n';
    const std::optional<int> inputs = SmallNumber(type.substr(gate.invertOutput ? 4 : 3));
    if (!inputs || *inputs < 2) return std::nullopt;
    gate.inputs = *inputs;
    return gate;
  }
  gate.needsAllInputs = false;
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
  return gate;
}

const char* GateOpName(GateOp op) {
  switch (op) {
    case GateOp::And: return "and";
    case GateOp::Or: return "or";
    case GateOp::Xor: return "xor";
    case GateOp::Buf: return "buf";
    case GateOp::Gnd: return "gnd";
    case GateOp::Vcc: return "vcc";
  }
  return "?";
}

}  // namespace tarrow
