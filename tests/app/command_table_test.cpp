// The command table: one entry per id, menus that the frame can build, a
// handler for every command the document serves, and a host without a
// command's dialog answering it with Cancel.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/CommandTable.h"
#include "app/LodexDoc.h"
#include "model/LogicalScheme.h"

namespace lodex {
namespace {

TEST(CommandTable, EntriesAreUniqueAndPlacedWhereTheFrameCanBuildThem) {
  const std::set<std::string> bar(MenuBar().begin(), MenuBar().end());
  std::set<CommandId> ids;
  std::set<int> buttons;
  for (const CommandInfo& c : CommandTable()) {
    const int id = static_cast<int>(c.id);
    EXPECT_TRUE(ids.insert(c.id).second) << id;
    EXPECT_EQ(FindCommand(c.id), &c) << id;
    ASSERT_NE(c.enabled, nullptr) << id;
    if (c.menu) {
      EXPECT_EQ(bar.count(std::string(c.menu).substr(0, std::string(c.menu).find('/'))), 1u) << c.menu;
    }
    if (c.toolBar > 0) {
      EXPECT_TRUE(buttons.insert(c.toolBar).second) << id;
    }
    // The frame serves these itself; the document runs every other command.
    const bool frames = c.id == CommandId::Help || c.id == CommandId::About || c.id == CommandId::Exit ||
                        c.id == CommandId::SaveImage || c.id == CommandId::RecentFiles;
    EXPECT_EQ(c.run == nullptr, frames) << id;
  }
  EXPECT_EQ(FindCommand(static_cast<CommandId>(1)), nullptr);
}

// A host that shows no dialog at all: the defaults cancel every one.
class CDialoglessHost : public CDocumentHost {
 public:
  MessageAnswer Show(const Message&) override { return MessageAnswer::Ok; }
  std::optional<std::string> AskOpenFile(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<std::string> AskSaveFile(const FileDialogRequest&) override { return std::nullopt; }
  MessageAnswer AskSaveChanges(const std::string&) override { return MessageAnswer::No; }
  void UpdateAllViews() override {}
};

TEST(CommandTable, AHostWithoutTheDialogsCancelsThemAndTheSchemeStays) {
  CDialoglessHost host;
  CLodexDoc doc(host);
  doc.OnNewDocument();
  EXPECT_TRUE(doc.OnCommand(CommandId::New));  // the wizard is cancelled
  EXPECT_TRUE(doc.Scheme().IsEmpty());
  ASSERT_TRUE(doc.FinishNewProject({"p", 3, 1, "01101001"}));
  doc.SelectBlock(1);
  const CLogicalScheme before = doc.Scheme();
  for (CommandId id : {CommandId::Serial, CommandId::Fictitious, CommandId::ThreeInput, CommandId::AutomaticSynthesis,
                       CommandId::Settings, CommandId::Analysis}) {
    EXPECT_TRUE(doc.OnCommand(id)) << static_cast<int>(id);
    EXPECT_EQ(doc.Scheme(), before) << static_cast<int>(id);
  }
  EXPECT_EQ(doc.History().size(), 1u);
  // Commands served by the frame, and disabled ones, do not run here.
  EXPECT_FALSE(doc.OnCommand(CommandId::About));
  EXPECT_FALSE(doc.OnCommand(CommandId::Parallel));  // one output
}

}  // namespace
}  // namespace lodex
