// lodex-cli sch and new --sch, run as built, on files in a temporary folder.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "cli/CliRunner.h"
#include "schimport/TempDir.h"

namespace {

using tarrow::testing::ReadFile;
using tarrow::testing::TempDir;
using ::testing::HasSubstr;
using ::testing::StartsWith;

const std::string kBin = LODEX_BIN_DIR;
const std::string kExamples = std::string(LODEX_SOURCE_DIR) + "/examples/";

using Outcome = lodex::testing::CliResult;
using lodex::testing::RunProgram;
const auto Quote = lodex::testing::ShellQuote;

Outcome Cli(const std::vector<std::string>& args) { return RunProgram(kBin + "/lodex-cli", args); }

TEST(SchCli, PrintsCountsAndSequenceOfTheExamples) {
  TempDir dir;
  const std::pair<const char*, const char*> cases[] = {{"full-adder.sch", "3 2\n01121223\n"},
                                                       {"comparator2.sch", "4 3\n2444124411241112\n"},
                                                       {"decoder3to8.sch", "3 8\n8040201008040201\n"}};
  for (const auto& [file, expected] : cases) {
    const Outcome o = Cli({"sch", kExamples + file});
    EXPECT_EQ(o.status, 0) << file << o.err;
    EXPECT_EQ(o.out, expected) << file;
    EXPECT_EQ(o.err, "") << file;
  }
  EXPECT_THAT(ReadFile(dir.path() / "generating.log"), StartsWith(kExamples + "decoder3to8.sch\n"));
}

TEST(SchCli, RefusesWhatGivesNoSequence) {
  TempDir dir;
  Outcome o = Cli({"sch", "missing.sch"});
  EXPECT_EQ(o.status, 2);
  EXPECT_EQ(o.err, "lodex-cli: cannot open the schematic missing.sch\n");
  dir.Write("bad.sch", "SIGNAL A\nPORT Input A\n");
  o = Cli({"sch", "bad.sch"});
  EXPECT_EQ(o.status, 2);
  EXPECT_EQ(o.err, "lodex-cli: the schematic has no output port\n");
  EXPECT_EQ(o.out, "");
  EXPECT_THAT(ReadFile("generating.log"), HasSubstr("Error: the schematic has no output port"));
  dir.Write("ff.sch",
            "SIGNAL C\nSIGNAL Q\nPORT Input C\nPORT Output Q\nBEGIN BLOCK XLXI_7 fdce\nPIN C C\nPIN Q Q\nEND BLOCK\n");
  o = Cli({"sch", "ff.sch"});
  EXPECT_EQ(o.status, 2);
  EXPECT_EQ(o.err, "lodex-cli: a block is a flip-flop (fdce, XLXI_7): only combinational schematics can be imported\n");
  EXPECT_EQ(Cli({"sch"}).status, 1);
}

TEST(SchCli, NewTakesCountsAndSequenceFromTheSchematic) {
  TempDir dir;
  Outcome o = Cli({"new", "--sch", kExamples + "full-adder.sch", "--name", "Сумматор", "-o", "adder.shc"});
  ASSERT_EQ(o.status, 0) << o.err;
  EXPECT_EQ(o.out, "");
  o = Cli({"show", "adder.shc"});
  EXPECT_THAT(o.out, HasSubstr("sourceLP\t01121223\nwordDigits\t1\n"));
  EXPECT_THAT(o.out, HasSubstr("\tBl_1\tБлок 1\t3\t2\tI:0 I:1 I:2\t01121223\n"));

  // Eight outputs: two digits a word; -n and -m may be given when they agree.
  o = Cli({"new", "--sch", kExamples + "decoder3to8.sch", "-n", "3", "-m", "8", "-o", "dec.shc"});
  ASSERT_EQ(o.status, 0) << o.err;
  EXPECT_THAT(Cli({"show", "dec.shc"}).out, HasSubstr("sourceLP\t8040201008040201\nwordDigits\t2\n"));
}

TEST(SchCli, NewRefusesConflictingOrMissingArguments) {
  TempDir dir;
  const std::string sch = kExamples + "full-adder.sch";
  EXPECT_EQ(Cli({"new", "--sch", sch, "--lp", "0001", "-o", "x.shc"}).status, 1);
  EXPECT_EQ(Cli({"new", "--sch", sch, "--lof", kExamples + "full-adder.lof", "-o", "x.shc"}).status, 1);
  EXPECT_EQ(Cli({"new", "--lp", "0001", "-m", "1", "-o", "x.shc"}).status, 1);
  EXPECT_EQ(Cli({"new", "--lp", "0001", "-n", "2", "-o", "x.shc"}).status, 1);
  const Outcome o = Cli({"new", "--sch", sch, "-n", "2", "-o", "x.shc"});
  EXPECT_EQ(o.status, 2);
  EXPECT_EQ(o.err, "lodex-cli: the schematic has 3 inputs and 2 outputs, not the ones given with -n/-m\n");
  EXPECT_FALSE(std::filesystem::exists("x.shc"));
  EXPECT_EQ(Cli({"new", "-n", "2", "-m", "1", "--lp", "0001", "-o", "and2.shc"}).status, 0);
}

TEST(SchCli, ALibraryOutsideTheProgramsFolderIsNeverUsed) {
  // A copy of lodex-cli in a folder without the library; the library itself
  // is planted in the current directory and on the library search path.
  TempDir program;
  std::filesystem::copy_file(kBin + "/lodex-cli", program.path() / "lodex-cli");
  TempDir cwd;
  std::filesystem::copy_file(kBin + "/libtarrow.so", cwd.path() / "libtarrow.so");
  const std::string copy = (program.path() / "lodex-cli").string();
  const std::string message =
      "lodex-cli: cannot load the schematic-import library '" + (program.path() / "libtarrow.so").string() + "': ";
  Outcome o = RunProgram(copy, {"new", "--sch", kExamples + "full-adder.sch", "-o", "x.shc"},
                         "LD_LIBRARY_PATH=" + Quote(cwd.path().string() + ":" + kBin));
  EXPECT_EQ(o.status, 2);
  EXPECT_THAT(o.err, StartsWith(message));
  EXPECT_EQ(std::count(o.err.begin(), o.err.end(), '\n'), 1);
  EXPECT_FALSE(std::filesystem::exists("x.shc"));
  o = RunProgram(copy, {"sch", kExamples + "full-adder.sch"});
  EXPECT_EQ(o.status, 2);
  EXPECT_THAT(o.err, StartsWith(message));
  EXPECT_EQ(o.out, "");
}

}  // namespace

