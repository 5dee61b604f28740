#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "SchTestUtil.h"
#include "schimport/GateEval.h"
#include "schimport/GateType.h"

namespace tarrow {
namespace {

using ::testing::ElementsAre;
using testing::Evaluate;
using testing::Gate;
using ::testing::HasSubstr;
using testing::LastLine;
using testing::LogFrom;
using testing::Schematic;
using testing::Text;

TEST(TrailingNumber, DigitsAtTheEndOrMinusOne) {
  EXPECT_EQ(TrailingNumber("XLXN_12"), 12);
  EXPECT_EQ(TrailingNumber("A0"), 0);
  EXPECT_EQ(TrailingNumber("7"), 7);
  EXPECT_EQ(TrailingNumber("A1B"), -1);
  EXPECT_EQ(TrailingNumber("A(3)"), -1);
  EXPECT_EQ(TrailingNumber(""), -1);
  EXPECT_EQ(TrailingNumber("X99999999999"), 2147483647);
}

TEST(InputPattern, CharacterJIsBitKOfJ) {
  EXPECT_EQ(InputPattern(0, 4), "0101");
  EXPECT_EQ(InputPattern(1, 4), "0011");
  EXPECT_EQ(InputPattern(2, 8), "00001111");
  EXPECT_EQ(InputPattern(0, 2), "01");
}

TEST(NibbleToHex, BinaryTextToOneDigit) {
  EXPECT_EQ(NibbleToHex("0000"), '0');
  EXPECT_EQ(NibbleToHex("1001"), '9');
  EXPECT_EQ(NibbleToHex("1010"), 'A');
  EXPECT_EQ(NibbleToHex("1111"), 'F');
  EXPECT_EQ(NibbleToHex("01x1"), '?');
}

TEST(ParseGateType, TheAndOrFamilyAndThePrimitives) {
  const auto g = ParseGateType("nand3b2");
  ASSERT_TRUE(g);
  EXPECT_EQ(g->op, GateOp::And);
  EXPECT_TRUE(g->invertOutput);
  EXPECT_EQ(g->inputs, 3);
  EXPECT_EQ(g->invertedInputs, 2);
  EXPECT_EQ(ParseGateType("nor2")->op, GateOp::Or);
  EXPECT_EQ(ParseGateType("xnor3")->op, GateOp::Xor);
  EXPECT_TRUE(ParseGateType("xnor3")->invertOutput);
  EXPECT_THAT(ParseGateType("vcc")->outputNames, ElementsAre("P"));
  EXPECT_THAT(ParseGateType("AND2")->inputNames, ElementsAre("I0", "I1"));
  for (const char* bad : {"and", "and0", "or2b3", "xor1", "m3_1", "fd", "nand2x", "andor2", "UNDEF", "and999"})
    EXPECT_FALSE(ParseGateType(bad)) << bad;
}

Gate G(std::string name, std::string type, std::vector<std::pair<std::string, std::string>> pins) {
  return Gate{std::move(name), std::move(type), std::move(pins)};
}

std::string TwoInput(const std::string& type) {
  return Schematic({"A0", "A1", "F0"}, {"A0", "A1"}, {"F0"},
                   {G("G1", type, {{"I0", "A0"}, {"I1", "A1"}, {"O", "F0"}})});
}

TEST(EvaluateNetlist, OneTwoInputGate) {
  const testing::Run run = Evaluate(TwoInput("and2"));
  ASSERT_TRUE(run.result);
  EXPECT_EQ(run.result->text, "0001");
  EXPECT_EQ(run.result->inputs, 2);
  EXPECT_EQ(run.result->outputs, 1);
  EXPECT_EQ(run.netlist.SignalValues[0], "0101");
  EXPECT_EQ(run.netlist.SignalValues[1], "0011");
  EXPECT_EQ(Text(Evaluate(TwoInput("nand2")).result), "1110");
  EXPECT_EQ(Text(Evaluate(TwoInput("and2b1")).result), "0010");
  EXPECT_EQ(Text(Evaluate(TwoInput("and2b2")).result), "1000");
  EXPECT_EQ(Text(Evaluate(TwoInput("or2")).result), "0111");
  EXPECT_EQ(Text(Evaluate(TwoInput("nor2b1")).result), "0100");
  EXPECT_EQ(Text(Evaluate(TwoInput("xor2")).result), "0110");
  EXPECT_EQ(Text(Evaluate(TwoInput("xnor2")).result), "1001");
}

TEST(EvaluateNetlist, LogsEvaluationInTheOrderOfTheSteps) {
  const testing::Run run = Evaluate(TwoInput("and2b1"));
  EXPECT_THAT(
      LogFrom(run, "InitSCH(2x4)", 100),
      ElementsAre("InitSCH(2x4)", "SortByWeights:", "0:0", "1:1", "SORTED:", "0:0", "1:1", "ENDSORT",
                  "XLXN[0]==============================", "0101", "XLXN[1]==============================", "0011",
                  "=====================================", "Test(G1)[", "0101", "0011", "]",
                  "{Logic:and InvO:0 Ins:2 InvIns:1}", "XLXN[2]:=0010", "=====================================",
                  "XLXN[2]==============================", "0010", "=====================================", "0010"));
}

TEST(EvaluateNetlist, InputPortsOrderedByTrailingNumber) {
  // Written X2, X0, X1; X0 becomes bit 0 of the combination. F0 = X2 and not X1.
  const std::string text = Schematic({"X2", "X0", "X1", "F0"}, {"X2", "X0", "X1"}, {"F0"},
                                     {G("G1", "and2b1", {{"I0", "X1"}, {"I1", "X2"}, {"O", "F0"}})});
  const testing::Run run = Evaluate(text);
  EXPECT_EQ(Text(run.result), "00001100");
  EXPECT_THAT(LogFrom(run, "SortByWeights:", 9),
              ElementsAre("SortByWeights:", "2:0", "0:1", "1:2", "SORTED:", "0:1", "1:2", "2:0", "ENDSORT"));
}

TEST(EvaluateNetlist, ABusBitPortIsOrderedByItsIndex) {
  // A(1) and A(0) are ports of their own; F7 = A(1) and not A(0).
  const std::string text = Schematic({"A(1)", "A(0)", "F7"}, {"A(1)", "A(0)"}, {"F7"},
                                     {G("G1", "and2b1", {{"I0", "A(0)"}, {"I1", "A(1)"}, {"O", "F7"}})});
  const testing::Run run = Evaluate(text);
  EXPECT_EQ(Text(run.result), "0010");
  EXPECT_THAT(LogFrom(run, "SORTED:", 3), ElementsAre("SORTED:", "0:1", "1:0"));
}

TEST(EvaluateNetlist, APortWithoutNumberKeepsFileOrderForBoth) {
  // The output names carry numbers in reverse, but CI has none.
  const std::string text =
      Schematic({"A1", "CI", "Y1", "Y0"}, {"A1", "CI"}, {"Y1", "Y0"},
                {G("G1", "buf", {{"I", "A1"}, {"O", "Y1"}}), G("G2", "buf", {{"I", "CI"}, {"O", "Y0"}})});
  const testing::Run run = Evaluate(text);
  EXPECT_EQ(Text(run.result), "0213");  // Y1 (= A1, input 0) is the leftmost bit
  EXPECT_THAT(LogFrom(run, "SortByWeights:", 6),
              ElementsAre("SortByWeights:", "1:0", "-1:1", "SORTED:", "1:0", "-1:1"));
}

TEST(EvaluateNetlist, TwoOutputsFirstSortedPortIsTheHigherBit) {
  const std::string text =
      Schematic({"A0", "A1", "Y1", "Y0"}, {"A0", "A1"}, {"Y1", "Y0"},
                {G("G1", "buf", {{"I", "A1"}, {"O", "Y1"}}), G("G2", "buf", {{"I", "A0"}, {"O", "Y0"}})});
  // Y0 = "0101", Y1 = "0011": the digits are 00 Y0 Y1.
  EXPECT_EQ(Text(Evaluate(text).result), "0213");
}

TEST(EvaluateNetlist, EqualWeightsKeepTheExchangeSortOrder) {
  // Weights 1, 0, 1, 0 (A1, B0, B1, A0) become B0, A0, A1, B1... as the exchange leaves them.
  const std::string text =
      Schematic({"A1", "B0", "B1", "A0", "F0", "F1", "F2", "F3"}, {"A1", "B0", "B1", "A0"}, {"F0", "F1", "F2", "F3"},
                {G("G0", "buf", {{"I", "A1"}, {"O", "F0"}}), G("G1", "buf", {{"I", "B0"}, {"O", "F1"}}),
                 G("G2", "buf", {{"I", "B1"}, {"O", "F2"}}), G("G3", "buf", {{"I", "A0"}, {"O", "F3"}})});
  const testing::Run run = Evaluate(text);
  ASSERT_TRUE(run.result);
  // i=0: 1>0 swaps A1,B0 -> B0 A1 B1 A0; 0>0 no. i=1: 1>0 swaps A1,A0 -> B0 A0 B1 A1. i=2: 1>1 no.
  std::vector<std::string> order;
  for (const SchPort& p : run.netlist.InputPorts) order.push_back(run.netlist.SignalNames[static_cast<size_t>(p.net)]);
  EXPECT_THAT(order, ElementsAre("B0", "A0", "B1", "A1"));
}

TEST(EvaluateNetlist, AGateFedByALaterGateIsEvaluatedAfterIt) {
  const std::vector<std::string> nets = {"A0", "A1", "A2", "N1", "F0"};
  const Gate first = G("G1", "or2", {{"I0", "N1"}, {"I1", "A2"}, {"O", "F0"}});
  const Gate second = G("G2", "and2", {{"I0", "A0"}, {"I1", "A1"}, {"O", "N1"}});
  const testing::Run forward = Evaluate(Schematic(nets, {"A0", "A1", "A2"}, {"F0"}, {second, first}));
  const testing::Run backward = Evaluate(Schematic(nets, {"A0", "A1", "A2"}, {"F0"}, {first, second}));
  EXPECT_EQ(Text(forward.result), "00011111");
  EXPECT_EQ(Text(backward.result), "00011111");
  // G2 computes N1 first; each gate is traced once, with known inputs.
  EXPECT_THAT(LogFrom(backward, "Test(G2)[", 7),
              ElementsAre("Test(G2)[", "01010101", "00110011", "]", "{Logic:and InvO:0 Ins:2 InvIns:0}",
                          "XLXN[3]:=00010001", "Test(G1)["));
}

TEST(EvaluateNetlist, MoreThanFourOutputsGiveSeveralDigitsPerWord) {
  // Five outputs: F0..F3 = A0 and F4 = not A0; word = F0 F1 F2 F3 F4 left-padded to 8 bits.
  std::vector<Gate> gates;
  std::vector<std::string> nets = {"A0"}, outs;
  for (int i = 0; i < 5; ++i) {
    const std::string f = "F" + std::to_string(i);
    nets.push_back(f);
    outs.push_back(f);
    gates.push_back(G("G" + std::to_string(i), i == 4 ? "inv" : "buf", {{"I", "A0"}, {"O", f}}));
  }
  const testing::Run run = Evaluate(Schematic(nets, {"A0"}, outs, gates));
  ASSERT_TRUE(run.result);
  EXPECT_EQ(run.result->text, "011E");  // 0b00000001, 0b00011110
  EXPECT_EQ(run.result->outputs, 5);
}

TEST(EvaluateNetlist, ConstantsAndParityGates) {
  const std::string text =
      Schematic({"A0", "A1", "A2", "Z", "K", "F0", "F1", "F2"}, {"A0", "A1", "A2"}, {"F0", "F1", "F2"},
                {G("U1", "gnd", {{"G", "Z"}}), G("U2", "vcc", {{"P", "K"}}),
                 G("U3", "xor3", {{"I0", "A0"}, {"I1", "A1"}, {"I2", "A2"}, {"O", "F0"}}),
                 G("U4", "or2", {{"I0", "Z"}, {"I1", "A2"}, {"O", "F1"}}),
                 G("U5", "and2", {{"I0", "K"}, {"I1", "A1"}, {"O", "F2"}})});
  // Per combination: F0 parity (bit 2), F1 = A2 (bit 1), F2 = A1 (bit 0).
  std::string expected;
  for (int j = 0; j < 8; ++j) {
    const int a0 = j & 1, a1 = (j >> 1) & 1, a2 = (j >> 2) & 1;
    expected += "0123456789ABCDEF"[((a0 ^ a1 ^ a2) << 2) | (a2 << 1) | a1];
  }
  EXPECT_EQ(Text(Evaluate(text).result), expected);
}

struct EvalFailure {
  std::string name;
  std::string text;
  std::string reason;
};

class EvaluationRefuses : public ::testing::TestWithParam<EvalFailure> {};

TEST_P(EvaluationRefuses, WithTheEmptyResultAndTheReasonLogged) {
  const testing::Run run = Evaluate(GetParam().text);
  EXPECT_FALSE(run.result);
  EXPECT_EQ(LastLine(run), "Error: " + GetParam().reason);
}

std::string SixteenPlusOne() {
  std::vector<std::string> nets, ins;
  for (int i = 0; i < 17; ++i) nets.push_back("A" + std::to_string(i)), ins.push_back(nets.back());
  nets.push_back("F0");
  return Schematic(nets, ins, {"F0"}, {G("G1", "buf", {{"I", "A0"}, {"O", "F0"}})});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EvaluationRefuses,
    ::testing::Values(
        EvalFailure{"Gap", Schematic({"A0", "F0"}, {"A0"}, {"F0"}, {G("G1", "and2", {{"I1", "A0"}, {"O", "F0"}})}),
                    "the input pin I0 of G1 (and2) is not connected"},
        EvalFailure{"TrailingInputOpen",
                    Schematic({"A0", "A1", "F0"}, {"A0", "A1"}, {"F0"},
                              {G("G1", "and3", {{"I0", "A0"}, {"I1", "A1"}, {"I2", ""}, {"O", "F0"}})}),
                    "the input pin I2 of G1 (and3) is not connected"},
        EvalFailure{
            "UndrivenGateInput",
            Schematic({"A0", "N", "F0"}, {"A0"}, {"F0"}, {G("G1", "and2", {{"I0", "A0"}, {"I1", "N"}, {"O", "F0"}})}),
            "the net 1 (N) is not driven, but the block G1 reads it"},
        EvalFailure{"XorInputMissing",
                    Schematic({"A0", "F0"}, {"A0"}, {"F0"}, {G("G1", "xor2", {{"I0", "A0"}, {"O", "F0"}})}),
                    "the input pin I1 of G1 (xor2) is not connected"},
        EvalFailure{"Undriven",
                    Schematic({"A0", "F0", "F1"}, {"A0"}, {"F0", "F1"}, {G("G1", "buf", {{"I", "A0"}, {"O", "F0"}})}),
                    "the output port F1 is not driven"},
        EvalFailure{"Cycle",
                    Schematic({"A0", "N1", "F0"}, {"A0"}, {"F0"},
                              {G("G1", "and2", {{"I0", "A0"}, {"I1", "F0"}, {"O", "N1"}}),
                               G("G2", "inv", {{"I", "N1"}, {"O", "F0"}})}),
                    "the gates G1, G2 form a cycle"},
        EvalFailure{"TwoDrivers",
                    Schematic({"A0", "F0"}, {"A0"}, {"F0"},
                              {G("G1", "buf", {{"I", "A0"}, {"O", "F0"}}), G("G2", "inv", {{"I", "A0"}, {"O", "F0"}})}),
                    "the net 1 (F0) is driven by both G1 and G2"},
        EvalFailure{"DrivesAnInput",
                    Schematic({"A0", "A1", "F0"}, {"A0", "A1"}, {"F0"},
                              {G("G1", "inv", {{"I", "A0"}, {"O", "A1"}}), G("G2", "buf", {{"I", "A1"}, {"O", "F0"}})}),
                    "the gate G1 drives the net 1 (A1) of an input port"},
        EvalFailure{"NoOutputPort", Schematic({"A0"}, {"A0"}, {}, {}), "the schematic has no output port"},
        EvalFailure{"SeventeenInputs", SixteenPlusOne(),
                    "the schematic has 17 input ports and its outputs need 1 input; at most 16 are supported (choose "
                    "outputs to import a part)"}),
    [](const ::testing::TestParamInfo<EvalFailure>& p) { return p.param.name; });

}  // namespace
}  // namespace tarrow
