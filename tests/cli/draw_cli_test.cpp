#include <gtest/gtest.h>

#include "cli/CliRunner.h"
#include "model/SchemeFile.h"

namespace lodex {
namespace {

using testing::CTempDir;
using testing::ReadBytes;
using testing::RunCli;

TEST(DrawCli, WritesSvgAndVisioDrawings) {
  CTempDir dir;
  const std::string in = dir.File("p.shc");
  ASSERT_TRUE(SaveSchemeFile(in, CLogicalScheme(2, 1, "Bl_1", "0010")));

  const auto svg = RunCli({"draw", in, "-o", dir.File("p.svg")});
  ASSERT_EQ(svg.status, 0) << svg.err;
  EXPECT_EQ(svg.out, "");
  const std::string picture = ReadBytes(dir.File("p.svg"));
  EXPECT_NE(picture.find("<svg"), std::string::npos);
  EXPECT_NE(picture.find(">&amp;</text>"), std::string::npos);  // the AND symbol

  const auto plain = RunCli({"draw", in, "-o", dir.File("q.SVG"), "--no-library"});
  ASSERT_EQ(plain.status, 0) << plain.err;
  EXPECT_NE(ReadBytes(dir.File("q.SVG")).find(">Блок 1</text>"), std::string::npos);

  const auto vdx = RunCli({"draw", in, "-o", dir.File("p.vdx")});
  ASSERT_EQ(vdx.status, 0) << vdx.err;
  const std::string drawing = ReadBytes(dir.File("p.vdx"));
  EXPECT_NE(drawing.find("<VisioDocument"), std::string::npos);
  EXPECT_NE(drawing.find("<Text>&amp;</Text>"), std::string::npos);
}

TEST(DrawCli, RefusesBadInputAndWritesNothing) {
  CTempDir dir;
  const std::string out = dir.File("x.svg");
  const auto missing = RunCli({"draw", dir.File("none.shc"), "-o", out});
  EXPECT_EQ(missing.status, 2);
  EXPECT_FALSE(missing.err.empty());

  const std::string in = dir.File("p.shc");
  ASSERT_TRUE(SaveSchemeFile(in, CLogicalScheme(2, 1, "Bl_1", "0110")));
  EXPECT_EQ(RunCli({"draw", in, "-o", dir.File("x.png")}).status, 1);
  EXPECT_EQ(RunCli({"draw", in}).status, 1);
  const auto unwritable = RunCli({"draw", in, "-o", dir.File("no/such/dir.svg")});
  EXPECT_EQ(unwritable.status, 2);
  EXPECT_EQ(ReadBytes(out), "");
  EXPECT_EQ(RunCli({"draw", "--help"}).status, 0);
}

}  // namespace
}  // namespace lodex