namespace {

TEST(SchCli, AProjectFromASchematicAnalysesCleanlyAfterASerialDecomposition) {
  TempDir dir;
  int decomposed = 0;
  for (const char* file : {"full-adder.sch", "comparator2.sch", "decoder3to8.sch"}) {
    ASSERT_EQ(Cli({"new", "--sch", kExamples + file, "-o", "p.shc"}).status, 0) << file;
    const Outcome list = Cli({"serial", "p.shc", "--block", "1", "--list"});
    ASSERT_EQ(list.status, 0) << file << list.err;
    if (list.out.empty()) continue;
    const std::string mask = list.out.substr(0, list.out.find('\t'));
    const Outcome split = Cli({"serial", "p.shc", "--block", "1", "--mask", mask, "-o", "s.shc"});
    ASSERT_EQ(split.status, 0) << file << split.err;
    const Outcome analysis = Cli({"analyze", "s.shc"});
    EXPECT_EQ(analysis.status, 0) << file << analysis.out << analysis.err;
    ++decomposed;
  }
  EXPECT_GT(decomposed, 0);
}

// F0 = A0 and A1, F1 = A2: a part of the schematic is its cone.
const char* kTwoCones =
    "SIGNAL A0\nSIGNAL A1\nSIGNAL A2\nSIGNAL F0\nSIGNAL F1\nPORT Input A0\nPORT Input A1\nPORT Input A2\n"
    "PORT Output F0\nPORT Output F1\nBEGIN BLOCK G1 and2\nPIN I0 A0\nPIN I1 A1\nPIN O F0\nEND BLOCK\n"
    "BEGIN BLOCK G2 buf\nPIN I A2\nPIN O F1\nEND BLOCK\n";

TEST(SchCli, ChosenOutputsOverTheInputsTheyNeed) {
  TempDir dir;
  const std::string path = dir.Write("cones.sch", kTwoCones);
  const Outcome one = Cli({"sch", path, "--outputs", "F1"});
  ASSERT_EQ(one.status, 0) << one.err;
  EXPECT_EQ(one.out, "1 1\n01\ninputs: A2\n");
  const Outcome both = Cli({"sch", path, "--outputs", "F0,F1"});
  ASSERT_EQ(both.status, 0) << both.err;
  EXPECT_EQ(both.out.substr(0, 4), "3 2\n");
  EXPECT_THAT(both.out, HasSubstr("inputs: A0 A1 A2\n"));
  const Outcome missing = Cli({"sch", path, "--outputs", "F7"});
  EXPECT_EQ(missing.status, 2);
  EXPECT_EQ(missing.err, "lodex-cli: the schematic has no output port F7\n");
  const Outcome project = Cli({"new", "--sch", path, "--outputs", "F0", "-o", dir.Write("x.shc", "")});
  ASSERT_EQ(project.status, 0) << project.err;
  EXPECT_EQ(project.out, "inputs: A0 A1\n");
  EXPECT_EQ(Cli({"new", "-n", "1", "-m", "1", "--lp", "01", "--outputs", "F0"}).status, 1);
}

}  // namespace
