#include <gtest/gtest.h>

#include <filesystem>

#include "model/Archive.h"
#include "model/Cp1251.h"
#include "model/DamagedSchemes.h"
#include "model/SchemeFile.h"
#include "model/TempDir.h"
#include "synthesis/OpsTestUtil.h"

namespace lodex {
namespace {

using testing::CTempDir;

TEST(SchemeFile, TheOneInputProjectByteForByte) {
  const CLogicalScheme s(1, 1, "Bl_1", "01");
  EXPECT_EQ(StoreScheme(s), testing::NewProjectScheme());
  CLogicalScheme loaded;
  ASSERT_TRUE(LoadScheme(testing::NewProjectScheme(), loaded).ok());
  EXPECT_EQ(loaded, s);
  // An older file's caption is read as it stands.
  ASSERT_TRUE(LoadScheme(testing::ExampleScheme(), loaded).ok());
  EXPECT_EQ(loaded.GetBlock(1).m_caption, "Блок1");
}

TEST(SchemeFile, StringPrefixes) {
  for (const auto& [length, prefix] :
       std::vector<std::pair<size_t, std::string>>{{254, "\xFE"},
                                                   {255, std::string("\xFF\xFF\x00", 3)},
                                                   {0xFFFD, "\xFF\xFD\xFF"},
                                                   {0xFFFE, std::string("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7)}}) {
    CArchive ar;
    ar.WriteString(std::string(length, 'a'), ReasonCode::ItemCaption);
    EXPECT_EQ(ar.Bytes().substr(0, prefix.size()), prefix) << length;
    EXPECT_EQ(ar.Bytes().size(), prefix.size() + length);
    CArchive in(ar.Bytes());
    EXPECT_EQ(in.ReadString(ReasonCode::ItemCaption).size(), length);
  }
}

TEST(SchemeFile, CyrillicIsWindows1251OnDisk) {
  CArchive ar;
  ar.WriteString("Блок1", ReasonCode::ItemCaption);
  EXPECT_EQ(ar.Bytes(), "\x05\xC1\xEB\xEE\xEA\x31");
  EXPECT_EQ(Cp1251ToUtf8("\xC1\xEB\xEE\xEA"), "Блок");
  EXPECT_EQ(Utf8ToCp1251("Ёё№"), "\xA8\xB8\xB9");
  // Every byte survives a decode and an encode.
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(all)), all);
}

TEST(SchemeFile, TextOutsideTheCodePageIsRefusedNotMangled) {
  EXPECT_FALSE(Utf8ToCp1251("日本").has_value());
  EXPECT_FALSE(Utf8ToCp1251("\xC3").has_value());          // cut sequence
  EXPECT_FALSE(Utf8ToCp1251("\xC0\xAF").has_value());      // overlong
  EXPECT_FALSE(Utf8ToCp1251("\xED\xA0\x80").has_value());  // surrogate

  CTempDir dir;
  const std::string path = dir.File("x.shc");
  CLogicalScheme s(1, 1, "Bl_1", "01");
  ASSERT_TRUE(SaveSchemeFile(path, s).ok());
  const std::string before = testing::ReadBytes(path);
  s.GetBlock(1).m_caption = "Блок ☃";
  const Status saved = SaveSchemeFile(path, s);
  ASSERT_FALSE(saved.ok());
  EXPECT_NE(saved.message().find("block 1 (Bl_1): caption"), std::string::npos) << saved.message();
  EXPECT_EQ(testing::ReadBytes(path), before);
}

TEST(SchemeFile, RoundTripOfABuiltScheme) {
  CLogicalScheme s(3, 5, "Bl_1", "0001020304050607");
  s.m_blockCounter = 4;
  CLogicalBlock extra = testing::Block("Bl_4", "0110", {{2, "I"}, {0, "I"}});
  extra.m_tier = 3;
  s.InsertBlock(2, extra);
  s.GetBlock(1).m_inputs[0] = {0, "Bl_4"};
  s.GetBlock(1).m_caption = std::string(300, 'x');  // long-prefix string
  ASSERT_EQ(ValidateScheme(s), "");

  CTempDir dir;
  ASSERT_TRUE(SaveSchemeFile(dir.File("s.shc"), s).ok());
  CLogicalScheme loaded;
  ASSERT_TRUE(LoadSchemeFile(dir.File("s.shc"), loaded).ok());
  EXPECT_EQ(loaded.GetBlock(2).m_tier, 0);  // tiers are not stored
  loaded.GetBlock(2).m_tier = 3;
  EXPECT_EQ(loaded, s);
}

TEST(SchemeFile, EmptySchemeRoundTrips) {
  const CLogicalScheme empty;
  CLogicalScheme loaded(1, 1, "Bl_1", "01");
  ASSERT_TRUE(LoadScheme(StoreScheme(empty), loaded).ok());
  EXPECT_EQ(loaded, empty);
}

TEST(SchemeFile, DamagedFilesAreRefusedAndChangeNothing) {
  const CLogicalScheme original(2, 1, "Bl_1", "0110");
  for (const auto& [what, bytes] : testing::DamagedSchemes()) {
    CLogicalScheme s = original;
    const Status st = LoadScheme(bytes, s);
    EXPECT_FALSE(st.ok()) << what;
    EXPECT_FALSE(st.message().empty()) << what;
    EXPECT_EQ(st.message().find('\n'), std::string::npos) << what;
    EXPECT_EQ(s, original) << what;
  }
}

TEST(SchemeFile, ReasonsNameTheBlockAndField) {
  using testing::Hex;
  const std::string h = testing::ExampleHeader(), in = testing::ExampleInputBlock(),
                    out = testing::ExampleOutputBlock();
  auto reason = [](const std::string& bytes) {
    CLogicalScheme s;
    return LoadScheme(bytes, s).message();
  };
  EXPECT_EQ(reason(h + in + testing::ExampleLogicBlock("02 30 31", "04 42 6C 5F 39 00 00") + out),
            "block 1 (Bl_1): input 0 names unknown block Bl_9");
  EXPECT_EQ(reason(h + in + testing::ExampleLogicBlock("02 30 31", "01 49 03 00") + out),
            "block 1 (Bl_1): input 0 uses pin 3 of I, which has 1 outputs");
  EXPECT_EQ(reason(h + in + testing::ExampleLogicBlock("01 30") + out),
            "block 1 (Bl_1): sequence has 1 characters, 2 expected");
  EXPECT_EQ(reason(testing::ExampleScheme().substr(0, 90)), "file ends in the block 2 (O): input 0 pin");
}

TEST(SchemeFile, FileErrorsAreReported) {
  CTempDir dir;
  CLogicalScheme s;
  const Status missing = LoadSchemeFile(dir.File("none.shc"), s);
  EXPECT_FALSE(missing.ok());
  EXPECT_NE(missing.message().find("none.shc"), std::string::npos);

  const CLogicalScheme p(1, 1, "Bl_1", "01");
  EXPECT_FALSE(SaveSchemeFile(dir.File("no/such/folder/x.shc"), p).ok());
  EXPECT_FALSE(SaveSchemeFile(dir.Path().string(), p).ok());
  // A failed save leaves no temporary file behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), std::filesystem::directory_iterator()), 0);
}

TEST(SchemeFile, SaveReplacesThePreviousFileWhole) {
  CTempDir dir;
  const std::string path = dir.File("x.shc");
  ASSERT_TRUE(SaveSchemeFile(path, CLogicalScheme(2, 1, "Bl_1", "0110")).ok());
  ASSERT_TRUE(SaveSchemeFile(path, CLogicalScheme(1, 1, "Bl_1", "01")).ok());
  EXPECT_EQ(testing::ReadBytes(path), testing::NewProjectScheme());
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), std::filesystem::directory_iterator()), 1);
}

}  // namespace
}  // namespace lodex
