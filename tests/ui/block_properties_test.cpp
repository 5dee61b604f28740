// The block properties pane in the main window: it follows the selection, names
// every source and consumer, shows the truth table, the minimum formulas and
// the Karnaugh map, and copies them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include "drawing/SchemeBuilders.h"
#include "model/SchemeFile.h"
#include "model/TempDir.h"
#include "ui/WindowTestUtil.h"
#include "ui/widgets/GridView.h"
#include "ui/widgets/KarnaughMapView.h"
#include "ui/window/BlockProperties.h"
#include "ui/window/MainFrm.h"

namespace lodex::test {
namespace {

using lodex::testing::LogicBlock;
using lodex::testing::MakeScheme;

class BlockPropertiesTest : public ::testing::Test {
 protected:
  std::unique_ptr<CMainFrame> OpenFrame(const CLogicalScheme& scheme) {
    auto frame = std::make_unique<CMainFrame>(std::make_unique<CScriptedQtHost>(),
                                              QString::fromStdString(m_dir.File("settings.ini")));
    frame->resize(1000, 700);
    frame->show();
    const std::string path = m_dir.File("in.shc");
    EXPECT_TRUE(SaveSchemeFile(path, scheme).ok());
    EXPECT_TRUE(frame->OpenFile(QString::fromStdString(path)));
    return frame;
  }
  lodex::testing::CTempDir m_dir;
};

// B1 = x0 | !x1 over (B2, I:2) with word 2 undefined; B2 = I:0 & I:1 also
// drives output 1; B3 is fed by nothing the outputs read.
CLogicalScheme SmallScheme() {
  return MakeScheme(3,
                    {LogicBlock("B1", "1*01", {{0, "B2"}, {2, "I"}}), LogicBlock("B3", "0110", {{0, "I"}, {1, "I"}}),
                     LogicBlock("B2", "0001", {{0, "I"}, {1, "I"}})},
                    {{0, "B1"}, {0, "B2"}});
}

TEST_F(BlockPropertiesTest, FollowsTheSelectionWithConnectionsTableFormulaAndMap) {
  const auto frame = OpenFrame(SmallScheme());
  CBlockProperties& properties = *frame->Properties();
  ASSERT_TRUE(properties.isVisibleTo(frame.get()));
  EXPECT_EQ(properties.ShownBlock(), -1);
  EXPECT_FALSE(properties.Tabs()->isEnabled());

  ASSERT_TRUE(frame->FindBlock("B1"));
  EXPECT_EQ(properties.ShownBlock(), 1);
  EXPECT_TRUE(properties.Header().contains("Блок B1 (B1)\nярус 2")) << properties.Header().toStdString();
  EXPECT_EQ(properties.Connections(),
            (QStringList{"x0: Блок B2 (B2), выход 0", "x1: вход схемы 2 (вес 4)", "y0: выход схемы 0"}));
  // Words 1, *, 0, 1: with the undefined word as a don't-care two single
  // literals do what the defined words alone need four literals for.
  EXPECT_EQ(properties.FormulaLines(), QStringList{"y0 = x0 | !x1"});
  const QAbstractItemModel* table = properties.Table()->model();
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->rowCount(), 4);
  EXPECT_EQ(table->columnCount(), 3);
  EXPECT_EQ(table->headerData(2, Qt::Horizontal).toString(), "y0");
  EXPECT_EQ(table->headerData(1, Qt::Vertical).toString(), "1");  // combination 1
  EXPECT_EQ(table->index(1, 0).data().toString(), "1");
  EXPECT_EQ(table->index(1, 2).data().toString(), "–");
  const CKarnaughMapView& map = *properties.Map();
  EXPECT_EQ(map.Map().Inputs(), 2);
  EXPECT_EQ(map.CellText(0, 1), "–");  // x1 = 0, x0 = 1
  EXPECT_EQ(map.GroupCount(), 2);

  // The other way round: B2's output goes to B1 and to the scheme's output.
  ASSERT_TRUE(frame->FindBlock("B2"));
  EXPECT_EQ(properties.Connections(), (QStringList{"x0: вход схемы 0 (вес 1)", "x1: вход схемы 1 (вес 2)",
                                                   "y0: Блок B1 (B1), вход 0; выход схемы 1"}));
  EXPECT_EQ(properties.FormulaLines(), QStringList{"y0 = x0 & x1"});
  ASSERT_TRUE(frame->FindBlock("B3"));
  EXPECT_EQ(properties.Connections().back(), "y0: не используется");

  // A pane hidden while the selection moves catches up when shown.
  properties.hide();
  ASSERT_TRUE(frame->FindBlock("B2"));
  properties.show();
  EXPECT_EQ(properties.FormulaLines(), QStringList{"y0 = x0 & x1"});

  // Копировать: the formula, then the table with its header.
  properties.findChild<QPushButton*>()->click();
  EXPECT_EQ(QApplication::clipboard()->text(), "y0 = x0 & x1\n\nx0\tx1\ty0\n0\t0\t0\n1\t0\t0\n0\t1\t0\n1\t1\t1\n");

  // Nothing selected: the pane says how to choose a block.
  frame->Document().SelectBlock(-1);
  EXPECT_EQ(properties.ShownBlock(), -1);
  EXPECT_TRUE(properties.FormulaLines().isEmpty());
  EXPECT_TRUE(properties.Header().startsWith("Выберите блок"));
}

TEST_F(BlockPropertiesTest, ASixteenInputBlockShowsAllItsRowsAndNoFormulaOrMap) {
  std::string lp(size_t{1} << 16, '0');
  lp.back() = '1';
  lp[5] = '*';
  std::vector<CBlockInput> links;
  for (int k = 0; k < 16; ++k) links.push_back({static_cast<int16_t>(k), "I"});
  const auto frame = OpenFrame(MakeScheme(16, {LogicBlock("W", lp, links)}, {{0, "W"}}));
  ASSERT_TRUE(frame->FindBlock("1"));
  CBlockProperties& properties = *frame->Properties();
  const QAbstractItemModel* table = properties.Table()->model();
  ASSERT_EQ(table->rowCount(), 65536);
  EXPECT_EQ(table->columnCount(), 17);
  EXPECT_EQ(table->index(65535, 15).data().toString(), "1");
  EXPECT_EQ(table->index(65535, 16).data().toString(), "1");
  EXPECT_EQ(table->index(5, 16).data().toString(), "–");
  EXPECT_TRUE(properties.FormulaLines().isEmpty());
  EXPECT_TRUE(properties.Map()->isHidden());
  EXPECT_FALSE(properties.MapOutput()->isEnabled());
  // The copied table still holds every row.
  EXPECT_EQ(properties.ClipboardText().count('\n'), 65537);
}

}  // namespace
}  // namespace lodex::test
