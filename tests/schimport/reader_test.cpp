#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "SchTestUtil.h"
#include "schimport/SchReader.h"

namespace tarrow {
namespace {

using ::testing::ElementsAre;
using testing::Evaluate;
using testing::Gate;
using testing::LastLine;
using testing::Schematic;

TEST(FindSignal, FirstEqualNameTrimmedAndCaseSensitive) {
  const std::vector<std::string> names = {"A", "b", "A", "UNDEF"};
  EXPECT_EQ(FindSignal(names, " A "), 0);
  EXPECT_EQ(FindSignal(names, "b"), 1);
  EXPECT_EQ(FindSignal(names, "B"), -1);
  EXPECT_EQ(FindSignal(names, "UNDEF"), -1);
  EXPECT_EQ(FindSignal(names, "C"), -1);
}

const std::string kAnd2 =
    Schematic({"A", "B", "F"}, {"A", "B"}, {"F"}, {Gate{"G1", "and2", {{"I0", "A"}, {"I1", "B"}, {"O", "F"}}}});

TEST(ReadSchematic, LogsWhatItRecognisesInFileOrderAndSkipsTheDrawing) {
  std::istringstream in(kAnd2);
  SchNetlist netlist;
  SchMemoryLog log;
  ASSERT_TRUE(ReadSchematic(in, "/x/and2.sch", netlist, log));
  EXPECT_THAT(log.lines, ElementsAre("/x/and2.sch", "NewSignal \"A\"=>0", "NewSignal \"B\"=>1", "NewSignal \"F\"=>2",
                                     "DefineSchInputTo 0   *A*", "DefineSchInputTo 1   *B*",
                                     "DefineSchOutputTo 2   *F*", "DefineBlock(G1,and2)", "In(0): 0   *A*",
                                     "In(1): 1   *B*", "Out: 2   *F*", "====================================="));
  ASSERT_EQ(netlist.Blocks.size(), 1u);
  EXPECT_THAT(netlist.Blocks[0].Inputs, ElementsAre(0, 1));
  EXPECT_THAT(netlist.Blocks[0].Outputs, ElementsAre(2));
  EXPECT_THAT(netlist.SignalValues, ElementsAre("UNDEF", "UNDEF", "UNDEF"));
}

TEST(ReadSchematic, EndSignalAndBlockdefDeclareNothingAndPinsLandAtTheirNumbers) {
  std::istringstream in(
      "SIGNAL A\nSIGNAL B\nSIGNAL F\nEND SIGNAL\nBEGIN BLOCKDEF and2\nEND BLOCKDEF\n"
      "BEGIN BLOCK G1 and2\nPIN I1 B\nPIN I0 A\nPIN O F\n");
  SchNetlist netlist;
  SchMemoryLog log;
  ASSERT_TRUE(ReadSchematic(in, "p", netlist, log));
  EXPECT_EQ(netlist.SignalNames.size(), 3u);
  ASSERT_EQ(netlist.Blocks.size(), 1u);
  EXPECT_THAT(netlist.Blocks[0].Inputs, ElementsAre(0, 1));
}

TEST(ReadSchematic, ASecondReadStartsFromEmptyTables) {
  SchNetlist netlist;
  SchMemoryLog log;
  std::istringstream first(kAnd2);
  ASSERT_TRUE(ReadSchematic(first, "p", netlist, log));
  std::istringstream second("SIGNAL Z\nPORT Output Z\n");
  ASSERT_TRUE(ReadSchematic(second, "p", netlist, log));
  EXPECT_THAT(netlist.SignalNames, ElementsAre("Z"));
  EXPECT_TRUE(netlist.InputPorts.empty());
  EXPECT_TRUE(netlist.Blocks.empty());
  ASSERT_EQ(netlist.OutputPorts.size(), 1u);
}

TEST(ReadSchematic, LinesUpTo510CharactersWithOrWithoutCarriageReturn) {
  const std::string ok = "SIGNAL " + std::string(503, 'x');  // 510 characters
  SchNetlist netlist;
  SchMemoryLog log;
  std::istringstream crlf(ok + "\r\n" + ok + "\n" + ok);
  EXPECT_TRUE(ReadSchematic(crlf, "p", netlist, log));
  EXPECT_EQ(netlist.SignalNames.size(), 3u);
  EXPECT_EQ(netlist.SignalNames[0].size(), 503u);

  std::istringstream tooLong("SIGNAL A\n" + ok + "y\r\n");
  EXPECT_FALSE(ReadSchematic(tooLong, "p", netlist, log));
  EXPECT_EQ(log.lines.back(), "Error: line 2 is longer than 510 characters");
}

TEST(ReadSchematic, BusPortsStandForTheirMembers) {
  // Members that no SIGNAL line declares are declared by the bus.
  std::istringstream in("SIGNAL A(2:0)\nSIGNAL A(1)\nPORT Input A(2:0)\n");
  SchNetlist netlist;
  SchMemoryLog log;
  ASSERT_TRUE(ReadSchematic(in, "p", netlist, log));
  EXPECT_THAT(netlist.SignalNames, ElementsAre("A(2:0)", "A(1)", "A(0)", "A(2)"));
  ASSERT_EQ(netlist.InputPorts.size(), 3u);
  EXPECT_EQ(netlist.InputPorts[0].net, 2);
  EXPECT_EQ(netlist.InputPorts[0].busIndex, 0);
  EXPECT_EQ(netlist.InputPorts[1].net, 1);
  EXPECT_EQ(netlist.InputPorts[2].net, 3);
  EXPECT_THAT(std::vector<std::string>(log.lines.begin() + 3, log.lines.end() - 1),
              ElementsAre("NewSignal \"A(0)\"=>2", "DefineSchInputTo 2   *A(0)*", "DefineSchInputTo 1   *A(1)*",
                          "NewSignal \"A(2)\"=>3", "DefineSchInputTo 3   *A(2)*"));
}

TEST(ReadSchematic, PinNamesOfInverterBufferAndConstants) {
  std::istringstream in(
      "SIGNAL A\nSIGNAL N\nSIGNAL Z\nSIGNAL K\n"
      "BEGIN BLOCK U1 inv\nPIN I A\nPIN O N\n"
      "BEGIN BLOCK U2 gnd\nPIN G Z\n"
      "BEGIN BLOCK U3 vcc\nPIN P K\n");
  SchNetlist netlist;
  SchMemoryLog log;
  ASSERT_TRUE(ReadSchematic(in, "p", netlist, log));
  ASSERT_EQ(netlist.Blocks.size(), 3u);
  EXPECT_THAT(netlist.Blocks[0].Inputs, ElementsAre(0));
  EXPECT_THAT(netlist.Blocks[0].Outputs, ElementsAre(1));
  EXPECT_THAT(netlist.Blocks[1].Outputs, ElementsAre(2));
  EXPECT_THAT(netlist.Blocks[2].Outputs, ElementsAre(3));
}

struct ReadFailure {
  std::string text;
  std::string reason;
};

class ReadRefuses : public ::testing::TestWithParam<ReadFailure> {};

TEST_P(ReadRefuses, WithTheReasonAsTheLastLogLine) {
  std::istringstream in(GetParam().text);
  SchNetlist netlist;
  SchMemoryLog log;
  EXPECT_FALSE(ReadSchematic(in, "p", netlist, log));
  ASSERT_FALSE(log.lines.empty());
  EXPECT_EQ(log.lines.back(), "Error: " + GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadRefuses,
    ::testing::Values(ReadFailure{"SIGNAL A\nPORT Input B\n", "the port B names a net that is not declared before it"},
                      ReadFailure{"PORT Output F\nSIGNAL F\n", "the port F names a net that is not declared before it"},
                      ReadFailure{"PORT Input A(1:0)\n", "the port A(1:0) names a net that is not declared before it"},
                      ReadFailure{"SIGNAL A(70000:0)\nPORT Input A(70000:0)\n",
                                  "the bus port A(70000:0) is wider than 65536 nets"},
                      ReadFailure{"SIGNAL A\nBEGIN BLOCK G1 and2\nPIN I0 B\n",
                                  "the pin I0 of G1 names the net B, which is not declared"},
                      ReadFailure{"SIGNAL A\nBEGIN BLOCK G1 and2\nPIN O B\n",
                                  "the pin O of G1 names the net B, which is not declared"},
                      ReadFailure{"SIGNAL A\nBEGIN BLOCK G1 and2\nPIN I2 A\n", "the block G1 (and2) has no pin I2"},
                      ReadFailure{"SIGNAL A\nBEGIN BLOCK G1 and2\nPIN I99999999999 A\n",
                                  "the block G1 (and2) has no pin I99999999999"},
                      ReadFailure{"SIGNAL A\nBEGIN BLOCK U3 vcc\nPIN G A\n", "the block U3 (vcc) has no pin G"},
                      ReadFailure{"SIGNAL A\nPIN I0 A\n", "a pin line stands before the first block"},
                      ReadFailure{"SIGNAL A\nBEGIN BLOCK M1 m3_1\nPIN O A\n",
                                  "the block M1 has the type m3_1, which is not a supported part"},
                      ReadFailure{"SIGNAL A\nBEGIN BLOCK G1\nPIN O A\n",
                                  "the block G1 has the type UNDEF, which is not a supported part"}));

TEST(ReadSchematic, UndeclaredNetIsLoggedAsMinusOneBeforeTheReason) {
  const testing::Run run = Evaluate("SIGNAL A\nBEGIN BLOCK G1 or2\nPIN I1 Q\n");
  EXPECT_FALSE(run.result);
  ASSERT_GE(run.log.size(), 2u);
  EXPECT_EQ(run.log[run.log.size() - 2], "In(1): -1   *Q*");
  EXPECT_EQ(LastLine(run), "Error: the pin I1 of G1 names the net Q, which is not declared");
}

}  // namespace
}  // namespace tarrow
