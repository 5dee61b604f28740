// lodex-cli's document commands end to end on files in a temporary folder.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/CliRunner.h"

namespace lodex {
namespace {

using testing::CTempDir;
using testing::ReadBytes;
using testing::RunCli;

// Output 0 = x0 & x1 & x2, output 1 = majority(x1, x2, x3).
constexpr const char* kProject = "0000002300222223";

// New, parallel, fictitious, serial, three-input, optimize, cover and
// analyze, each step writing its own file; returns the files in order.
std::vector<std::string> RunPipeline(const CTempDir& dir) {
  std::vector<std::string> files;
  auto step = [&](std::vector<std::string> args, const std::string& in) {
    const std::string out = dir.File(std::to_string(files.size()) + ".shc");
    args.insert(args.begin() + 1, in);
    args.insert(args.end(), {"-o", out});
    const auto r = RunCli(args);
    EXPECT_EQ(r.status, 0) << args[0] << ": " << r.err;
    files.push_back(out);
    return out;
  };
  const std::string p0 = dir.File("p.shc");
  EXPECT_EQ(RunCli({"new", "-n", "4", "-m", "2", "--lp", kProject, "-o", p0}).status, 0);
  std::string p = step({"parallel", "--block", "1", "--in2", "14", "--out2", "2"}, p0);
  p = step({"fictitious", "--block", "1", "--remove", "3"}, p);
  p = step({"serial", "--block", "1", "--mask", "3"}, p);
  p = step({"three-input", "--block", "Bl_2", "--input", "2"}, p);
  p = step({"optimize"}, p);
  p = step({"cover", "--nand"}, p);
  const auto analysed = RunCli({"analyze", p});
  EXPECT_EQ(analysed.status, 0) << analysed.out << analysed.err;
  EXPECT_EQ(analysed.out.substr(0, 17), std::string(kProject) + "\n");
  return files;
}

TEST(DocumentCli, ProjectThroughEveryCommandIsReproducible) {
  CTempDir first, second;
  const std::vector<std::string> a = RunPipeline(first), b = RunPipeline(second);
  ASSERT_EQ(a.size(), b.size());
  for (size_t i = 0; i < a.size(); ++i) {
    EXPECT_FALSE(ReadBytes(a[i]).empty()) << a[i];
    EXPECT_EQ(ReadBytes(a[i]), ReadBytes(b[i])) << "step " << i;
  }
}

TEST(DocumentCli, SerialListAndJson) {
  CTempDir dir;
  const std::string p = dir.File("p.shc");
  ASSERT_EQ(RunCli({"new", "-n", "3", "-m", "1", "--lp", "00110111", "-o", p}).status, 0);  // (x0 & x2) | x1
  const auto list = RunCli({"serial", p, "--block", "1", "--list"});
  ASSERT_EQ(list.status, 0) << list.err;
  EXPECT_NE(list.out.find("5\t8\t4, 1, \t2, \n"), std::string::npos) << list.out;
  const auto json = RunCli({"serial", p, "--block", "Bl_1", "--list", "--json"});
  ASSERT_EQ(json.status, 0);
  EXPECT_NE(json.out.find("\"mask\": 5,\n    \"complexity\": 8,\n    \"bound\": \"4, 1, \",\n    \"free\": \"2, \""),
            std::string::npos)
      << json.out;

  // A mask the search does not accept: refused, nothing written.
  const std::string out = dir.File("out.shc");
  const auto refused = RunCli({"serial", p, "--block", "1", "--mask", "1", "-o", out});
  EXPECT_EQ(refused.status, 2);
  EXPECT_FALSE(refused.err.empty());
  EXPECT_FALSE(std::filesystem::exists(out));
  EXPECT_EQ(RunCli({"serial", p, "--block", "1"}).status, 1);  // neither --list nor --mask
  const auto applied = RunCli({"serial", p, "--block", "1", "--mask", "0x5"});
  EXPECT_EQ(applied.status, 0);
  EXPECT_NE(applied.out.find("blockCounter\t2"), std::string::npos) << applied.out;
}

TEST(DocumentCli, DialogListsAndTheirRefusals) {
  CTempDir dir;
  const std::string p = dir.File("p.shc");
  ASSERT_EQ(RunCli({"new", "-n", "3", "-m", "1", "--lp", "00000101", "-o", p}).status, 0);  // x0 & x2
  const auto grid = RunCli({"fictitious", p, "--block", "1"});
  EXPECT_EQ(grid.out, "In4\t 1\nIn2\t 0\nIn1\t 1\n");
  EXPECT_EQ(RunCli({"fictitious", p, "--block", "1", "--remove", "0", "-o", dir.File("x.shc")}).status, 2);
  EXPECT_EQ(RunCli({"fictitious", p, "--block", "1", "--remove", "7", "-o", dir.File("x.shc")}).status, 2);
  EXPECT_EQ(RunCli({"fictitious", p, "--block", "1", "--remove", "1", "-o", dir.File("x.shc")}).status, 0);

  const std::string and3 = dir.File("and3.shc");
  ASSERT_EQ(RunCli({"new", "-n", "3", "-m", "1", "--lp", "00000001", "-o", and3}).status, 0);
  EXPECT_EQ(RunCli({"three-input", and3, "--block", "1"}).out,
            "In 4, тип выделяемого блока 4\nIn 2, тип выделяемого блока 4\nIn 1, тип выделяемого блока 4\n");
  const auto none = RunCli({"fictitious", and3, "--block", "1", "--remove", "0"});
  EXPECT_EQ(none.status, 2);
  EXPECT_NE(none.err.find("Нет фиктивных входов!"), std::string::npos);
  // Parallel needs more than one output.
  EXPECT_EQ(RunCli({"parallel", and3, "--block", "1", "--in2", "1", "--out2", "1"}).status, 2);
}

TEST(DocumentCli, ParallelSerialOfferAnsweredByMerge) {
  CTempDir dir;
  const std::string p = dir.File("p.shc"), merged = dir.File("m.shc");
  // Output 0 = ((x0 & x1) | x2) & x3, output 1 = x0 & x1.
  ASSERT_EQ(RunCli({"new", "-n", "4", "-m", "2", "--lp", "0002000200031113", "-o", p}).status, 0);
  const auto r = RunCli({"parallel", p, "--block", "1", "--in2", "3", "--out2", "2", "--merge", "yes", "-o", merged});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "Возможно выделение последовательного блока с теми же входами\n\rХотите выделить и объединить в "
            "параллельно-последовательный блок?\n");
  EXPECT_EQ(RunCli({"analyze", merged}).status, 0);
  EXPECT_NE(RunCli({"show", merged}).out.find("Bl_2\tБлок 2\t2\t2\t"), std::string::npos);
  EXPECT_EQ(RunCli({"parallel", p, "--block", "1", "--in2", "3", "--out2", "8"}).status, 2);  // no output 3
  EXPECT_EQ(RunCli({"parallel", p, "--block", "1", "--in2", "3", "--out2", "2", "--merge", "maybe"}).status, 1);
}

TEST(DocumentCli, AnalyzeReportsAMismatchWithStatusThree) {
  CTempDir dir;
  const std::string p = dir.File("p.shc"), bad = dir.File("bad.shc");
  ASSERT_EQ(RunCli({"new", "-n", "4", "-m", "2", "--lp", kProject, "-o", p}).status, 0);
  // Output 1 taken from input 1 alone loses what it needs from inputs 2 and 3.
  ASSERT_EQ(RunCli({"parallel", p, "--block", "1", "--in2", "2", "--out2", "2", "-o", bad}).status, 0);
  const auto r = RunCli({"analyze", bad});
  EXPECT_EQ(r.status, 3);
  EXPECT_NE(r.out.find("Не сходятся логические последовательности!\n"), std::string::npos);
  EXPECT_NE(r.out.find("НЕСОВПАДЕНИЕ\t"), std::string::npos);
  const auto ok = RunCli({"analyze", p});
  EXPECT_EQ(ok.status, 0);
  EXPECT_EQ(ok.out, std::string(kProject) +
                        "\nOK\t0\t 0\t 0\t 0\t 0\t\t 0\t 0\t 0\t 0\nOK\t1\t 0\t 0\t 2\t 3\t\t 0\t 0\t 2\t 3\n"
                        "OK\t2\t 0\t 0\t 2\t 2\t\t 0\t 0\t 2\t 2\nOK\t3\t 2\t 2\t 2\t 3\t\t 2\t 2\t 2\t 3\n");
}

TEST(DocumentCli, DamagedInputIsRefusedAndNothingWritten) {
  CTempDir dir;
  const std::string bad = dir.File("bad.shc"), out = dir.File("out.shc");
  testing::WriteBytes(bad, "garbage");
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{"serial", bad, "--block", "1", "--list"},
                                             {"cover", bad, "--nor", "-o", out},
                                             {"optimize", bad, "-o", out},
                                             {"analyze", bad},
                                             {"lof", bad, "--block", "1", "-o", dir.File("x.lof")}}) {
    const auto r = RunCli(args);
    EXPECT_EQ(r.status, 2) << args[0];
    EXPECT_FALSE(r.err.empty()) << args[0];
  }
  EXPECT_FALSE(std::filesystem::exists(out));
}

