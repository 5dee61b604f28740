// The forms a schematic comes in (plain and quoted text, XML) and
// sub-schematics, through the built library as the program meets them.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <regex>

#include "TarrowLibrary.h"
#include "schimport/TempDir.h"

namespace tarrow {
namespace {

using testing::Library;
using testing::TempDir;

class SchematicForms : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(lib.complete()) << ::dlerror(); }

  // The sequence of the file `name` written with `text`, or "refused: " and
  // the reason.
  std::string Compute(const std::string& name, const std::string& text) {
    const std::string path = dir.Write(name, text);
    const std::string sequence = lib.fromFile(path.c_str());
    return sequence.empty() ? "refused: " + std::string(lib.lastRefusal()) : sequence;
  }

  TempDir dir;
  Library lib;
};

// F0 = S2 ? A1 : A0, with an unused inverter and a title block; in order of
// the combination (A0 bit 0, A1 bit 1, S2 bit 2).
constexpr const char* kMux = "01010011";

TEST_F(SchematicForms, PlainAndQuotedTextAndXmlGiveTheSameSequence) {
  const std::string plain =
      "VERSION 6\r\nBEGIN SCHEMATIC\r\n    BEGIN NETLIST\r\n        SIGNAL A0\r\n        SIGNAL A1\r\n"
      "        SIGNAL S2\r\n        SIGNAL F0\r\n        PORT Input A0\r\n        PORT Input A1\r\n"
      "        PORT Input S2\r\n        PORT Output F0\r\n        BEGIN BLOCKDEF m2_1\r\n"
      "            TIMESTAMP 2001 2 2 12 35 8\r\n            LINE N 0 -96 96 -96\r\n        END BLOCKDEF\r\n"
      "        BEGIN BLOCK XLXI_1 m2_1\r\n            PIN D0 A0\r\n            PIN D1 A1\r\n"
      "            PIN S0 S2\r\n            PIN O F0\r\n        END BLOCK\r\n"
      "        BEGIN BLOCK XLXI_2 inv\r\n            PIN I A0\r\n            PIN O\r\n        END BLOCK\r\n"
      "        BEGIN BLOCK XLXI_3 title\r\n        END BLOCK\r\n    END NETLIST\r\n"
      "    BEGIN SHEET 1 3520 2720\r\n        IOMARKER 100 100 A0 R180 28\r\n    END SHEET\r\nEND SCHEMATIC\r\n";
  EXPECT_EQ(Compute("plain.sch", plain), kMux);
  EXPECT_EQ(lib.iCount(), 3);

  const std::string quoted =
      "VERSION 6\nBEGIN SCHEMATIC\n  BEGIN NETLIST\n    BEGIN SIGNAL \"A0\"\n    END SIGNAL\n"
      "    BEGIN SIGNAL \"A1\"\n    END SIGNAL\n    SIGNAL \"S2\"\n    SIGNAL \"F0\"\n"
      "    PORT Input \"A0\"\n    PORT Input \"A1\"\n    PORT Input \"S2\"\n    PORT Output \"F0\"\n"
      "    BEGIN BLOCK \"XLXI_1\" \"m2_1\"\n      PIN \"D0\" \"A0\"\n      PIN \"D1\" \"A1\"\n"
      "      PIN \"S0\" \"S2\"\n      PIN \"O\" \"F0\"\n    END BLOCK\n"
      "    BEGIN BLOCK \"XLXI_2\" \"inv\"\n      PIN \"I\" \"A0\"\n      PIN \"O\"\n    END BLOCK\n"
      "    BEGIN BLOCK \"XLXI_3\" \"title\"\n    END BLOCK\n  END NETLIST\nEND SCHEMATIC\n";
  EXPECT_EQ(Compute("quoted.sch", quoted), kMux);

  const std::string xml =
      "\xEF\xBB\xBF<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<drawing version=\"7\">\n"
      "  <attr value=\"spartan3e\" name=\"DeviceFamilyName\"><trait delete=\"all:0\" /></attr>\n"
      "  <netlist>\n    <signal name=\"A0\" />\n    <signal name='A1' />\n    <signal name=\"S2\" />\n"
      "    <signal name=\"F0\" />\n    <port polarity=\"Input\" name=\"A0\" />\n"
      "    <port polarity=\"Input\" name=\"A1\" />\n    <port polarity=\"Input\" name=\"S2\" />\n"
      "    <port polarity=\"Output\" name=\"F0\" />\n    <blockdef name=\"m2_1\">\n"
      "      <timestamp>2001-2-2T12:35:8</timestamp>\n      <blockpin name=\"X\" />\n    </blockdef>\n"
      "    <block symbolname=\"m2_1\" name=\"XLXI_1\">\n      <blockpin signalname=\"A0\" name=\"D0\" />\n"
      "      <blockpin signalname=\"A1\" name=\"D1\" />\n      <blockpin signalname=\"S2\" name=\"S0\" />\n"
      "      <blockpin signalname=\"F0\" name=\"O\" />\n    </block>\n"
      "    <block symbolname=\"inv\" name=\"XLXI_2\">\n      <blockpin signalname=\"A0\" name=\"I\" />\n"
      "      <blockpin name=\"O\" />\n    </block>\n    <block symbolname=\"title\" name=\"XLXI_3\" />\n"
      "    <!-- <block symbolname=\"fd\" name=\"XLXI_9\"> -->\n  </netlist>\n"
      "  <sheet sheetnum=\"1\" width=\"3520\" height=\"2720\">\n"
      "    <iomarker fontsize=\"28\" x=\"100\" y=\"100\" name=\"A0\" orien=\"R180\" />\n  </sheet>\n</drawing>\n";
  EXPECT_EQ(Compute("form7.sch", xml), kMux);
  EXPECT_EQ(lib.oCount(), 1);
}

