// The BLIF and Verilog exports of the document: VHDL's enable rule, their
// save dialogs, and what a failed write shows.
#include <gtest/gtest.h>

#include "ScriptedHost.h"
#include "model/TempDir.h"

namespace lodex::test {
namespace {

TEST(NetlistCommand, AskForThePathAndWriteTheNetlist) {
  testing::CTempDir dir;
  CScriptedHost host;
  CLodexDoc doc(host);
  for (CommandId id : {CommandId::ExportBlif, CommandId::ExportVerilog}) EXPECT_FALSE(doc.IsEnabled(id));
  ASSERT_TRUE(doc.FinishNewProject({"Схема1", 2, 1, "0001"}));
  const DocState before(doc);

  EXPECT_TRUE(doc.OnCommand(CommandId::ExportBlif));  // the dialog is cancelled
  EXPECT_TRUE(doc.OnCommand(CommandId::ExportVerilog));
  ASSERT_EQ(host.fileDialogs.size(), 2u);
  EXPECT_EQ(host.fileDialogs[0],
            (FileDialogRequest{"Экспорт в BLIF", "sxema1.blif", "blif", "BLIF (*.blif)|*.blif|Все файлы (*.*)|*.*||"}));
  EXPECT_EQ(host.fileDialogs[1],
            (FileDialogRequest{"Экспорт в Verilog", "sxema1.v", "v", "Verilog (*.v)|*.v|Все файлы (*.*)|*.*||"}));

  host.saveFile = dir.File("out.blif");
  doc.OnCommand(CommandId::ExportBlif);
  EXPECT_NE(testing::ReadBytes(dir.File("out.blif")).find(".names I0 I1 Bl_1_0\n11 1\n"), std::string::npos);
  host.saveFile = dir.File("out.v");
  doc.OnCommand(CommandId::ExportVerilog);
  EXPECT_NE(testing::ReadBytes(dir.File("out.v")).find("module sxema1(input I0, input I1, output O0);"),
            std::string::npos);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(DocState(doc) == before);  // exports change nothing

  host.saveFile = dir.File("no/such/dir/out.v");
  doc.OnCommand(CommandId::ExportVerilog);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].icon, MessageIcon::Error);
}

}  // namespace
}  // namespace lodex::test
