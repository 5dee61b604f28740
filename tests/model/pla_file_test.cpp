#include <gtest/gtest.h>

#include "model/PlaFile.h"
#include "model/TempDir.h"

namespace lodex {
namespace {

CPlaFunction Parse(const std::string& text) {
  CPlaFunction f;
  const Status s = ParsePla(text, f);
  EXPECT_TRUE(s.ok()) << s.message();
  return f;
}

// Two inputs, two outputs. Column j is input j (bit j of the combination):
// "10" is combination 1. Every value the cubes can give appears once.
const char* kCubes =
    "10 1-\n"  // c1: o0 ON, o1 don't-care
    "01 0~\n"  // c2: o0 OFF
    "11 01\n"  // c3: o0 OFF, o1 ON
    ".e\n"
    "00 11\n";  // after .e: ignored

TEST(PlaFile, EachTypeReadsTheCubesItsWay) {
  const std::string head = "# two by two\n.i 2\n.o 2\n";
  // f: only ON counts; fd: '-' is don't-care, the rest OFF; fr: OFF given,
  // the rest don't-care; fdr: all three given.
  const struct {
    const char* type;
    const char* lp;
    int fixed;
  } cases[] = {
      {".type f\n", "0102", 0}, {".type fd\n", "0102", 1}, {".type fr\n", "*102", 2}, {".type fdr\n", "*102", 2}};
  for (const auto& c : cases) {
    const CPlaFunction f = Parse(head + c.type + kCubes);
    EXPECT_EQ(f.lp, c.lp) << c.type;
    EXPECT_EQ(f.fixedOutputs, c.fixed) << c.type;
    EXPECT_EQ(f.cubes, 3);
  }
  // Without .type the file reads as fd.
  EXPECT_EQ(Parse(head + kCubes).lp, "0102");

  // Names, blanks inside a cube, a word of 5 outputs (two digits) and '-' inputs.
  const CPlaFunction named = Parse(".i 3\n.o 5\n.ilb a b c\n.ob p q r s t\n.p 2\n1-0 1 0 0 0 1\n--1 00001\n.end\n");
  EXPECT_EQ(named.inputs, 3);
  EXPECT_EQ(named.outputs, 5);
  EXPECT_EQ(named.inputNames, (std::vector<std::string>{"a", "b", "c"}));
  EXPECT_EQ(named.outputNames, (std::vector<std::string>{"p", "q", "r", "s", "t"}));
  EXPECT_EQ(named.lp, "0011001110101010");
}

TEST(PlaFile, ExplicitDontCareWinsAndFileErrorsNameTheFile) {
  // fd: ON and don't-care for one output leaves it free; all outputs free is '*'.
  EXPECT_EQ(Parse(".i 1\n.o 2\n1 11\n1 --\n0 -1\n").lp, "2*");
  testing::CTempDir dir;
  const std::string path = dir.File("f.pla");
  testing::WriteBytes(path, ".i 1\n.o 1\n1 1\n.phase 1\n");
  CPlaFunction f;
  const Status s = ReadPlaFile(path, f);
  EXPECT_EQ(s.message(), "'" + path + "': line 4: the keyword .phase (an output phase) is not supported");
  EXPECT_FALSE(ReadPlaFile(dir.File("missing.pla"), f).ok());
}

TEST(PlaFile, RefusalsGiveTheReasonInOneLine) {
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {".i 2\n.o 1\n.type fr\n1- 1\n00 0\n-1 0\n", "lines 4 and 6 set output 0 of combination 3 both to 1 and to 0"},
      {".i 17\n.o 1\n", "line 1: the number of inputs must lie in 1..16, not 17"},
      {".i 2\n.o 13\n", "line 2: the number of outputs must lie in 1..12, not 13"},
      {".i 0\n.o 1\n", "line 1: the number of inputs must lie in 1..16, not 0"},
      {".i x\n", "line 1: .i needs one number"},
      {".i 2\n.i 2\n", "line 2: .i is given twice"},
      {"10 1\n.i 2\n.o 1\n", "line 1: a cube comes before .i and .o"},
      {".i 2\n.o 1\n101 1\n", "line 3: a cube needs 2 input and 1 output characters, not 4"},
      {".i 2\n.o 1\n1~ 1\n", "line 3: '~' is no input value of a cube"},
      {".i 2\n.o 1\n10 x\n", "line 3: 'x' is no output value of a cube"},
      {".i 2\n.o 1\n.type fx\n", "line 3: .type must be f, fd, fr, fdr, r or dr"},
      {".i 2\n.o 1\n.ilb a\n", "line 3: .ilb names 1 inputs, not 2"},
      {".i 2\n.o 2\n.ob a b c\n", "line 3: .ob names 3 outputs, not 2"},
      {".i 2\n.o 1\n.p 3\n10 1\n", "line 3: .p announces 3 cubes, the file has 1"},
      {".o 1\n", "the file has no .i line"},
      {".i 1\n", "the file has no .o line"},
  };
  for (const auto& c : cases) {
    CPlaFunction f;
    f.lp = "kept";
    const Status s = ParsePla(c.text, f);
    EXPECT_EQ(s.message(), c.message) << c.text;
    EXPECT_EQ(f.lp, "kept");
  }
}

// The classic tools' dialect: '|' between the parts, blanks inside them,
// 2 as '-', 4 as 1, 3 and ~ as no value; the types that give the OFF set
// and leave the rest ON.
TEST(PlaFile, ReadsTheClassicToolsDialect) {
  const CPlaFunction f = Parse(".i 3\n.o 4\n1-0|1 4 2 3\n0 2 1 | 0~40\n.e\n");
  // Combinations 1 and 3 (1-0): o0 = 1, o1 = 1, o2 free -> 0; 4 and 6 (021): o2 = 1.
  EXPECT_EQ(f.lp, "03034040");
  EXPECT_EQ(f.fixedOutputs, 2);
  // The same cubes as '-' and '1' read alike.
  EXPECT_EQ(Parse(".i 3\n.o 4\n1-0 11--\n0-1 0-10\n").lp, f.lp);

  // r: the cubes give OFF, the rest is ON; dr adds don't-cares.
  EXPECT_EQ(Parse(".i 2\n.o 1\n.type r\n11 0\n").lp, "1110");
  EXPECT_EQ(Parse(".i 2\n.o 1\n.type dr\n11 0\n01 -\n").lp, "11*0");

  CPlaFunction g;
  for (const char* keyword : {".phase 1", ".pair 1 (a b)", ".mv 3 0 2 2", ".kiss", ".symbolic a ;"}) {
    const Status s = ParsePla(std::string(".i 2\n.o 1\n") + keyword + "\n11 1\n", g);
    ASSERT_FALSE(s.ok()) << keyword;
    const std::string name = std::string(keyword).substr(0, std::string(keyword).find(' '));
    EXPECT_NE(s.message().find("line 3: the keyword " + name + " ("), std::string::npos) << s.message();
  }
  const Status wrong = ParsePla(".i 2\n.o 1\n11 5\n", g);
  EXPECT_EQ(wrong.message(), "line 3: '5' is no output value of a cube");
  const Status longer = ParsePla(".i 2\n.o 1\n11 | 1 1\n", g);
  EXPECT_EQ(longer.message(), "line 3: a cube needs 2 input and 1 output characters, not 4");
}

// Many cubes over one input part cost one expansion; conflicts still name
// the first lines that give each value.
TEST(PlaFile, RepeatedCubesMergeAndConflictsNameTheirLines) {
  std::string text = ".i 16\n.o 12\n";
  for (int i = 0; i < 20000; ++i) text += "---------------- 0-----------\n";
  text += "1--------------- 1-----------\n";
  const CPlaFunction f = Parse(text);
  EXPECT_EQ(f.cubes, 20001);
  EXPECT_EQ(f.lp.substr(0, 6), "000001");
  CPlaFunction g;
  const Status s = ParsePla(".i 2\n.o 1\n.type fr\n-1 1\n11 1\n11 0\n", g);
  EXPECT_EQ(s.message(), "lines 4 and 6 set output 0 of combination 3 both to 1 and to 0");
}

}  // namespace
}  // namespace lodex