TEST_F(SchematicForms, ConstantsBusPinsAndEntitiesInBothForms) {
  // F1 = (X(3:0) == the constant 5), with the bus pins of comp4 on buses.
  const std::string text =
      "SIGNAL X(3:0)\nSIGNAL K(3:0)\nSIGNAL F1\nPORT Input X(3:0)\nPORT Output F1\n"
      "BEGIN BLOCK XLXI_1 constant\nBEGIN ATTR CValue \"5\"\nEND ATTR\nPIN O K(3:0)\nEND BLOCK\n"
      "BEGIN BLOCK XLXI_2 comp4\nPIN A(3:0) X(3:0)\nPIN B(3:0) K(3:0)\nPIN EQ F1\nEND BLOCK\n";
  const std::string equalsFive = "0000010000000000";
  EXPECT_EQ(Compute("const.sch", text), equalsFive);
  const std::string xml =
      "<drawing version=\"7\"><netlist><signal name=\"X(3:0)\" /><signal name=\"K(3:0)\" />"
      "<signal name=\"Q&amp;1\" /><port polarity=\"Input\" name=\"X(3:0)\" />"
      "<port polarity=\"Output\" name=\"Q&amp;1\" /><block symbolname=\"constant\" name=\"XLXI_1\">"
      "<attr value=\"5\" name=\"CValue\"><trait verilog=\"all:1\" /></attr><blockpin signalname=\"K(3:0)\" name=\"O\" "
      "/>"
      "</block><block symbolname=\"comp4\" name=\"XLXI_2\"><blockpin signalname=\"X(3)\" name=\"A3\" />"
      "<blockpin signalname=\"X(2)\" name=\"A2\" /><blockpin signalname=\"X(1)\" name=\"A1\" />"
      "<blockpin signalname=\"X(0)\" name=\"A0\" /><blockpin signalname=\"K(3:0)\" name=\"B(3:0)\" />"
      "<blockpin signalname=\"Q&amp;1\" name=\"EQ\" /></block></netlist></drawing>";
  EXPECT_EQ(Compute("const-xml.sch", xml), equalsFive);

  // A one-bit constant takes bit 0 of its value.
  const std::string one =
      "SIGNAL A\nSIGNAL K\nSIGNAL F\nPORT Input A\nPORT Output F\nBEGIN BLOCK C1 constant\n"
      "ATTR CValue VALUE\nPIN O K\nBEGIN BLOCK G1 and2\nPIN I0 A\nPIN I1 K\nPIN O F\n";
  EXPECT_EQ(Compute("one.sch", std::regex_replace(one, std::regex("VALUE"), "3")), "01");
  EXPECT_EQ(Compute("one.sch", std::regex_replace(one, std::regex("VALUE"), "2")), "00");
  EXPECT_EQ(Compute("one.sch", std::regex_replace(one, std::regex("VALUE"), "zz")),
            "refused: the constant C1 has the value \"zz\", which is not a hexadecimal number of at most 16 digits");
}

