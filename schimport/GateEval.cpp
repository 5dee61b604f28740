#include "schimport/GateEval.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <utility>
#include <vector>

#include "schimport/FlatNetwork.h"
#include "schimport/GateType.h"
#include "schimport/NetlistCheck.h"

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

char NibbleToHex(std::string_view four) {
  static constexpr std::string_view kDigits = "0123456789ABCDEF";
  for (int v = 0; v < 16; ++v) {
    const char bits[4] = {(v & 8) ? '1' : '0', (v & 4) ? '1' : '0', (v & 2) ? '1' : '0', (v & 1) ? '1' : '0'};
    if (four == std::string_view(bits, 4)) return kDigits[static_cast<size_t>(v)];
  }
  return '?';
}

namespace {

// Bit k of the combination index over the 64 combinations of word w.
uint64_t InputWord(size_t k, size_t w) {
  static constexpr uint64_t kLow[6] = {0xAAAAAAAAAAAAAAAAull, 0xCCCCCCCCCCCCCCCCull, 0xF0F0F0F0F0F0F0F0ull,
                                       0xFF00FF00FF00FF00ull, 0xFFFF0000FFFF0000ull, 0xFFFFFFFF00000000ull};
  if (k < 6) return kLow[k];
  return ((w >> (k - 6)) & 1u) != 0 ? ~uint64_t{0} : 0;
}

// `count` combinations of a column from its words, as '0' and '1'.
std::string ColumnText(const uint64_t* words, size_t count) {
  std::string text(count, '0');
  for (size_t j = 0; j < count; ++j)
    if (((words[j / 64] >> (j % 64)) & 1u) != 0) text[j] = '1';
  return text;
}

// The chosen output ports (all, or those named), in their order.
std::optional<std::vector<SchPort>> ChosenOutputs(const SchNetlist& n, const SchSelection* selection, SchLog& log) {
  if (!selection || selection->outputs.empty()) return n.OutputPorts;
  std::vector<char> chosen(n.OutputPorts.size(), 0);
  for (const std::string& name : selection->outputs) {
    bool found = false;
    for (size_t i = 0; i < n.OutputPorts.size(); ++i)
      if (n.SignalNames[static_cast<size_t>(n.OutputPorts[i].net)] == name) chosen[i] = found = true;
    if (!found) {
      LogFailure(log, Reason(ReasonCode::SchNoSuchOutputPort, {ShownName(name)}));
      return std::nullopt;
    }
  }
  std::vector<SchPort> ports;
  for (size_t i = 0; i < n.OutputPorts.size(); ++i)
    if (chosen[i]) ports.push_back(n.OutputPorts[i]);
  return ports;
}

}  // namespace

std::vector<SchOutputCone> OutputCones(const SchNetlist& n, SchLog& log) {
  const FlatNetwork flat = Flatten(n);
  std::vector<SchOutputCone> cones;
  std::vector<char> reached;
  for (const SchPort& port : n.OutputPorts) {
    if (!ConeOrder(flat, {port.net}, reached, log)) return {};
    SchOutputCone cone{n.SignalNames[static_cast<size_t>(port.net)], 0};
    for (const SchPort& input : n.InputPorts) cone.inputs += reached[static_cast<size_t>(input.net)];
    cones.push_back(std::move(cone));
  }
  return cones;
}

