// Evaluating schematics of 1,000, 10,000 and 65,536 two-input gates over 16
// inputs: the word-parallel evaluation of the expanded network, against
// reading the same file, and against the plain evaluation one combination
// at a time (1,000 and 10,000 gates; 65,536 would take minutes).
#include <benchmark/benchmark.h>

#include <map>
#include <random>
#include <sstream>
#include <string>

#include "schimport/FlatNetwork.h"
#include "schimport/GateEval.h"
#include "schimport/NetlistCheck.h"
#include "schimport/SchReader.h"

namespace tarrow {
namespace {

// prefix + k, appended piece by piece: a literal + temporary string makes
// GCC 12 warn falsely (-Wrestrict) at -O3.
std::string Named(const char* prefix, int k) {
  std::string text(prefix);
  text += std::to_string(k);
  return text;
}

// A random network: each gate reads two of the nets before it, mostly
// recent ones; the last 12 gates drive the output ports.
std::string RandomSchematic(int gates) {
  std::mt19937 rng(static_cast<unsigned>(gates));
  const char* types[] = {"and2", "or2", "xor2", "nand2", "nor2b1"};
  std::string text;
  std::vector<std::string> nets;
  for (int k = 0; k < 16; ++k) nets.push_back(Named("A", k));
  for (int g = 0; g < gates; ++g) nets.push_back(Named("N", g));
  for (const std::string& net : nets) text += "SIGNAL " + net + "\n";
  for (int k = 0; k < 16; ++k) text += Named("PORT Input A", k) + "\n";
  for (int g = gates - 12; g < gates; ++g) text += Named("PORT Output N", g) + "\n";
  for (int g = 0; g < gates; ++g) {
    const size_t known = 16 + static_cast<size_t>(g);
    const auto pick = [&] { return known > 64 && rng() % 4 != 0 ? known - 1 - rng() % 64 : rng() % known; };
    text += Named("BEGIN BLOCK G", g) + " " + types[rng() % 5] + "\nPIN I0 " + nets[pick()] + "\nPIN I1 " +
            nets[pick()] + Named("\nPIN O N", g) + "\nEND BLOCK\n";
  }
  return text;
}

const std::string& Text(int gates) {
  static std::map<int, std::string> texts;
  std::string& text = texts[gates];
  if (text.empty()) text = RandomSchematic(gates);
  return text;
}

SchNetlist Read(const std::string& text) {
  std::istringstream in(text);
  SchNetlist netlist;
  SchNullLog log;
  if (!ReadSchematic(in, "/bench.sch", netlist, log) || !CheckNetlist(netlist, log)) std::abort();
  return netlist;
}

void BM_SchEvaluate(benchmark::State& state) {
  const SchNetlist read = Read(Text(static_cast<int>(state.range(0))));
  for (auto _ : state) {
    SchNetlist netlist = read;
    SchNullLog log;
    benchmark::DoNotOptimize(EvaluateNetlist(netlist, log));
  }
  state.counters["parts"] = static_cast<double>(state.range(0));
}

// Reading and checking the same text: what any use of the file costs.
void BM_SchRead(benchmark::State& state) {
  const std::string& text = Text(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(Read(text));
  state.counters["parts"] = static_cast<double>(state.range(0));
}

// One combination at a time through ComputeGate, in the same order.
void BM_SchEvaluatePlain(benchmark::State& state) {
  const SchNetlist read = Read(Text(static_cast<int>(state.range(0))));
  const FlatNetwork flat = Flatten(read);
  std::vector<int32_t> roots;
  for (const SchPort& p : read.OutputPorts) roots.push_back(p.net);
  std::vector<char> reached;
  SchNullLog log;
  const std::vector<int32_t> order = *ConeOrder(flat, roots, reached, log);
  for (auto _ : state) {
    std::vector<uint8_t> value(flat.nets);
    std::string out;
    uint8_t in[2];
    for (uint32_t c = 0; c < 65536; ++c) {
      for (size_t k = 0; k < read.InputPorts.size(); ++k)
        value[static_cast<size_t>(read.InputPorts[k].net)] = (c >> k) & 1;
      for (int32_t g : order) {
        const FlatGate& gate = flat.gates[static_cast<size_t>(g)];
        in[0] = value[static_cast<size_t>(gate.inputs[0])];
        in[1] = value[static_cast<size_t>(gate.inputs[1])];
        ComputeGate(gate.gate, 0, in, &value[static_cast<size_t>(gate.outputs[0])]);
      }
      out += static_cast<char>(value[static_cast<size_t>(read.OutputPorts[0].net)]);
    }
    benchmark::DoNotOptimize(out.data());
  }
  state.counters["parts"] = static_cast<double>(state.range(0));
}

BENCHMARK(BM_SchEvaluate)->Arg(1000)->Arg(10000)->Arg(65536)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SchRead)->Arg(1000)->Arg(10000)->Arg(65536)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SchEvaluatePlain)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace tarrow