// A two-bit adder in four levels: top (quoted text) uses Add2 (XML, bus
// ports), which uses FullAdd twice (text), which uses ha twice (text).
void WriteAdderProject(const TempDir& dir) {
  dir.Write("ha.sch",
            "SIGNAL A\nSIGNAL B\nSIGNAL S\nSIGNAL C\nPORT Input A\nPORT Input B\nPORT Output S\nPORT Output C\n"
            "BEGIN BLOCK XLXI_1 xor2\nPIN I0 A\nPIN I1 B\nPIN O S\nEND BLOCK\n"
            "BEGIN BLOCK XLXI_2 and2\nPIN I0 A\nPIN I1 B\nPIN O C\nEND BLOCK\n");
  dir.Write("FullAdd.sch",
            "SIGNAL A\nSIGNAL B\nSIGNAL CI\nSIGNAL S\nSIGNAL CO\nSIGNAL P\nSIGNAL G1\nSIGNAL G2\n"
            "PORT Input A\nPORT Input B\nPORT Input CI\nPORT Output S\nPORT Output CO\n"
            "BEGIN BLOCK XLXI_1 HA\nPIN A A\nPIN B B\nPIN S P\nPIN C G1\nEND BLOCK\n"
            "BEGIN BLOCK XLXI_2 HA\nPIN A P\nPIN B CI\nPIN S S\nPIN C G2\nEND BLOCK\n"
            "BEGIN BLOCK XLXI_3 or2\nPIN I0 G1\nPIN I1 G2\nPIN O CO\nEND BLOCK\n");
  dir.Write("Add2.sch",
            "<drawing version=\"7\"><netlist><signal name=\"A(1:0)\" /><signal name=\"B(1:0)\" />"
            "<signal name=\"S(1:0)\" /><signal name=\"CO\" /><signal name=\"C1\" /><signal name=\"ZERO\" />"
            "<port polarity=\"Input\" name=\"A(1:0)\" /><port polarity=\"Input\" name=\"B(1:0)\" />"
            "<port polarity=\"Output\" name=\"S(1:0)\" /><port polarity=\"Output\" name=\"CO\" />"
            "<block symbolname=\"gnd\" name=\"XLXI_0\"><blockpin signalname=\"ZERO\" name=\"G\" /></block>"
            "<block symbolname=\"fulladd\" name=\"XLXI_1\"><blockpin signalname=\"A(0)\" name=\"A\" />"
            "<blockpin signalname=\"B(0)\" name=\"B\" /><blockpin signalname=\"ZERO\" name=\"CI\" />"
            "<blockpin signalname=\"S(0)\" name=\"S\" /><blockpin signalname=\"C1\" name=\"CO\" /></block>"
            "<block symbolname=\"fulladd\" name=\"XLXI_2\"><blockpin signalname=\"A(1)\" name=\"A\" />"
            "<blockpin signalname=\"B(1)\" name=\"B\" /><blockpin signalname=\"C1\" name=\"CI\" />"
            "<blockpin signalname=\"S(1)\" name=\"S\" /><blockpin signalname=\"CO\" name=\"CO\" /></block>"
            "</netlist></drawing>");
}

TEST_F(SchematicForms, SubSchematicsEvaluateByTheirPortsThroughFourLevels) {
  WriteAdderProject(dir);
  const std::string top =
      "VERSION 6\nBEGIN SIGNAL \"X(1:0)\"\nEND SIGNAL\nSIGNAL \"Y(1:0)\"\nSIGNAL \"Z(1:0)\"\nSIGNAL \"Z2\"\n"
      "PORT Input \"X(1:0)\"\nPORT Input \"Y(1:0)\"\nPORT Output \"Z(1:0)\"\nPORT Output \"Z2\"\n"
      "BEGIN BLOCK \"XLXI_1\" \"add2\"\nPIN \"A(1:0)\" \"X(1:0)\"\nPIN \"B(1:0)\" \"Y(1:0)\"\n"
      "PIN \"S(1:0)\" \"Z(1:0)\"\nPIN \"CO\" \"Z2\"\nEND BLOCK\n";
  // Inputs sorted X(0), Y(0), X(1), Y(1) (equal bus indices keep the
  // exchange order); outputs Z(0), Z(1), Z2, the first the highest bit.
  std::string expected;
  for (unsigned j = 0; j < 16; ++j) {
    const unsigned x = (j & 1) | ((j >> 1) & 2), y = ((j >> 1) & 1) | ((j >> 2) & 2), z = x + y;
    expected += "01234567"[((z & 1) << 2) | (z & 2) | (z >> 2)];
  }
  EXPECT_EQ(Compute("top.sch", top), expected);
  EXPECT_EQ(lib.iCount(), 4);
  EXPECT_EQ(lib.oCount(), 3);
}

