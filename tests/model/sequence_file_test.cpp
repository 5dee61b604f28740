#include <gtest/gtest.h>

#include "model/SequenceFile.h"
#include "model/TempDir.h"

namespace lodex {
namespace {

TEST(SequenceFile, LineBreaksEveryFourCharacters) {
  EXPECT_EQ(FormatSequenceFile("0123"), "0123");
  EXPECT_EQ(FormatSequenceFile("01234"), "0123\r\n4");
  EXPECT_EQ(FormatSequenceFile("0a1b2c3d"), "0a1b\r\n2c3d");  // by character, not by word
  EXPECT_EQ(FormatSequenceFile(""), "");
}

TEST(SequenceFile, ReadingDropsWhiteSpaceAndUpperCases) {
  EXPECT_EQ(ParseSequenceFile("0a1b\r\n2c*d"), "0A1B2C*D");
  EXPECT_EQ(ParseSequenceFile(" 0 1\t\n0\r1 "), "0101");
  EXPECT_EQ(ParseSequenceFile(""), "");
}

TEST(SequenceFile, WriteThenRead) {
  testing::CTempDir dir;
  const std::string path = dir.File("b.lof");
  ASSERT_TRUE(WriteSequenceFile(path, "0a1b2").ok());
  EXPECT_EQ(testing::ReadBytes(path), "0a1b\r\n2");
  std::string lp;
  ASSERT_TRUE(ReadSequenceFile(path, lp).ok());
  EXPECT_EQ(lp, "0A1B2");

  testing::WriteBytes(path, "");
  ASSERT_TRUE(ReadSequenceFile(path, lp).ok());
  EXPECT_EQ(lp, "");
}

TEST(SequenceFile, FailuresAreReported) {
  testing::CTempDir dir;
  std::string lp = "keep";
  EXPECT_FALSE(ReadSequenceFile(dir.File("missing.lof"), lp).ok());
  EXPECT_EQ(lp, "keep");
  EXPECT_FALSE(WriteSequenceFile(dir.File("no/folder/x.lof"), "01").ok());
}

}  // namespace
}  // namespace lodex
