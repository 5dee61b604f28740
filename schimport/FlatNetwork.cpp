#include "schimport/FlatNetwork.h"

#include <utility>

namespace tarrow {
namespace {

// Adds the gates of `n`, whose net j is the flat net map[j], to `flat`.
void Expand(const SchNetlist& n, const std::vector<int32_t>& map, const std::string& prefix, FlatNetwork& flat) {
  const auto mapped = [&](int32_t net) { return net == kUnconnected ? kUnconnected : map[static_cast<size_t>(net)]; };
  for (const SchBlock& b : n.Blocks) {
    if (b.Sub < 0) {
      FlatGate g;
      g.gate = ParseGateType(b.Type).value_or(GateType{});
      g.constant = ParseConstantValue(b.Value).value_or(0);
      for (int32_t net : b.Inputs) g.inputs.push_back(mapped(net));
      for (int32_t net : b.Outputs) g.outputs.push_back(mapped(net));
      g.path = prefix + b.Name;
      flat.gates.push_back(std::move(g));
      continue;
    }
    const SchNetlist& sub = n.Subs[static_cast<size_t>(b.Sub)]->Netlist;
    std::vector<int32_t> inner(sub.SignalNames.size(), -1);
    for (size_t k = 0; k < sub.InputPorts.size(); ++k)
      inner[static_cast<size_t>(sub.InputPorts[k].net)] = mapped(b.Inputs[k]);
    for (int32_t& net : inner)
      if (net < 0) net = static_cast<int32_t>(flat.nets++);
    const std::string path = prefix + b.Name + "/";
    Expand(sub, inner, path, flat);
    static const GateType kBuffer = ParseGateType("buf").value_or(GateType{});
    for (size_t k = 0; k < sub.OutputPorts.size(); ++k) {
      if (b.Outputs[k] == kUnconnected) continue;
      FlatGate g;
      g.gate = kBuffer;
      g.inputs = {inner[static_cast<size_t>(sub.OutputPorts[k].net)]};
      g.outputs = {mapped(b.Outputs[k])};
      g.path = path + sub.SignalNames[static_cast<size_t>(sub.OutputPorts[k].net)];
      g.port = true;
      flat.gates.push_back(std::move(g));
    }
  }
}

}  // namespace

FlatNetwork Flatten(const SchNetlist& netlist) {
  FlatNetwork flat;
  flat.nets = netlist.SignalNames.size();
  std::vector<int32_t> identity(flat.nets);
  for (size_t i = 0; i < identity.size(); ++i) identity[i] = static_cast<int32_t>(i);
  Expand(netlist, identity, "", flat);
  flat.driver.assign(flat.nets, -1);
  for (size_t i = 0; i < flat.gates.size(); ++i)
    for (int32_t net : flat.gates[i].outputs)
      if (net != kUnconnected) flat.driver[static_cast<size_t>(net)] = static_cast<int32_t>(i);
  return flat;
}

std::optional<std::vector<int32_t>> ConeOrder(const FlatNetwork& flat, const std::vector<int32_t>& roots,
                                              std::vector<char>& reached, SchLog& log) {
  reached.assign(flat.nets, 0);
  std::vector<int32_t> order;
  std::vector<char> state(flat.gates.size(), 0);  // 0 not seen, 1 on the path, 2 done
  std::vector<std::pair<size_t, size_t>> path;    // gate, next input
  // Enters the gate driving `net`; false when it is on the path (a loop).
  const auto enter = [&](int32_t net) {
    const int32_t d = flat.driver[static_cast<size_t>(net)];
    if (d < 0) {
      reached[static_cast<size_t>(net)] = 1;
      return true;
    }
    if (state[static_cast<size_t>(d)] == 2) return true;
    if (state[static_cast<size_t>(d)] == 1) return false;
    state[static_cast<size_t>(d)] = 1;
    path.emplace_back(static_cast<size_t>(d), 0);
    return true;
  };
  for (int32_t root : roots) {
    enter(root);
    while (!path.empty()) {
      auto& [gate, next] = path.back();
      const FlatGate& g = flat.gates[gate];
      if (next == g.inputs.size()) {
        state[gate] = 2;
        order.push_back(static_cast<int32_t>(gate));
        path.pop_back();
        continue;
      }
      const int32_t net = g.inputs[next++];
      if (enter(net)) continue;
      // The gates from the one met again up to the last entered, newest
      // first; the port buffers only when the loop has nothing else.
      const size_t again = static_cast<size_t>(flat.driver[static_cast<size_t>(net)]);
      std::string names;
      for (bool ports : {false, true}) {
        size_t shown = 0;
        for (size_t i = path.size(); i-- > 0;) {
          const FlatGate& on = flat.gates[path[i].first];
          if (on.port == ports || ports) {
            if (shown == 8) {
              names += ", ...";
              break;
            }
            names += (shown++ ? ", " : "") + ShownName(on.path);
          }
          if (path[i].first == again) break;
        }
        if (!names.empty()) break;
      }
      LogFailure(log, Reason(ReasonCode::SchGateCycle, {names}));
      return std::nullopt;
    }
  }
  return order;
}

}  // namespace tarrow