TEST_F(SchematicForms, RefusalsNameTheirCauseInOneLine) {
  WriteAdderProject(dir);
  const auto user = [](const std::string& type) {
    return "SIGNAL A\nSIGNAL F\nPORT Input A\nPORT Output F\nBEGIN BLOCK XLXI_1 " + type +
           "\nPIN A A\nPIN B A\nPIN S F\nEND BLOCK\n";
  };
  EXPECT_EQ(Compute("missing.sch", user("Mystery")),
            "refused: the block XLXI_1 has the type Mystery, which is neither a library part nor a schematic "
            "Mystery.sch in the folder of missing.sch");
  EXPECT_EQ(Compute("self.sch", user("SELF")),
            "refused: the block XLXI_1 uses self.sch, which is being read: the sub-schematics form a cycle");
  dir.Write("ping.sch", user("pong"));
  EXPECT_EQ(Compute("pong.sch", user("ping")),
            "refused: in ping.sch: the block XLXI_1 uses pong.sch, which is being read: the sub-schematics form a "
            "cycle");
  EXPECT_EQ(Compute("pins.sch", "SIGNAL A\nPORT Input A\nBEGIN BLOCK XLXI_1 FullAdd\nPIN Q A\n"),
            "refused: the block XLXI_1 (FullAdd) has no pin Q");
  dir.Write("ha.sch", "SIGNAL A\nSIGNAL S\nPORT Input A\nPORT Output S\nBEGIN BLOCK XLXI_2 and2\nPIN I0 A\nPIN O S\n");
  EXPECT_EQ(Compute("uses-ha.sch", user("ha")),
            "refused: in ha.sch: the input pin I1 of XLXI_2 (and2) is not connected");
  EXPECT_EQ(Compute("ff.sch",
                    "<drawing version=\"7\"><netlist><signal name=\"D\" /><signal name=\"Q\" />"
                    "<port polarity=\"Input\" name=\"D\" /><port polarity=\"Output\" name=\"Q\" />"
                    "<block symbolname=\"fdc\" name=\"XLXI_7\"><blockpin signalname=\"D\" name=\"D\" />"
                    "<blockpin signalname=\"Q\" name=\"Q\" /></block></netlist></drawing>"),
            "refused: a block is a flip-flop (fdc, XLXI_7): only combinational schematics can be imported");
  EXPECT_EQ(Compute("damaged.sch", "<drawing version=\"7\">\n<netlist><signal name=\"A />"),
            "refused: the XML schematic is damaged near byte 31");
  EXPECT_EQ(Compute("two.sch",
                    "SIGNAL A\nSIGNAL F\nPORT Input A\nPORT Output F\nBEGIN BLOCK G1 buf\nPIN I A\n"
                    "PIN O F\nBEGIN BLOCK G2 inv\nPIN I A\nPIN O F\n"),
            "refused: the net 1 (F) is driven by both G1 and G2");
  EXPECT_EQ(Compute("bus.sch", "SIGNAL A\nSIGNAL K(3:0)\nPORT Input A\nBEGIN BLOCK G1 buf4\nPIN I(2:0) K(3:0)\n"),
            "refused: the pin I(2:0) of G1 has 3 bits, but its net K(3:0) has 4");
  EXPECT_EQ(Compute("ctl.sch",
                    "SIGNAL A\nSIGNAL F\nPORT Input A\nPORT Output F\nBEGIN BLOCK \"G\x01\" and2\n"
                    "PIN I0 A\nPIN O F\n"),
            "refused: the input pin I1 of G\\x01 (and2) is not connected");
}

}  // namespace
}  // namespace tarrow
