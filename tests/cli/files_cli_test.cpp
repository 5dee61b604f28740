// The command line on real files: words the outputs cannot hold, outputs
// written all or nothing and never over their input, and inputs that are not
// regular files.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "cli/CliRunner.h"

namespace lodex {
namespace {

namespace fs = std::filesystem;
using testing::CTempDir;
using testing::ReadBytes;
using testing::RunCli;

// lodex-cli under a time limit: a command that waits on a pipe ends as 124.
testing::CliResult RunCliWithin(const std::vector<std::string>& args) {
  std::vector<std::string> all = {"10", std::string(LODEX_BIN_DIR) + "/lodex-cli"};
  all.insert(all.end(), args.begin(), args.end());
  return testing::RunProgram("timeout", all);
}

TEST(CliFiles, AWordAboveTheOutputsIsRefusedByPosition) {
  CTempDir dir;
  const auto r = RunCli({"new", "-n", "4", "-m", "2", "--lp", "012332101122330F", "-o", dir.File("x.shc")});
  EXPECT_EQ(r.status, 2);
  EXPECT_EQ(r.err, "lodex-cli: word 15 of the sequence is F: 2 outputs hold only the words 0..3\n");
  EXPECT_FALSE(fs::exists(dir.File("x.shc")));
  testing::WriteBytes(dir.File("x.lof"), "0190");
  const auto lof = RunCli({"new", "-n", "2", "-m", "3", "--lof", dir.File("x.lof")});
  EXPECT_EQ(lof.status, 2);
  EXPECT_NE(lof.err.find("word 2 of the sequence is 9"), std::string::npos) << lof.err;
  EXPECT_EQ(RunCli({"new", "-n", "4", "-m", "2", "--lp", "0123321011223303"}).status, 0);
}

TEST(CliFiles, TheDesignAndItsTestbenchAreWrittenTogether) {
  CTempDir dir;
  const std::string shc = dir.File("x.shc"), vhd = dir.File("d.vhd");
  ASSERT_EQ(RunCli({"new", "-n", "1", "-m", "1", "--lp", "01", "-o", shc}).status, 0);
  testing::WriteBytes(vhd, "old design");
  const auto unwritable = RunCli({"vhdl", shc, "-o", vhd, "--testbench", dir.File("no/tb.vhd")});
  EXPECT_EQ(unwritable.status, 2);
  EXPECT_EQ(ReadBytes(vhd), "old design");
  const auto same = RunCli({"vhdl", shc, "-o", vhd, "--testbench", dir.File("./d.vhd")});
  EXPECT_EQ(same.status, 2);
  EXPECT_EQ(ReadBytes(vhd), "old design");

  // A replaced file keeps its permission bits; a 254-character name is written.
  fs::permissions(vhd, fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_EQ(RunCli({"vhdl", shc, "-o", vhd}).status, 0);
  EXPECT_EQ(fs::status(vhd).permissions() & fs::perms::all, fs::perms::owner_read | fs::perms::owner_write);
  const std::string longName = dir.File(std::string(250, 'v') + ".vhd");
  const auto wide = RunCli({"vhdl", shc, "-o", longName});
  EXPECT_EQ(wide.status, 0) << wide.err;
  EXPECT_TRUE(fs::exists(longName));
}

TEST(CliFiles, AnOutputOverItsInputIsRefused) {
  CTempDir dir;
  const std::string shc = dir.File("x.shc");
  ASSERT_EQ(RunCli({"new", "-n", "1", "-m", "1", "--lp", "01", "-o", shc}).status, 0);
  const std::string kept = ReadBytes(shc);
  fs::create_symlink(shc, dir.File("alias.shc"));
  const std::string alias = dir.File("alias.shc");
  for (const std::vector<std::string>& args : {std::vector<std::string>{"vhdl", shc, "-o", alias},
                                               {"blif", shc, "-o", shc},
                                               {"verilog", shc, "-o", alias},
                                               {"lof", shc, "--block", "1", "-o", shc},
                                               {"draw", alias, "-o", shc + ".svg"}}) {
    const auto r = RunCli(args);
    if (args[0] == "draw") {
      EXPECT_EQ(r.status, 0) << r.err;
      continue;
    }
    EXPECT_EQ(r.status, 2) << args[0];
    EXPECT_NE(r.err.find("is the input"), std::string::npos) << r.err;
    EXPECT_EQ(ReadBytes(shc), kept) << args[0];
  }
  const std::string pla = dir.File("f.pla");
  testing::WriteBytes(pla, ".i 1\n.o 1\n1 1\n.e\n");
  EXPECT_EQ(RunCli({"new", "--pla", pla, "-o", pla}).status, 2);
  EXPECT_EQ(ReadBytes(pla), ".i 1\n.o 1\n1 1\n.e\n");
  // The scheme commands may write over their input, as their help says.
  EXPECT_EQ(RunCli({"cover", shc, "--nand", "-o", alias}).status, 0);
}

TEST(CliFiles, APipeIsRefusedAsEveryKindOfInput) {
  CTempDir dir;
  const std::string pipe = dir.File("p");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  for (const std::vector<std::string>& args : {std::vector<std::string>{"show", pipe},
                                               {"sch", pipe},
                                               {"new", "--pla", pipe},
                                               {"new", "--sch", pipe},
                                               {"new", "-n", "1", "-m", "1", "--lof", pipe}}) {
    const auto r = RunCliWithin(args);
    EXPECT_EQ(r.status, 2) << args[0] << " " << args[1] << ": " << r.err;
    EXPECT_NE(r.err.find("not a regular file"), std::string::npos) << r.err;
  }
}

}  // namespace
}  // namespace lodex
