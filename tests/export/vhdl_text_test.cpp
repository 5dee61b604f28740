#include <gtest/gtest.h>

#include <sstream>

#include "export/VhdlGenerator.h"
#include "model/Cp1251.h"
#include "model/TempDir.h"
#include "synthesis/OpsTestUtil.h"

namespace lodex {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

const VhdlDate kDate{8, 3, 2026};

TEST(VhdlText, TheAnd2Project) {
  const CLogicalScheme s(2, 1, "Bl_1", "0001");
  const std::string expected =
      "---------------------------------------------------\n"
      "-- This code was produced by\n"
      "-- Lodex 2 VHDL Translator\n"
      "-- Structural synthesis of combinational logic\n"
      "\n"
      "-- Source\t: and2.shc\n"
      "-- Date\t: 08.03.2026\n"
      "---------------------------------------------------\n"
      "\n"
      "---------------------------------------------------\n"
      "-------------<<<<<ОПИСАНИЕ БЛОКОВ>>>>>-------------\n"
      "---------------------------------------------------\n"
      "\n"
      "--  Блок 1:\n"
      "--    - входов:\t2\n"
      "--    - выходов:\t1\n"
      "library IEEE;\n"
      "use IEEE.STD_LOGIC_1164.ALL;\n"
      "entity and2_Bl_1 is\n"
      "\tPort(in_Bl_1: in std_logic_vector(1 downto 0);\n"
      "\t\tout_Bl_1: out std_logic_vector(0 downto 0));\n"
      "end and2_Bl_1;\n"
      "\n"
      "architecture Behavioral of and2_Bl_1 is\n"
      "\tsignal t: std_logic_vector(0 downto 0);\n"
      "begin\n"
      "\twith in_Bl_1 select t <=\n"
      "\t\t\"0\" when \"00\",\n"
      "\t\t\"0\" when \"01\",\n"
      "\t\t\"0\" when \"10\",\n"
      "\t\t\"1\" when \"11\",\n"
      "\t\t\"1\" when others;\n"
      "\tout_Bl_1 <= t;\n"
      "end Behavioral;\n"
      "------------------------\n"
      "\n"
      "---------------------------------------------------\n"
      "-------------<<<<<ОПИСАНИЕ СВЯЗЕЙ>>>>>-------------\n"
      "---------------------------------------------------\n"
      "\n"
      "library IEEE;\n"
      "use IEEE.STD_LOGIC_1164.ALL;\n"
      "use IEEE.STD_LOGIC_ARITH.ALL;\n"
      "use IEEE.STD_LOGIC_UNSIGNED.ALL;\n"
      "\n"
      "--  and2:\n"
      "--    - входов: 2\n"
      "--    - выходов: 1\n"
      "entity and2 is\n"
      "\tPort(I: in std_logic_vector(1 downto 0);\n"
      "\t\tO: out std_logic_vector(0 downto 0));\n"
      "end and2;\n"
      "\n"
      "architecture Behavioral of and2 is\n"
      "\tcomponent and2_Bl_1 is\n"
      "\t\tPort(in_Bl_1: in std_logic_vector(1 downto 0);\n"
      "\t\t\tout_Bl_1: out std_logic_vector(0 downto 0));\n"
      "\tend component;\n"
      "\n"
      "\tsignal net_Bl_1: std_logic_vector(0 downto 0);\n"
      "\n"
      "begin\n"
      "\tcomp_Bl_1: and2_Bl_1 port map(\n"
      "\t\t\tin_Bl_1(0) => I(0),\n"
      "\t\t\tin_Bl_1(1) => I(1),\n"
      "\t\t\tout_Bl_1(0) => net_Bl_1(0));\n"
      "\n"
      "\tO(0) <= net_Bl_1(0);\n"
      "end Behavioral;";
  const auto got = Lines(CVhdlGenerator::Text(s, "and2.shc", kDate));
  const auto want = Lines(expected);
  ASSERT_EQ(got.size(), want.size());
  for (size_t i = 0; i < want.size(); ++i) EXPECT_EQ(got[i], want[i]) << "line " << i + 1;
  // The date is today's in a real export; only its line differs.
  const auto today = Lines(CVhdlGenerator::Text(s, "and2.shc", TodayForVhdl()));
  ASSERT_EQ(today.size(), want.size());
  for (size_t i = 0; i < want.size(); ++i)
    if (i != 6) {
      EXPECT_EQ(today[i], want[i]);
    }
  EXPECT_TRUE(CVhdlGenerator::Text(s, "and2.shc", kDate).ends_with("end Behavioral;"));
}

TEST(VhdlText, TitleStemAndDesignName) {
  EXPECT_EQ(VhdlTitleStem("dispatch.shc"), "dispatch");
  EXPECT_EQ(VhdlTitleStem("Схема1"), "Схема1");
  EXPECT_EQ(VhdlTitleStem("a.shc.txt"), "a.shc.txt");
  EXPECT_EQ(VhdlDesignName("Схема1"), "sxema1");
  EXPECT_EQ(VhdlDesignName("абвгдеёжзийклмнопрстуфхцчшщъыьэюя"), "abvgdeegziyklmnoprstufxcchshshyibeyuya");
  EXPECT_EQ(VhdlDesignName("АБВ"), "abv");
  EXPECT_EQ(VhdlDesignName("Счётчик"), "schetchik");
  EXPECT_EQ(CVhdlGenerator::ProposedFileName("Сумматор.shc"), "summator.vhd");

  // Names that the table leaves valid stay exactly as it gives them...
  EXPECT_EQ(VhdlDesignName("my adder"), "my_adder");
  EXPECT_EQ(VhdlDesignName("adder(v2"), "adder_v2");
  // ...and names that no VHDL tool would accept are repaired.
  EXPECT_EQ(VhdlDesignName("full-adder"), "full_adder");
  EXPECT_EQ(VhdlDesignName("a (b)"), "a_b");
  EXPECT_EQ(VhdlDesignName("2bit"), "design_2bit");
  EXPECT_EQ(VhdlDesignName(""), "design");
  EXPECT_EQ(VhdlDesignName("Entity"), "entity_design");
  EXPECT_EQ(VhdlDesignName("日本"), "design");
}

TEST(VhdlText, CyrillicTitleKeptInComments) {
  const CLogicalScheme s(1, 1, "Bl_1", "01");
  const std::string text = CVhdlGenerator::Text(s, "Схема1", kDate);
  EXPECT_NE(text.find("-- Source\t: Схема1.shc\n"), std::string::npos);
  EXPECT_NE(text.find("\n--  Схема1:\n"), std::string::npos);
  EXPECT_NE(text.find("entity sxema1 is"), std::string::npos);
  EXPECT_NE(text.find("entity sxema1_Bl_1 is"), std::string::npos);
}

TEST(VhdlText, WordBits) {
  EXPECT_EQ(VhdlWordBits("A", 4), "1010");
  EXPECT_EQ(VhdlWordBits("a", 4), "1010");  // lower-case digits are digits
  EXPECT_EQ(VhdlWordBits("1F", 5), "11111");
  EXPECT_EQ(VhdlWordBits("1F", 3), "111");  // high bits dropped
  EXPECT_EQ(VhdlWordBits("3", 4), "0011");
  EXPECT_EQ(VhdlWordBits("*", 3), "***");
  EXPECT_EQ(VhdlWordBits("0*", 2), "**");
}

TEST(VhdlText, UndefinedRowsAreComments) {
  // Two inputs, five outputs: two digits a word.
  const CLogicalScheme s(2, 5, "Bl_1", "**0*1fa3");
  const std::string text = CVhdlGenerator::Text(s, "x", kDate);
  EXPECT_NE(text.find("--\t\t\"*****\" when \"00\",\n"), std::string::npos);
  EXPECT_NE(text.find("--\t\t\"*****\" when \"01\",\n"), std::string::npos);
  EXPECT_NE(text.find("\n\t\t\"11111\" when \"10\",\n"), std::string::npos);
  EXPECT_NE(text.find("\n\t\t\"00011\" when \"11\",\n"), std::string::npos);  // 0xa3: lowest five bits
  EXPECT_NE(text.find("\t\t\"00011\" when others;\n"), std::string::npos);    // 3 in five bits
}

TEST(VhdlText, SelectorsAndPortMaps) {
  // Bl_1 (4 inputs, fed partly by Bl_2) and Bl_2 (one input, one output).
  CLogicalScheme s(4, 1, "Bl_1", "0000000000000001");
  s.m_blockCounter = 2;
  s.GetBlock(1).m_inputs[0] = {0, "Bl_2"};
  s.InsertBlock(2, testing::Block("Bl_2", "10", {{3, "I"}}));
  s.GetBlock(3).m_inputs[0] = {0, "I"};  // an output straight from an input
  const std::string text = CVhdlGenerator::Text(s, "x", kDate);
  EXPECT_NE(text.find("\t\t\"0\" when \"1010\",\n"), std::string::npos);
  EXPECT_NE(text.find("\t\t\"1\" when others;\n"), std::string::npos);  // 15 in one bit
  EXPECT_NE(text.find("\t\t\tin_Bl_1(0) => net_Bl_2(0),\n"), std::string::npos);
  EXPECT_NE(
      text.find("\tcomp_Bl_2: x_Bl_2 port map(\n\t\t\tin_Bl_2(0) => I(3),\n\t\t\tout_Bl_2(0) => net_Bl_2(0));\n\n"),
      std::string::npos);
  EXPECT_NE(text.find("\tO(0) <= I(0);\n"), std::string::npos);
  EXPECT_NE(text.find("\t\t\"1\" when \"0\",\n\t\t\"0\" when \"1\",\n"), std::string::npos);  // the inverter
}

TEST(VhdlFile, Windows1251WithCrLf) {
  testing::CTempDir dir;
  const std::string path = dir.File("x.vhd");
  ASSERT_TRUE(CVhdlGenerator::WriteFile(path, "-- Блок\nend;").ok());
  EXPECT_EQ(testing::ReadBytes(path), "-- \xC1\xEB\xEE\xEA\r\nend;");
  EXPECT_FALSE(CVhdlGenerator::WriteFile(path, "-- ☃\n").ok());
  EXPECT_EQ(testing::ReadBytes(path), "-- \xC1\xEB\xEE\xEA\r\nend;");  // the old file stays
  EXPECT_FALSE(CVhdlGenerator::WriteFile(dir.File("no/dir/x.vhd"), "x").ok());
}

}  // namespace
}  // namespace lodex
