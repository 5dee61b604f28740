// The expanded gate network: word-parallel evaluation against a plain one,
// blocks that feed each other without a loop, loops named down the
// hierarchy, parts of wide schematics, buses of any width, and costs bounded
// by the file.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>

#include "SchTestUtil.h"
#include "schimport/GateType.h"
#include "schimport/SchImport.h"
#include "schimport/SchLogFile.h"

namespace tarrow {
namespace {

using testing::Evaluate;
using testing::Gate;
using testing::Schematic;
using testing::TempDir;
using testing::Text;

// A refusal in the library's English words; empty for none.
std::string Why(const std::optional<Reason>& refusal) { return refusal ? lodex::EnglishText(*refusal) : ""; }

// prefix + k, appended piece by piece: a literal + temporary string makes
// GCC 12 warn falsely (-Wrestrict) at -O3.
std::string Named(const char* prefix, int k) {
  std::string text(prefix);
  text += std::to_string(k);
  return text;
}

// A random network over `n` inputs, built gate after gate from the nets
// before it, written last gate first; `expected` gets its sequence computed
// one combination at a time.
std::string RandomNetwork(std::mt19937& rng, int n, int gates, std::string& expected) {
  struct Kind {
    const char* type;
    std::vector<const char*> pins;
  };
  const std::vector<Kind> kinds = {{"and2", {"I0", "I1"}},
                                   {"nor3", {"I0", "I1", "I2"}},
                                   {"xor2", {"I0", "I1"}},
                                   {"and3b1", {"I0", "I1", "I2"}},
                                   {"inv", {"I"}},
                                   {"m2_1", {"D0", "D1", "S0"}},
                                   {"xnor4", {"I0", "I1", "I2", "I3"}}};
  std::vector<std::string> nets, inputs;
  for (int k = 0; k < n; ++k) inputs.push_back(Named("A", k));
  nets = inputs;
  std::vector<Gate> list;
  std::vector<std::pair<GateType, std::vector<size_t>>> plain;
  for (int g = 0; g < gates; ++g) {
    const Kind& kind = kinds[rng() % kinds.size()];
    Gate gate{Named("G", g), kind.type, {}};
    std::vector<size_t> reads;
    for (const char* pin : kind.pins) {
      // Mostly recent nets, so the network is deep as well as wide.
      const size_t from = nets.size() > 12 && rng() % 4 != 0 ? nets.size() - 1 - rng() % 12 : rng() % nets.size();
      gate.pins.emplace_back(pin, nets[from]);
      reads.push_back(from);
    }
    nets.push_back(Named("N", g));
    gate.pins.emplace_back("O", nets.back());
    list.insert(list.begin(), gate);
    plain.emplace_back(*ParseGateType(kind.type), reads);
  }
  const std::vector<std::string> outputs = {nets[nets.size() - 1], nets[nets.size() - 2], nets[nets.size() - 3]};
  for (const std::string& o : outputs)
    nets.push_back("F" + o), list.push_back({"B" + o, "buf", {{"I", o}, {"O", "F" + o}}});
  expected.clear();
  std::vector<uint8_t> value(static_cast<size_t>(n + gates));
  for (uint32_t c = 0; c < (1u << n); ++c) {
    for (int k = 0; k < n; ++k) value[static_cast<size_t>(k)] = (c >> k) & 1;
    for (size_t g = 0; g < plain.size(); ++g) {
      std::vector<uint8_t> in;
      for (size_t from : plain[g].second) in.push_back(value[from]);
      ComputeGate(plain[g].first, 0, in.data(), &value[static_cast<size_t>(n) + g]);
    }
    // The ports sort by their numbers: the third-last gate is the highest bit.
    const size_t last = value.size() - 1;
    expected += "01234567"[(value[last - 2] << 2) | (value[last - 1] << 1) | value[last]];
  }
  std::vector<std::string> ports;
  for (const std::string& o : outputs) ports.push_back("F" + o);
  return Schematic(nets, inputs, ports, list);
}

TEST(GateNetwork, WordParallelEvaluationMatchesThePlainOne) {
  std::mt19937 rng(22);
  // 4 inputs: part of one word; 8: several words; 11: two chunks of 1024.
  for (int n : {4, 8, 11}) {
    std::string expected;
    const std::string text = RandomNetwork(rng, n, 150, expected);
    const testing::Run run = Evaluate(text);
    ASSERT_TRUE(run.result) << testing::LastLine(run);
    EXPECT_EQ(run.result->text, expected) << n << " inputs";
  }
}

// Gates listed output-first are each evaluated once: the trace grows with
// the gates, not with their square.
TEST(GateNetwork, TheTraceIsLinearInTheGates) {
  std::vector<std::string> nets = {"A0", "A1"};
  std::vector<Gate> gates;
  for (int g = 0; g < 200; ++g) {
    nets.push_back(Named("N", g));
    gates.insert(
        gates.begin(),
        Gate{Named("G", g), "xor2", {{"I0", g == 0 ? "A0" : nets[nets.size() - 2]}, {"I1", "A1"}, {"O", nets.back()}}});
  }
  const testing::Run run = Evaluate(Schematic(nets, {"A0", "A1"}, {nets.back()}, gates));
  ASSERT_TRUE(run.result);
  EXPECT_EQ(run.result->text, "0101");  // A0 xor (200 x A1) = A0
  EXPECT_EQ(
      std::count_if(run.log.begin(), run.log.end(), [](const std::string& l) { return l.rfind("Test(", 0) == 0; }),
      200);
  // Reading takes a few lines a gate, the evaluation six: scans would take thousands.
  EXPECT_LT(run.log.size(), 200u * 16);
}

TEST(GateNetwork, TheTraceFileStopsAtItsCap) {
  TempDir dir;
  {
    std::unique_ptr<SchFileLog> log = SchFileLog::Create("generating.log");
    ASSERT_TRUE(log);
    const std::string line(1000, 'x');
    for (int i = 0; i < 20000 && log->Tracing(); ++i) log->Line(line);
    EXPECT_FALSE(log->Tracing());
    log->Refuse(Reason(ReasonCode::SchNetTables));
  }
  const std::string trace = testing::ReadFile("generating.log");
  EXPECT_LE(trace.size(), kMaxTraceBytes + 200);
  EXPECT_GE(trace.size(), kMaxTraceBytes - 2000);
  EXPECT_NE(
      trace.find(
          "\n... the trace is longer than 16 MiB: the rest is left out\nError: the net tables differ in length\n"),
      std::string::npos);
}

// A carry-lookahead adder of two bits: the lookahead block reads p and g
// from the bit blocks and gives the upper bit block its carry. The blocks
// feed each other; the gates do not.
void WriteLookaheadAdder(const TempDir& dir) {
  dir.Write("bit.sch",
            "SIGNAL A\nSIGNAL B\nSIGNAL C\nSIGNAL P\nSIGNAL G\nSIGNAL S\nPORT Input A\nPORT Input B\nPORT Input C\n"
            "PORT Output P\nPORT Output G\nPORT Output S\n"
            "BEGIN BLOCK XLXI_1 xor2\nPIN I0 A\nPIN I1 B\nPIN O P\nEND BLOCK\n"
            "BEGIN BLOCK XLXI_2 and2\nPIN I0 A\nPIN I1 B\nPIN O G\nEND BLOCK\n"
            "BEGIN BLOCK XLXI_3 xor2\nPIN I0 P\nPIN I1 C\nPIN O S\nEND BLOCK\n");
  // C1 = G0 | P0 & CI; CO = G1 | P1 & C1.
  dir.Write("cla.sch",
            "SIGNAL P0\nSIGNAL G0\nSIGNAL P1\nSIGNAL G1\nSIGNAL CI\nSIGNAL C1\nSIGNAL CO\nSIGNAL T0\nSIGNAL T1\n"
            "PORT Input P0\nPORT Input G0\nPORT Input P1\nPORT Input G1\nPORT Input CI\nPORT Output C1\n"
            "PORT Output CO\n"
            "BEGIN BLOCK XLXI_1 and2\nPIN I0 P0\nPIN I1 CI\nPIN O T0\nEND BLOCK\n"
            "BEGIN BLOCK XLXI_2 or2\nPIN I0 G0\nPIN I1 T0\nPIN O C1\nEND BLOCK\n"
            "BEGIN BLOCK XLXI_3 and2\nPIN I0 P1\nPIN I1 C1\nPIN O T1\nEND BLOCK\n"
            "BEGIN BLOCK XLXI_4 or2\nPIN I0 G1\nPIN I1 T1\nPIN O CO\nEND BLOCK\n");
}

TEST(GateNetwork, BlocksThatFeedEachOtherWithoutALoopEvaluate) {
  TempDir dir;
  WriteLookaheadAdder(dir);
  const std::string top = dir.Write(
      "top.sch",
      "SIGNAL A0\nSIGNAL A1\nSIGNAL B0\nSIGNAL B1\nSIGNAL CI\nSIGNAL S0\nSIGNAL S1\nSIGNAL S2\nSIGNAL P0\nSIGNAL G0\n"
      "SIGNAL P1\nSIGNAL G1\nSIGNAL C1\n"
      "PORT Input A0\nPORT Input A1\nPORT Input B0\nPORT Input B1\nPORT Input CI\n"
      "PORT Output S0\nPORT Output S1\nPORT Output S2\n"
      "BEGIN BLOCK XLXI_1 bit\nPIN A A0\nPIN B B0\nPIN C CI\nPIN P P0\nPIN G G0\nPIN S S0\nEND BLOCK\n"
      "BEGIN BLOCK XLXI_2 bit\nPIN A A1\nPIN B B1\nPIN C C1\nPIN P P1\nPIN G G1\nPIN S S1\nEND BLOCK\n"
      "BEGIN BLOCK XLXI_3 cla\nPIN P0 P0\nPIN G0 G0\nPIN P1 P1\nPIN G1 G1\nPIN CI CI\nPIN C1 C1\nPIN CO S2\n"
      "END BLOCK\n");
  std::optional<Reason> refusal;
  const std::optional<SchSequence> sum = CalcLogicLine(top, &refusal);
  ASSERT_TRUE(sum) << Why(refusal);
  // Inputs A0 A1 B0 B1 CI by bits 0..4; outputs S0 S1 S2, S0 the highest of three bits.
  std::string expected;
  for (unsigned c = 0; c < 32; ++c) {
    const unsigned s = (c & 3) + ((c >> 2) & 3) + ((c >> 4) & 1);
    expected += "01234567"[((s & 1) << 2) | (s & 2) | (s >> 2)];
  }
  EXPECT_EQ(sum->text, expected);
}

TEST(GateNetwork, ALoopBetweenGatesIsNamedDownTheHierarchy) {
  TempDir dir;
  dir.Write("latch.sch",
            "SIGNAL S\nSIGNAL R\nSIGNAL Q\nSIGNAL QN\nPORT Input S\nPORT Input R\nPORT Output Q\n"
            "BEGIN BLOCK XLXI_1 nor2\nPIN I0 R\nPIN I1 QN\nPIN O Q\nEND BLOCK\n"
            "BEGIN BLOCK XLXI_2 nor2\nPIN I0 S\nPIN I1 Q\nPIN O QN\nEND BLOCK\n");
  const std::string top = dir.Write("top.sch",
                                    "SIGNAL A\nSIGNAL B\nSIGNAL F\nPORT Input A\nPORT Input B\nPORT Output F\n"
                                    "BEGIN BLOCK U7 latch\nPIN S A\nPIN R B\nPIN Q F\nEND BLOCK\n");
  std::optional<Reason> refusal;
  EXPECT_FALSE(CalcLogicLine(top, &refusal));
  EXPECT_EQ(Why(refusal), "the gates U7/XLXI_2, U7/XLXI_1 form a cycle");
}

// 20 inputs; F0 needs A3 and A17, F1 the parity of all.
std::string WideSchematic() {
  std::vector<std::string> nets, inputs;
  for (int k = 0; k < 20; ++k) inputs.push_back(Named("A", k));
  nets = inputs;
  std::vector<Gate> gates = {{"G0", "and2", {{"I0", "A17"}, {"I1", "A3"}, {"O", "F0"}}}};
  std::string last = "A0";
  for (int k = 1; k < 20; ++k) {
    const std::string next = Named("X", k);
    nets.push_back(next);
    gates.push_back({Named("P", k), "xor2", {{"I0", last}, {"I1", inputs[static_cast<size_t>(k)]}, {"O", next}}});
    last = next;
  }
  nets.push_back("F0");
  nets.push_back("F1");
  gates.push_back({"B", "buf", {{"I", last}, {"O", "F1"}}});
  return Schematic(nets, inputs, {"F0", "F1"}, gates);
}

TEST(GateNetwork, ChosenOutputsBringOnlyTheInputsTheyNeed) {
  TempDir dir;
  const std::string path = dir.Write("wide.sch", WideSchematic());
  std::optional<Reason> refusal;
  EXPECT_FALSE(CalcLogicLine(path, &refusal));
  EXPECT_EQ(Why(refusal),
            "the schematic has 20 input ports and its outputs need 20 inputs; at most 16 are supported (choose "
            "outputs to import a part)");
  const SchSelection f0{{"F0"}};
  const std::optional<SchSequence> part = CalcLogicLine(path, &refusal, &f0);
  ASSERT_TRUE(part) << Why(refusal);
  EXPECT_EQ(part->text, "0001");
  EXPECT_THAT(part->inputNames, ::testing::ElementsAre("A3", "A17"));
  const SchSelection both{{"F1", "F0"}};
  EXPECT_FALSE(CalcLogicLine(path, &refusal, &both));
  EXPECT_EQ(Why(refusal), "the chosen outputs need 20 inputs; at most 16 are supported");
  const SchSelection none{{"F9"}};
  EXPECT_FALSE(CalcLogicLine(path, &refusal, &none));
  EXPECT_EQ(Why(refusal), "the schematic has no output port F9");

  const auto cones = ListOutputs(path, &refusal);
  ASSERT_TRUE(cones) << Why(refusal);
  ASSERT_EQ(cones->size(), 2u);
  EXPECT_EQ((*cones)[0].name, "F0");
  EXPECT_EQ((*cones)[0].inputs, 2);
  EXPECT_EQ((*cones)[1].inputs, 20);
}

TEST(GateNetwork, WideBusesCommaBusesAndStoringPartsFirst) {
  // A 72-bit bus port; the output reads its two ends.
  const testing::Run wide = Evaluate(
      "SIGNAL d(71:0)\nSIGNAL F\nPORT Input d(71:0)\nPORT Output F\n"
      "BEGIN BLOCK G1 and2\nPIN I0 d(0)\nPIN I1 d(71)\nPIN O F\nEND BLOCK\n");
  EXPECT_EQ(testing::LastLine(wide),
            "Error: the schematic has 72 input ports and its outputs need 2 inputs; at most 16 are supported (choose "
            "outputs to import a part)");
  SchNetlist netlist;
  SchMemoryLog log;
  std::istringstream in(
      "SIGNAL d(71:0)\nSIGNAL F\nPORT Input d(71:0)\nPORT Output F\n"
      "BEGIN BLOCK G1 and2\nPIN I0 d(0)\nPIN I1 d(71)\nPIN O F\nEND BLOCK\n");
  ASSERT_TRUE(ReadSchematic(in, "/x/wide.sch", netlist, log) && CheckNetlist(netlist, log));
  const SchSelection f{{"F"}};
  EXPECT_EQ(Text(EvaluateNetlist(netlist, log, &f)), "0001");

  // Nets joined by commas are a bus: I3..I0 on D, C, B, A.
  const testing::Run comma =
      Evaluate(Schematic({"A", "B", "C", "D", "W", "X", "Y", "Z"}, {"A", "B", "C", "D"}, {"W", "Z"},
                         {{"G1", "buf4", {{"I(3:0)", "D,C,B,A"}, {"O(3:0)", "W,X,Y,Z"}}}}));
  ASSERT_TRUE(comma.result) << testing::LastLine(comma);
  // W = D (bit 3), Z = A (bit 0); W is the higher of the two bits.
  EXPECT_EQ(comma.result->text, "0101010123232323");

  // A storing part is named even when an earlier line is refused.
  const testing::Run ff = Evaluate(
      "SIGNAL D\nSIGNAL Q\nPORT Input X\nPORT Output Q\n"
      "BEGIN BLOCK XLXI_7 fdc\nPIN D D\nPIN Q Q\nEND BLOCK\n");
  EXPECT_EQ(testing::LastLine(ff),
            "Error: a block is a flip-flop (fdc, XLXI_7): only combinational schematics can be imported");
}

TEST(GateNetwork, EveryUseOfASubSchematicCountsTowardTheCap) {
  TempDir dir;
  dir.Write("wire.sch", "SIGNAL A\nPORT Input A\nPORT Output A\n");
  std::string top = "SIGNAL A\nSIGNAL F\nPORT Input A\nPORT Output F\n";
  for (int i = 0; i < 70000; ++i) top += Named("BEGIN BLOCK U", i) + " wire\nPIN A A\nEND BLOCK\n";
  top += "BEGIN BLOCK G inv\nPIN I A\nPIN O F\nEND BLOCK\n";
  std::optional<Reason> refusal;
  EXPECT_FALSE(CalcLogicLine(dir.Write("many.sch", top), &refusal));
  EXPECT_EQ(Why(refusal), "the schematic expands to more than 65536 library parts");
}

}  // namespace
}  // namespace tarrow
