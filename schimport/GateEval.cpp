#include "schimport/GateEval.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <utility>
#include <vector>

#include "schimport/GateType.h"

namespace tarrow {
namespace {

constexpr std::string_view kSeparator = "=====================================";

const std::string& Column(const SchNetlist& n, int32_t net) { return n.SignalValues[static_cast<size_t>(net)]; }

void LogColumn(const SchNetlist& n, int32_t net, SchLog& log) {
  log.Line("XLXN[" + std::to_string(net) + "]==============================");
  log.Line(Column(n, net));
}

int32_t PortWeight(const SchNetlist& n, const SchPort& port) {
  return port.busIndex >= 0 ? port.busIndex : TrailingNumber(n.SignalNames[static_cast<size_t>(port.net)]);
}

// Weights of the ports up to the first one without a weight; the rest stay
// -1. False when some port has no weight.
bool Weigh(const SchNetlist& n, const std::vector<SchPort>& ports, std::vector<int32_t>& weights) {
  weights.assign(ports.size(), -1);
  for (size_t i = 0; i < ports.size(); ++i) {
    const int32_t w = PortWeight(n, ports[i]);
    if (w == -1) return false;
    weights[i] = w;
  }
  return true;
}

void ExchangeSort(std::vector<SchPort>& ports, std::vector<int32_t>& weights) {
  for (size_t i = 0; i < ports.size(); ++i)
    for (size_t j = i + 1; j < ports.size(); ++j)
      if (weights[i] > weights[j]) {
        std::swap(weights[i], weights[j]);
        std::swap(ports[i], ports[j]);
      }
}

void LogWeights(const std::vector<SchPort>& ports, const std::vector<int32_t>& weights, SchLog& log) {
  for (size_t i = 0; i < ports.size(); ++i) log.Line(std::to_string(weights[i]) + ":" + std::to_string(ports[i].net));
}

// Computes the columns of the block's connected outputs into `values`.
void ComputeBlock(const SchNetlist& n, const SchBlock& block, std::vector<std::string>& values, size_t combinations) {
  auto column = [&](int32_t net) -> std::string& { return values[static_cast<size_t>(net)]; };
  if (block.Sub >= 0) {
    // A sub-schematic: its input ports take the columns of the block's
    // inputs, and its gates are evaluated in as many passes as they need.
    const SchNetlist& sub = n.Subs[static_cast<size_t>(block.Sub)]->Netlist;
    std::vector<std::string> inner(sub.SignalNames.size(), kUndef);
    for (size_t k = 0; k < sub.InputPorts.size(); ++k)
      inner[static_cast<size_t>(sub.InputPorts[k].net)] = column(block.Inputs[k]);
    std::vector<char> done(sub.Blocks.size(), 0);
    for (bool progress = true; progress;) {
      progress = false;
      for (size_t i = 0; i < sub.Blocks.size(); ++i) {
        const SchBlock& b = sub.Blocks[i];
        if (done[i] || std::any_of(b.Inputs.begin(), b.Inputs.end(),
                                   [&](int32_t net) { return inner[static_cast<size_t>(net)] == kUndef; }))
          continue;
        ComputeBlock(sub, b, inner, combinations);
        done[i] = 1;
        progress = true;
      }
    }
    for (size_t k = 0; k < sub.OutputPorts.size(); ++k)
      if (block.Outputs[k] != kUnconnected)
        column(block.Outputs[k]) = inner[static_cast<size_t>(sub.OutputPorts[k].net)];
    return;
  }
  const GateType gate = ParseGateType(block.Type).value_or(GateType{});
  const uint64_t constant = ParseConstantValue(block.Value).value_or(0);
  std::vector<const std::string*> inputs;
  for (int32_t net : block.Inputs) inputs.push_back(&column(net));
  std::vector<uint8_t> in(inputs.size()), out(gate.outputNames.size());
  std::vector<std::string> columns(out.size(), std::string(combinations, '0'));
  for (size_t j = 0; j < combinations; ++j) {
    for (size_t k = 0; k < in.size(); ++k) in[k] = (*inputs[k])[j] == '1';
    ComputeGate(gate, constant, in.data(), out.data());
    for (size_t k = 0; k < out.size(); ++k)
      if (out[k]) columns[k][j] = '1';
  }
  for (size_t k = 0; k < out.size() && k < block.Outputs.size(); ++k)
    if (block.Outputs[k] != kUnconnected) column(block.Outputs[k]) = std::move(columns[k]);
}

}  // namespace

int32_t TrailingNumber(std::string_view name) {
  size_t start = name.size();
  while (start > 0 && name[start - 1] >= '0' && name[start - 1] <= '9') --start;
  if (start == name.size()) return -1;
  int32_t value = 0;
  const auto [end, ec] = std::from_chars(name.data() + start, name.data() + name.size(), value);
  (void)end;
  return ec == std::errc() ? value : std::numeric_limits<int32_t>::max();
}

std::string InputPattern(int k, size_t combinations) {
  const size_t run = size_t{1} << k;
  std::string column;
  column.reserve(combinations);
  while (column.size() < combinations) {
    column.append(run, '0');
    column.append(run, '1');
  }
  return column;
}

void SortByWeights(SchNetlist& n, SchLog& log) {
  log.Line("SortByWeights:");
  std::vector<int32_t> inputWeights;
  std::vector<int32_t> outputWeights;
  const bool inputsWeighed = Weigh(n, n.InputPorts, inputWeights);
  const bool outputsWeighed = Weigh(n, n.OutputPorts, outputWeights);
  LogWeights(n.InputPorts, inputWeights, log);
  if (inputsWeighed && outputsWeighed) {
    ExchangeSort(n.InputPorts, inputWeights);
    ExchangeSort(n.OutputPorts, outputWeights);
  }
  log.Line("SORTED:");
  LogWeights(n.InputPorts, inputWeights, log);
  log.Line("ENDSORT");
}

bool TestBlock(const SchNetlist& n, const SchBlock& block, SchLog& log) {
  log.Line("Test(" + block.Name + ")[");
  for (int32_t net : block.Inputs) {
    log.Line(Column(n, net));
    if (Column(n, net) == kUndef) return false;
  }
  log.Line("]");
  return true;
}

void EvaluateBlock(SchNetlist& n, const SchBlock& block, SchLog& log) {
  if (block.Sub >= 0) {
    log.Line("{Schematic:" + n.Subs[static_cast<size_t>(block.Sub)]->File + "}");
  } else {
    const GateType gate = ParseGateType(block.Type).value_or(GateType{});
    log.Line(std::string("{Logic:") + GateOpName(gate.op) + " InvO:" + (gate.invertOutput ? "-1" : "0") +
             " Ins:" + std::to_string(gate.inputs) + " InvIns:" + std::to_string(gate.invertedInputs) + "}");
  }
  ComputeBlock(n, block, n.SignalValues, n.Combinations);
  for (int32_t out : block.Outputs)
    if (out != kUnconnected) log.Line("XLXN[" + std::to_string(out) + "]:=" + Column(n, out));
}

char NibbleToHex(std::string_view four) {
  static constexpr std::string_view kDigits = "0123456789ABCDEF";
  for (int v = 0; v < 16; ++v) {
    const char bits[4] = {(v & 8) ? '1' : '0', (v & 4) ? '1' : '0', (v & 2) ? '1' : '0', (v & 1) ? '1' : '0'};
    if (four == std::string_view(bits, 4)) return kDigits[static_cast<size_t>(v)];
  }
  return '?';
}

std::optional<SchSequence> EvaluateNetlist(SchNetlist& n, SchLog& log) {
  n.Combinations = 2;
  for (size_t i = 1; i < n.InputPorts.size(); ++i) n.Combinations *= 2;
  const size_t combinations = n.Combinations;
  log.Line("InitSCH(" + std::to_string(n.InputPorts.size()) + "x" + std::to_string(combinations) + ")");
  SortByWeights(n, log);
  for (size_t k = 0; k < n.InputPorts.size(); ++k) {
    const int32_t net = n.InputPorts[k].net;
    n.SignalValues[static_cast<size_t>(net)] = InputPattern(static_cast<int>(k), combinations);
    LogColumn(n, net, log);
  }
  log.Line(kSeparator);

  for (bool progress = true; progress;) {
    progress = false;
    for (SchBlock& block : n.Blocks) {
      if (block.Evaluated || !TestBlock(n, block, log)) continue;
      EvaluateBlock(n, block, log);
      block.Evaluated = true;
      progress = true;
      break;
    }
  }
  log.Line(kSeparator);

  for (const SchPort& port : n.OutputPorts) LogColumn(n, port.net, log);
  for (const SchPort& port : n.OutputPorts)
    if (Column(n, port.net) == kUndef) {
      LogFailure(log, "the output port " + ShownName(n.SignalNames[static_cast<size_t>(port.net)]) +
                          " has no value: its net is not driven, or its gates form a cycle");
      return std::nullopt;
    }

  SchSequence result;
  result.inputs = static_cast<int32_t>(n.InputPorts.size());
  result.outputs = static_cast<int32_t>(n.OutputPorts.size());
  log.Line(kSeparator);
  const size_t m = n.OutputPorts.size();
  const size_t padding = (4 - m % 4) % 4;
  std::string bits;
  result.text.reserve(combinations * ((m + 3) / 4));
  for (size_t j = 0; j < combinations; ++j) {
    bits.assign(padding, '0');
    for (const SchPort& port : n.OutputPorts) bits += Column(n, port.net)[j];
    for (size_t d = 0; d < bits.size(); d += 4) result.text += NibbleToHex(std::string_view(bits).substr(d, 4));
  }
  log.Line(result.text);
  return result;
}

}  // namespace tarrow
