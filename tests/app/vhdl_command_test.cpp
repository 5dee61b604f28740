// The VHDL command of the document: its enable rule, the save dialog it
// asks, and what a failed write shows.
#include <gtest/gtest.h>

#include "ScriptedHost.h"
#include "export/VhdlGenerator.h"
#include "model/TempDir.h"

namespace lodex::test {
namespace {

TEST(VhdlCommand, EnabledOnlyWithALogicBlock) {
  CScriptedHost host;
  CLodexDoc doc(host);
  EXPECT_FALSE(doc.IsEnabled(CommandId::Vhdl));
  ASSERT_TRUE(doc.FinishNewProject({"Схема1", 2, 1, "0001"}));
  EXPECT_TRUE(doc.IsEnabled(CommandId::Vhdl));
}

TEST(VhdlCommand, AsksForThePathAndWrites) {
  testing::CTempDir dir;
  CScriptedHost host;
  CLodexDoc doc(host);
  ASSERT_TRUE(doc.FinishNewProject({"Схема1", 2, 1, "0001"}));
  const DocState before(doc);

  EXPECT_TRUE(doc.OnCommand(CommandId::Vhdl));  // the dialog is cancelled
  ASSERT_EQ(host.fileDialogs.size(), 1u);
  EXPECT_EQ(host.fileDialogs[0], (FileDialogRequest{"Сохранить VHDL-код", "sxema1.vhd", "vhd",
                                                    "VHDL Design File (Xilinx) (*.vhd)|*.vhd|Все файлы (*.*)|*.*||"}));
  EXPECT_TRUE(host.messages.empty());

  host.saveFile = dir.File("out.vhd");
  doc.OnCommand(CommandId::Vhdl);
  EXPECT_NE(testing::ReadBytes(dir.File("out.vhd")).find("entity sxema1 is\r\n"), std::string::npos);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(DocState(doc) == before);  // the export changes nothing

  host.saveFile = dir.File("no/such/dir/out.vhd");
  doc.OnCommand(CommandId::Vhdl);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].icon, MessageIcon::Error);
  EXPECT_EQ(host.messages[0].caption, "Lodex");
}

TEST(VhdlCommand, CanAlsoWriteATestbench) {
  testing::CTempDir dir;
  CScriptedHost host;
  CLodexDoc doc(host);
  ASSERT_TRUE(doc.FinishNewProject({"wire.shc", 1, 1, "01"}));
  // Both dialogs get the same answer, so the testbench, written last, wins.
  host.saveFile = dir.File("design.vhd");
  doc.OnVhdl(true);
  ASSERT_EQ(host.fileDialogs.size(), 2u);
  EXPECT_EQ(host.fileDialogs[1].fileName, "wire_tb.vhd");
  EXPECT_NE(testing::ReadBytes(dir.File("design.vhd")).find("entity wire_tb is"), std::string::npos);
}

}  // namespace
}  // namespace lodex::test