std::optional<SchSequence> EvaluateNetlist(SchNetlist& n, SchLog& log, const SchSelection* selection) {
  std::optional<std::vector<SchPort>> outputs = ChosenOutputs(n, selection, log);
  if (!outputs) return std::nullopt;
  const bool chosen = selection && !selection->outputs.empty();

  // The gates the chosen outputs need, and the input ports they read.
  const FlatNetwork flat = Flatten(n);
  std::vector<int32_t> roots;
  for (const SchPort& port : *outputs) roots.push_back(port.net);
  std::vector<char> reached;
  const std::optional<std::vector<int32_t>> order = ConeOrder(flat, roots, reached, log);
  if (!order) return std::nullopt;
  std::vector<char> isInput(flat.nets, 0);
  for (const SchPort& port : n.InputPorts) isInput[static_cast<size_t>(port.net)] = 1;
  size_t needed = 0;
  for (size_t net = 0; net < flat.nets; ++net) {
    if (!reached[net]) continue;
    if (!isInput[net]) {
      LogFailure(log, net < n.SignalNames.size() ? Reason(ReasonCode::SchNetNotDriven, {ShownName(n.SignalNames[net])})
                                                 : Reason(ReasonCode::SchSubNetNotDriven));
      return std::nullopt;
    }
    ++needed;
  }
  std::vector<SchPort> inputs;
  for (const SchPort& port : n.InputPorts)
    if (!chosen || reached[static_cast<size_t>(port.net)]) inputs.push_back(port);
  if (inputs.size() > static_cast<size_t>(kMaxInputPorts)) {
    LogFailure(log, chosen        ? Reason(ReasonCode::SchChosenTooManyInputs, {needed, kMaxInputPorts})
                    : needed == 1 ? Reason(ReasonCode::SchTooManyInputPortsOneNeeded, {inputs.size(), kMaxInputPorts})
                                  : Reason(ReasonCode::SchTooManyInputPorts, {inputs.size(), needed, kMaxInputPorts}));
    return std::nullopt;
  }
  n.InputPorts = std::move(inputs);
  n.OutputPorts = std::move(*outputs);

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

  // Every net of the cone gets a slot of `chunk` words; the gates run once
  // per chunk of 64 x chunk combinations, in the cone's order.
  const size_t words = (combinations + 63) / 64;
  const size_t chunk = std::min<size_t>(words, 16);
  std::vector<int32_t> slot(flat.nets, -1);
  size_t slots = 1;  // slot 0 takes the outputs that connect nothing
  const auto claim = [&](int32_t net) {
    if (net != kUnconnected && slot[static_cast<size_t>(net)] < 0)
      slot[static_cast<size_t>(net)] = static_cast<int32_t>(slots++);
  };
  for (const SchPort& port : n.InputPorts) claim(port.net);
  for (int32_t g : *order) {
    for (int32_t net : flat.gates[static_cast<size_t>(g)].inputs) claim(net);
    for (int32_t net : flat.gates[static_cast<size_t>(g)].outputs) claim(net);
  }
  std::vector<uint64_t> values(slots * chunk, 0);
  const auto at = [&](int32_t net) {
    return values.data() + chunk * static_cast<size_t>(net == kUnconnected ? 0 : slot[static_cast<size_t>(net)]);
  };
  // The parts and the column pointers of every gate's pins in the order of
  // evaluation, side by side, so each pass reads them front to back.
  std::vector<GateType> parts;
  std::vector<uint64_t> constants;
  std::vector<size_t> pinStart;
  std::vector<uint64_t*> pins;
  parts.reserve(order->size());
  for (int32_t g : *order) {
    parts.push_back(flat.gates[static_cast<size_t>(g)].gate);
    constants.push_back(flat.gates[static_cast<size_t>(g)].constant);
    pinStart.push_back(pins.size());
    for (int32_t net : flat.gates[static_cast<size_t>(g)].inputs) pins.push_back(at(net));
    for (int32_t net : flat.gates[static_cast<size_t>(g)].outputs) pins.push_back(at(net));
  }
  std::vector<std::vector<uint64_t>> columns(n.OutputPorts.size(), std::vector<uint64_t>(words, 0));
  for (size_t first = 0; first < words; first += chunk) {
    const size_t count = std::min(chunk, words - first);
    const size_t shown = std::min(combinations - first * 64, count * 64);
    const bool tracing = log.Tracing();
    if (tracing && chunk < words)
      log.Line("Combinations " + std::to_string(first * 64) + ".." + std::to_string(first * 64 + shown - 1) + ":");
    for (size_t k = 0; k < n.InputPorts.size(); ++k)
      for (size_t w = 0; w < count; ++w) at(n.InputPorts[k].net)[w] = InputWord(k, first + w);
    for (size_t i = 0; i < order->size(); ++i) {
      uint64_t* const* in = pins.data() + pinStart[i];
      ComputeGateWords(parts[i], constants[i], in, in + parts[i].inputNames.size(), count);
      if (!tracing || !log.Tracing()) continue;
      const FlatGate& gate = flat.gates[static_cast<size_t>((*order)[i])];
      uint64_t* const* out = in + gate.inputs.size();
      log.Line("Test(" + gate.path + ")[");
      for (size_t k = 0; k < gate.inputs.size(); ++k) log.Line(ColumnText(in[k], shown));
      log.Line("]");
      log.Line(std::string("{Logic:") + GateOpName(gate.gate.op) + " InvO:" + (gate.gate.invertOutput ? "-1" : "0") +
               " Ins:" + std::to_string(gate.gate.inputs) + " InvIns:" + std::to_string(gate.gate.invertedInputs) +
               "}");
      for (size_t k = 0; k < gate.outputs.size(); ++k)
        if (gate.outputs[k] != kUnconnected)
          log.Line("XLXN[" + std::to_string(gate.outputs[k]) + "]:=" + ColumnText(out[k], shown));
    }
    for (size_t p = 0; p < n.OutputPorts.size(); ++p)
      std::copy_n(at(n.OutputPorts[p].net), count, columns[p].begin() + static_cast<long>(first));
  }
  for (size_t p = 0; p < n.OutputPorts.size(); ++p)
    n.SignalValues[static_cast<size_t>(n.OutputPorts[p].net)] = ColumnText(columns[p].data(), combinations);
  log.Line(kSeparator);

  for (const SchPort& port : n.OutputPorts) LogColumn(n, port.net, log);
  SchSequence result;
  result.inputs = static_cast<int32_t>(n.InputPorts.size());
  result.outputs = static_cast<int32_t>(n.OutputPorts.size());
  for (const SchPort& port : n.InputPorts) result.inputNames.push_back(n.SignalNames[static_cast<size_t>(port.net)]);
  for (const SchPort& port : n.OutputPorts) result.outputNames.push_back(n.SignalNames[static_cast<size_t>(port.net)]);
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