TEST(DocumentCli, OptimizePrintsItsMessagesAndCoverNorRuns) {
  CTempDir dir;
  const std::string p = dir.File("p.shc"), out = dir.File("o.shc");
  ASSERT_EQ(RunCli({"new", "-n", "2", "-m", "1", "--lp", "1001", "-o", p}).status, 0);
  const auto r = RunCli({"optimize", p, "-o", out});
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out, "количество ярусов в схеме = 2\n\n");  // the tiers, then the empty candidate list
  ASSERT_EQ(RunCli({"cover", p, "--nor", "-o", out}).status, 0);
  EXPECT_EQ(RunCli({"analyze", out}).status, 0);
  EXPECT_EQ(RunCli({"cover", p, "-o", out}).status, 1);  // neither --nand nor --nor
}

TEST(DocumentCli, SynthReachesKPrintsItsLineAndRefusesAWrongWidth) {
  CTempDir dir;
  const std::string p = dir.File("p.shc"), out = dir.File("k2.shc");
  ASSERT_EQ(RunCli({"new", "-n", "4", "-m", "2", "--lp", kProject, "-o", p}).status, 0);
  const auto synth = RunCli({"synth", p, "--max-inputs", "2", "-o", out});
  ASSERT_EQ(synth.status, 0) << synth.err;
  EXPECT_TRUE(synth.out.starts_with("blocks ")) << synth.out;
  EXPECT_NE(synth.out.find(", tiers "), std::string::npos) << synth.out;
  EXPECT_TRUE(synth.out.ends_with(" s\n")) << synth.out;
  const auto analysed = RunCli({"analyze", out});
  EXPECT_EQ(analysed.status, 0) << analysed.out << analysed.err;
  const auto shown = RunCli({"show", out, "--json"});
  EXPECT_EQ(shown.out.find("\"inputCount\": 3"), std::string::npos) << "a block wider than 2 is left";

  const auto wide = RunCli({"synth", p, "--max-inputs", "9", "-o", dir.File("no.shc")});
  EXPECT_EQ(wide.status, 2);
  EXPECT_EQ(wide.err, "lodex-cli: --max-inputs must lie in 2..8, not 9\n");
  EXPECT_TRUE(ReadBytes(dir.File("no.shc")).empty());

  const auto depth = RunCli({"synth", p, "--max-inputs", "3", "--objective", "depth", "-o", out});
  ASSERT_EQ(depth.status, 0) << depth.err;
  EXPECT_EQ(RunCli({"analyze", out}).status, 0);
  const auto wrong = RunCli({"synth", p, "--max-inputs", "3", "--objective", "area", "-o", dir.File("no.shc")});
  EXPECT_EQ(wrong.status, 1) << "a wrong objective is a usage error";
  EXPECT_TRUE(ReadBytes(dir.File("no.shc")).empty());
}

}  // namespace
}  // namespace lodex
