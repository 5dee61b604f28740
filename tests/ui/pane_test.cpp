// The sequence pane: its lines, and when the view refreshes them.
#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTabWidget>

#include "ui/UiTestHost.h"
#include "ui/window/OutputBar.h"

namespace lodex {
namespace {

class UiPaneTest : public ::testing::Test {
 protected:
  UiPaneTest() {
    host.view = &view;
    // As the main frame wires them.
    QObject::connect(&view, &CLodexView::LayoutRefreshed,
                     [this](bool firstState) { pane.UpdatePanes(doc.Scheme(), firstState); });
  }

  test::CUiTestHost host;
  CLodexDoc doc{host};
  CLodexView view{doc};
  COutputBar pane;
};

TEST_F(UiPaneTest, StartsEmptyThenShowsTheProject) {
  EXPECT_EQ(pane.objectName(), "OutputBar");
  EXPECT_EQ(pane.windowTitle(), "Логические последовательности");
  EXPECT_EQ(pane.Tabs()->tabText(0), "Логическая последовательность текущего блока");
  EXPECT_EQ(pane.Tabs()->tabText(1), "Исходная логическая последовательность");
  EXPECT_EQ(pane.BlockLines(), QStringList{"Нет последовательности"});
  EXPECT_EQ(pane.SourceLines(), QStringList{"Нет последовательности"});

  ASSERT_TRUE(doc.FinishNewProject({"p", 3, 1, "01101001"}));
  const QString caption = QString::fromStdString(doc.Scheme().GetBlock(1).m_caption);
  EXPECT_EQ(pane.BlockLines(), (QStringList{caption + ":", "       0 1 1 0   1 0 0 1"}));
  EXPECT_EQ(pane.SourceLines(), QStringList{"       0 1 1 0   1 0 0 1"});
}

TEST_F(UiPaneTest, LongAndWideSequencesKeepTheirBlanks) {
  CLogicalScheme five(5, 1, "Bl_1", std::string(16, '0') + std::string(16, '1'));
  five.GetBlock(1).m_caption = "Блок 1";
  pane.ShowBlocks(five);
  const QStringList lines = pane.BlockLines();
  ASSERT_EQ(lines.size(), 3);
  EXPECT_EQ(lines[0], "Блок 1:");
  // A full line keeps the three blanks that would open its next group.
  EXPECT_EQ(lines[1], "       0 0 0 0   0 0 0 0   0 0 0 0   0 0 0 0   ");
  EXPECT_EQ(lines[2], "       1 1 1 1   1 1 1 1   1 1 1 1   1 1 1 1");

  pane.ShowSource("00112233445566778899AABBCCDDEEFF", 2);
  EXPECT_EQ(pane.SourceLines(), QStringList{"       00 11 22 33   44 55 66 77   88 99 AA BB   CC DD EE FF"});
}

TEST_F(UiPaneTest, AfterAChangeOnlyTheBlockListIsRefreshed) {
  QSignalSpy refreshed(&view, &CLodexView::LayoutRefreshed);
  ASSERT_TRUE(doc.FinishNewProject({"p", 2, 1, "0110"}));
  ASSERT_EQ(refreshed.size(), 1);
  EXPECT_TRUE(refreshed[0][0].toBool());
  EXPECT_FALSE(doc.IsLayoutDirty());
  // The document updates the views before it records a change in the
  // history, so the first change still counts as the first state; the
  // second does not.
  doc.OnCommand(CommandId::CoverNand);
  pane.ShowSource("1111", 1);  // marks the source list, which must now stay
  doc.OnCommand(CommandId::CoverNor);
  ASSERT_EQ(refreshed.size(), 3);
  EXPECT_FALSE(refreshed[2][0].toBool());
  EXPECT_EQ(pane.SourceLines(), QStringList{"       1 1 1 1"});
  EXPECT_EQ(pane.BlockLines().count(), 2 * (doc.Scheme().GetBlockCount() - 2));

  doc.SelectBlock(1);  // no change of the scheme: nothing to refresh
  EXPECT_EQ(refreshed.size(), 3);
}

}  // namespace
}  // namespace lodex
