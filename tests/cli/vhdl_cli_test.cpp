#include <gtest/gtest.h>

#include "cli/CliRunner.h"

namespace lodex {
namespace {

using testing::RunCli;

TEST(CliVhdl, WritesTheDesignAndItsTestbench) {
  testing::CTempDir dir;
  const std::string shc = dir.File("Сумматор.shc"), vhd = dir.File("adder.vhd"), tb = dir.File("adder_tb.vhd");
  ASSERT_EQ(RunCli({"new", "-n", "3", "-m", "2", "--lp", "01121223", "-o", shc}).status, 0);
  const auto r = RunCli({"vhdl", shc, "-o", vhd, "--testbench", tb});
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string text = testing::ReadBytes(vhd);
  // The title defaults to the file name: Cyrillic in the comment, Latin in names.
  EXPECT_NE(text.find("-- Source\t: \xD1\xF3\xEC\xEC\xE0\xF2\xEE\xF0.shc\r\n"), std::string::npos);
  EXPECT_NE(text.find("entity summator is\r\n"), std::string::npos);
  EXPECT_NE(testing::ReadBytes(tb).find("entity summator_tb is\r\n"), std::string::npos);

  ASSERT_EQ(RunCli({"vhdl", shc, "-o", vhd, "--title", "adder"}).status, 0);
  EXPECT_NE(testing::ReadBytes(vhd).find("entity adder is\r\n"), std::string::npos);
}

TEST(CliVhdl, RefusalsWriteNothing) {
  testing::CTempDir dir;
  const std::string shc = dir.File("x.shc");
  ASSERT_EQ(RunCli({"new", "-n", "1", "-m", "1", "--lp", "01", "-o", shc}).status, 0);
  EXPECT_EQ(RunCli({"vhdl", shc, "-o", dir.File("no/dir/x.vhd")}).status, 2);
  EXPECT_EQ(RunCli({"vhdl", dir.File("missing.shc"), "-o", dir.File("y.vhd")}).status, 2);
  EXPECT_FALSE(std::filesystem::exists(dir.File("y.vhd")));
  EXPECT_EQ(RunCli({"vhdl", shc}).status, 1);
}

}  // namespace
}  // namespace lodex
