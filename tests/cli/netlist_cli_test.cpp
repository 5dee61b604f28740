#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "cli/CliRunner.h"

namespace lodex {
namespace {

using testing::CTempDir;
using testing::ReadBytes;
using testing::RunCli;
using testing::WriteBytes;

// A full adder with a don't-care carry for a = b = c = 1 (the sum stays 1).
const char* kAdder =
    ".i 3\n.o 2\n.ilb a b c\n.ob s co\n.type fd\n100 10\n010 10\n001 10\n110 01\n101 01\n011 01\n111 1-\n";

TEST(CliPla, NewReadsThePlaAndTheExportsKeepItsNames) {
  CTempDir dir;
  const std::string pla = dir.File("adder.pla"), shc = dir.File("adder.shc");
  WriteBytes(pla, kAdder);
  auto r = RunCli({"new", "--pla", pla, "-o", shc});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "read 7 cubes: 3 inputs, 2 outputs; 1 partly undefined outputs set to 0\n");
  EXPECT_NE(RunCli({"show", shc}).out.find("\t01121221\n"), std::string::npos);
  // Words with letters analyse equal to the project (its sequence is upper case).
  WriteBytes(dir.File("hex.pla"), ".i 2\n.o 4\n.type f\n00 0101\n11 1111\n");
  ASSERT_EQ(RunCli({"new", "--pla", dir.File("hex.pla"), "-o", dir.File("hex.shc")}).status, 0);
  EXPECT_NE(RunCli({"show", dir.File("hex.shc")}).out.find("\tA00F\n"), std::string::npos);
  EXPECT_EQ(RunCli({"analyze", dir.File("hex.shc")}).status, 0);

  ASSERT_EQ(RunCli({"blif", shc, "-o", dir.File("a.blif"), "--pla", pla}).status, 0);
  EXPECT_NE(ReadBytes(dir.File("a.blif")).find(".model adder\n.inputs a b c\n.outputs s co\n"), std::string::npos);
  ASSERT_EQ(RunCli({"verilog", shc, "-o", dir.File("a.v"), "--module", "add3"}).status, 0);
  EXPECT_NE(ReadBytes(dir.File("a.v")).find("module add3(input I0, input I1, input I2, output O0, output O1);"),
            std::string::npos);
}

TEST(CliPla, RefusalsAreOneLineAndWriteNothing) {
  CTempDir dir;
  const std::string shc = dir.File("x.shc"), pla = dir.File("x.pla"), out = dir.File("x.out");
  WriteBytes(dir.File("bad.pla"), ".i 2\n.o 1\n.type fr\n1- 1\n-1 0\n");
  WriteBytes(pla, ".i 1\n.o 1\n1 1\n");
  ASSERT_EQ(RunCli({"new", "-n", "2", "-m", "1", "--lp", "0001", "-o", shc}).status, 0);
  for (const auto& args : std::vector<std::vector<std::string>>{{"new", "--pla", dir.File("bad.pla"), "-o", out},
                                                                {"new", "--pla", pla, "-n", "2", "-o", out},
                                                                {"blif", shc, "-o", out, "--pla", pla},
                                                                {"verilog", shc, "-o", out, "--module", "module"},
                                                                {"verilog", shc, "-o", dir.File("no/dir/x.v")}}) {
    const auto r = RunCli(args);
    EXPECT_EQ(r.status, 2) << args[0] << " " << args[1] << ": " << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_FALSE(std::filesystem::exists(out));
  }
  EXPECT_NE(RunCli({"new", "--pla", dir.File("bad.pla"), "-o", out}).err.find("lines 4 and 5 set output 0"),
            std::string::npos);
}

}  // namespace
}  // namespace lodex
