#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/CliRunner.h"
#include "model/DamagedSchemes.h"

namespace lodex {
namespace {

using testing::CTempDir;
using testing::RunCli;

// Every command's help explains it in a paragraph and shows an example of
// that very command.
TEST(CliHelp, EveryCommandHasAParagraphAndAnExample) {
  const auto top = RunCli({"--help"});
  ASSERT_EQ(top.status, 0) << top.err;
  EXPECT_NE(top.out.find("Exit status:"), std::string::npos);
  const size_t list = top.out.find("Subcommands:\n");
  ASSERT_NE(list, std::string::npos);
  std::istringstream lines(top.out.substr(list + 13));
  int commands = 0;
  for (std::string line; std::getline(lines, line) && !line.empty();) {
    const std::string name = line.substr(2, line.find(' ', 2) - 2);
    const auto help = RunCli({name, "--help"});
    ASSERT_EQ(help.status, 0) << name << ": " << help.err;
    const size_t example = help.out.find("\n\nExample:\n  lodex-cli " + name + " ");
    ASSERT_NE(example, std::string::npos) << name << " has no example:\n" << help.out;
    // The paragraph before the example: several lines of prose.
    const size_t paragraph = help.out.rfind("\n\n", example - 1);
    ASSERT_TRUE(paragraph != std::string::npos && paragraph < example) << name;
    EXPECT_GE(std::count(help.out.begin() + static_cast<long>(paragraph) + 2,
                         help.out.begin() + static_cast<long>(example), '\n'),
              2)
        << name << ":\n"
        << help.out;
    ++commands;
  }
  EXPECT_GE(commands, 13);
}

TEST(CliNew, WritesTheProjectsBytes) {
  CTempDir dir;
  const std::string x = dir.File("x.shc");
  const auto r = RunCli({"new", "-n", "1", "-m", "1", "--lp", "01", "-o", x});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(testing::ReadBytes(x), testing::NewProjectScheme());
}

TEST(CliNew, FromASequenceFileAndPrintedWithoutOutput) {
  const auto r =
      RunCli({"new", "-n", "3", "-m", "2", "--lof", std::string(LODEX_SOURCE_DIR) + "/examples/full-adder.lof"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("1\tBl_1\tБлок 1\t3\t2\tI:0 I:1 I:2\t01121223\n"), std::string::npos) << r.out;
}

TEST(CliNew, RefusesWhatTheWizardRefuses) {
  CTempDir dir;
  const std::string x = dir.File("x.shc");
  for (const auto& args : std::vector<std::vector<std::string>>{
           {"new", "-n", "2", "-m", "1", "--lp", "012", "-o", x},
           {"new", "-n", "0", "-m", "1", "--lp", "0", "-o", x},
           {"new", "-n", "17", "-m", "1", "--lp", "0", "-o", x},
           {"new", "-n", "1", "-m", "13", "--lp", "000000", "-o", x},
           {"new", "-n", "1", "-m", "1", "--lp", "0G", "-o", x},
           {"new", "-n", "1", "-m", "1", "--lp", "01", "--name", "", "-o", x},
           {"new", "-n", "1", "-m", "1", "--lof", dir.File("missing.lof"), "-o", x}}) {
    const auto r = RunCli(args);
    EXPECT_EQ(r.status, 2) << args[5];
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    EXPECT_FALSE(std::filesystem::exists(x));
  }
}

TEST(CliUsage, WrongUsageIsStatusOne) {
  EXPECT_EQ(RunCli({}).status, 1);
  EXPECT_EQ(RunCli({"frobnicate"}).status, 1);
  EXPECT_EQ(RunCli({"new", "-n", "1", "-m", "1"}).status, 1);  // no sequence
  EXPECT_EQ(RunCli({"new", "-n", "1", "-m", "1", "--lp", "01", "--lof", "a.lof"}).status, 1);
  EXPECT_EQ(RunCli({"show"}).status, 1);
  const auto help = RunCli({"show", "--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--json"), std::string::npos);
  EXPECT_EQ(RunCli({"--version"}).out, "lodex-cli " LODEX_VERSION "\n");
}

TEST(CliShow, JsonHasTheContractsFields) {
  CTempDir dir;
  const std::string x = dir.File("x.shc");
  testing::WriteBytes(x, testing::ExampleScheme());
  const auto r = RunCli({"show", x, "--json"});
  ASSERT_EQ(r.status, 0) << r.err;
  const auto j = nlohmann::json::parse(r.out);
  EXPECT_EQ(j["sourceLP"], "01");
  EXPECT_EQ(j["wordDigits"], 1);
  EXPECT_EQ(j["blockCounter"], 1);
  ASSERT_EQ(j["blocks"].size(), 3u);
  const auto& b = j["blocks"][1];
  EXPECT_EQ(b["index"], 1);
  EXPECT_EQ(b["id"], "Bl_1");
  EXPECT_EQ(b["caption"], "Блок1");  // an older file's caption as it stands
  EXPECT_EQ(b["lp"], "01");
  EXPECT_EQ(b["wordDigits"], 1);
  EXPECT_EQ(b["inputCount"], 1);
  EXPECT_EQ(b["outputCount"], 1);
  EXPECT_EQ(b["inputs"], nlohmann::json::parse(R"([{"source":"I","pin":0}])"));
  EXPECT_EQ(j["blocks"][2]["inputs"][0]["source"], "Bl_1");

  const auto text = RunCli({"show", x});
  EXPECT_EQ(text.out,
            "sourceLP\t01\nwordDigits\t1\nblockCounter\t1\n#\tid\tcaption\tin\tout\tlinks\tlp\n"
            "0\tI\t\t0\t1\t\t\n1\tBl_1\tБлок1\t1\t1\tI:0\t01\n2\tO\t\t1\t0\tBl_1:0\t\n");
}

TEST(CliShow, EveryDamagedFileIsRefusedWithOneLine) {
  CTempDir dir;
  const std::string x = dir.File("d.shc");
  for (const auto& [what, bytes] : testing::DamagedSchemes()) {
    testing::WriteBytes(x, bytes);
    const auto r = RunCli({"show", x});
    EXPECT_EQ(r.status, 2) << what;
    EXPECT_EQ(r.out, "") << what;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << what << ": " << r.err;
  }
  const auto missing = RunCli({"show", dir.File("missing.shc")});
  EXPECT_EQ(missing.status, 2);
}

TEST(CliLof, SavesTheBlocksSequence) {
  CTempDir dir;
  const std::string x = dir.File("x.shc"), lof = dir.File("b.lof");
  ASSERT_EQ(RunCli({"new", "-n", "3", "-m", "1", "--lp", "01101001", "-o", x}).status, 0);
  ASSERT_EQ(RunCli({"lof", x, "--block", "Bl_1", "-o", lof}).status, 0);
  EXPECT_EQ(testing::ReadBytes(lof), "0110\r\n1001");
  ASSERT_EQ(RunCli({"lof", x, "--block", "1", "-o", lof}).status, 0);
  EXPECT_EQ(RunCli({"lof", x, "--block", "2", "-o", lof}).status, 2);  // the output block
  EXPECT_EQ(RunCli({"lof", x, "--block", "Bl_9", "-o", lof}).status, 2);
  EXPECT_EQ(RunCli({"lof", x, "--block", "1", "-o", dir.File("no/dir/b.lof")}).status, 2);
}

}  // namespace
}  // namespace lodex

namespace lodex {
namespace {

TEST(CliShow, FormulasOfABlockOneLinePerOutput) {
  testing::CTempDir dir;
  const std::string adder = dir.File("adder.shc");
  ASSERT_EQ(testing::RunCli({"new", "-n", "3", "-m", "2", "--lof",
                             std::string(LODEX_SOURCE_DIR) + "/examples/full-adder.lof", "-o", adder})
                .status,
            0);
  const auto r = testing::RunCli({"show", adder, "--block", "1", "--formula"});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "y0 = x0 & !x1 & !x2 | !x0 & x1 & !x2 | !x0 & !x1 & x2 | x0 & x1 & x2\n"
            "y1 = x0 & x1 | x0 & x2 | x1 & x2\n");
  const auto missing = testing::RunCli({"show", adder, "--block", "7", "--formula"});
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("not a logic block"), std::string::npos) << missing.err;
  EXPECT_EQ(testing::RunCli({"show", adder, "--formula"}).status, 2);
}

}  // namespace
}  // namespace lodex
