// The parallel decomposition, dependency-table, fictitious-input and
// three-input dialogs with real widgets: what the marks and picks return,
// what the lists and grids show, the table's life beside its dialog, the
// grid's copy, and a parallel split through the main window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "WindowTestUtil.h"
#include "model/TempDir.h"
#include "synthesis/Analysis.h"
#include "ui/dialogs/DepTabDlg.h"
#include "ui/dialogs/FictDlg.h"
#include "ui/dialogs/ParallelDecDlg.h"
#include "ui/dialogs/ParallelPrewWnd.h"
#include "ui/dialogs/ThreeInDlg.h"
#include "ui/widgets/GridView.h"
#include "ui/widgets/TextGridModel.h"
#include "ui/window/MainFrm.h"

namespace lodex::test {
namespace {

CLogicalBlock Block(int inputs, int outputs, const std::string& lp) {
  CLogicalScheme s;
  s.InitFromProject(static_cast<int16_t>(inputs), static_cast<int16_t>(outputs), "Bl_1", lp);
  return s.GetBlock(1);
}

// Toggles the mark of item `row` as the space bar does.
void Toggle(QListWidget* list, int row) {
  list->setCurrentRow(row);
  QTest::keyClick(list, Qt::Key_Space);
}

void Click(QListWidget* list, int row) {
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
}

std::vector<QString> Texts(const QListWidget* list) {
  std::vector<QString> texts;
  for (int t = 0; t < list->count(); ++t) texts.push_back(list->item(t)->text());
  return texts;
}

int OpenTables() {
  int count = 0;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (qobject_cast<CDepTabDlg*>(w) != nullptr) ++count;
  return count;
}

TEST(ParallelDialog, MarksGiveTheSplitRequestAndThePreview) {
  CParallelDecDlg dialog(Block(4, 3, "0123456701234567"));
  dialog.show();
  EXPECT_EQ(Texts(dialog.InputList()), (std::vector<QString>{"In8", "In4", "In2", "In1"}));
  EXPECT_EQ(Texts(dialog.OutputList()), (std::vector<QString>{"Out4", "Out2", "Out1"}));
  EXPECT_FALSE(dialog.OkButton()->isEnabled());
  EXPECT_EQ(dialog.Preview()->Pictures().size(), 1u);

  Toggle(dialog.OutputList(), 1);  // Out2
  Toggle(dialog.InputList(), 1);   // In4
  EXPECT_EQ(dialog.Choice(), (SplitRequest{15, 5, 4, 2}));
  EXPECT_TRUE(dialog.OkButton()->isEnabled());
  EXPECT_EQ(dialog.Preview()->Pictures().size(), 2u);

  Toggle(dialog.OutputList(), 1);  // only an input left marked: still a split
  EXPECT_EQ(dialog.Choice(), (SplitRequest{15, 7, 4, 0}));
  EXPECT_TRUE(dialog.OkButton()->isEnabled());
  Toggle(dialog.InputList(), 1);  // no mark: back to one picture
  EXPECT_FALSE(dialog.OkButton()->isEnabled());
  EXPECT_EQ(dialog.Preview()->Pictures().size(), 1u);

  for (int t = 0; t < 3; ++t) Toggle(dialog.OutputList(), t);
  dialog.OkButton()->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.Choice(), (SplitRequest{15, 0, 0, 7}));
}

TEST(ParallelDialog, DependencyTableBesideTheDialogUntilOkOrCancel) {
  // Output 0 = x0 & x1, output 1 = x2: a block of 3 inputs and 2 outputs.
  const CLogicalBlock block = Block(3, 2, "00012223");
  for (QDialogButtonBox::StandardButton button : {QDialogButtonBox::Ok, QDialogButtonBox::Cancel}) {
    auto dialog = std::make_unique<CParallelDecDlg>(block);
    dialog->show();
    CDepTabDlg* table = dialog->Table();
    ASSERT_NE(table, nullptr);
    EXPECT_TRUE(table->isVisible());
    EXPECT_EQ(table->windowTitle(), "Таблица существенных зависимостей");
    EXPECT_EQ(table->parentWidget(), nullptr);
    EXPECT_EQ(OpenTables(), 1);
    const QTableWidget* grid = table->Grid();
    ASSERT_EQ(grid->columnCount(), 3);
    ASSERT_EQ(grid->rowCount(), 2);
    for (int c = 0; c < 3; ++c) EXPECT_EQ(grid->horizontalHeaderItem(c)->text(), (QStringList{"In1", "In2", "In4"}[c]));
    EXPECT_EQ(grid->verticalHeaderItem(0)->text(), "Out2");
    EXPECT_EQ(grid->verticalHeaderItem(1)->text(), "Out1");
    EXPECT_EQ(grid->item(0, 2)->text(), "  1");  // Out2 on In4
    EXPECT_EQ(grid->item(0, 0)->text(), "  0");
    EXPECT_EQ(grid->item(1, 1)->text(), "  1");  // Out1 on In2

    Toggle(dialog->OutputList(), 0);
    dialog->findChild<QDialogButtonBox*>()->button(button)->click();
    EXPECT_EQ(dialog->Table(), nullptr);
    EXPECT_EQ(OpenTables(), 0);
    dialog.reset();  // and the dialog's end does not touch it again
    EXPECT_EQ(OpenTables(), 0);
  }
}

TEST(FictDialog, GridShowsEachInputAndOnlyAFictitiousInputIsMarked) {
  CFictDlg dialog(Block(3, 1, "00000101"));  // x0 & x2: input 1 is fictitious
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), "Проверка наличия фиктивных входов");
  EXPECT_EQ(dialog.Grid()->SelectionText(), "In4\t 1\nIn2\t 0\nIn1\t 1\n");
  const QAbstractItemModel* grid = dialog.Grid()->model();
  EXPECT_EQ(grid->headerData(0, Qt::Horizontal).toString(), "Вход");
  EXPECT_EQ(grid->headerData(1, Qt::Horizontal).toString(), "Выход зависит");
  EXPECT_TRUE(dialog.Grid()->horizontalHeader()->isVisible());
  EXPECT_EQ(Texts(dialog.InputList()), (std::vector<QString>{"In4", "In2", "In1"}));
  EXPECT_FALSE(dialog.OkButton()->isEnabled());
  EXPECT_EQ(dialog.OkButton()->text(), "Удалить");

  Click(dialog.InputList(), 1);
  EXPECT_EQ(dialog.InputList()->item(1)->checkState(), Qt::Checked);
  EXPECT_TRUE(dialog.OkButton()->isEnabled());
  EXPECT_EQ(dialog.Choice(), (SplitRequest{5, 1, 2, 0}));

  Click(dialog.InputList(), 0);  // essential: no mark, all inputs kept
  for (int t = 0; t < 3; ++t) EXPECT_EQ(dialog.InputList()->item(t)->checkState(), Qt::Unchecked);
  EXPECT_TRUE(dialog.OkButton()->isEnabled());
  EXPECT_EQ(dialog.Choice().in1, 7);
}

TEST(FictDialog, WithoutFictitiousInputsAPickOnlyTellsSo) {
  CFictDlg dialog(Block(3, 1, "00010111"));  // majority: every input counts
  dialog.show();
  QString text;
  const bool shown = WithModal([&] { Click(dialog.InputList(), 2); },
                               [&](QWidget* w) {
                                 auto* box = qobject_cast<QMessageBox*>(w);
                                 ASSERT_NE(box, nullptr);
                                 text = box->text();
                                 box->buttons().front()->click();
                               });
  EXPECT_TRUE(shown);
  EXPECT_EQ(text, "Нет фиктивных входов!");
  EXPECT_EQ(dialog.InputList()->item(2)->checkState(), Qt::Unchecked);
  EXPECT_FALSE(dialog.OkButton()->isEnabled());
}

TEST(ThreeInDialog, LinesFromTheHighestInputAndTheChosenInput) {
  CThreeInDlg dialog(Block(3, 1, "00000001"), {5, 3, 4});
  dialog.show();
  EXPECT_EQ(Texts(dialog.Lines()),
            (std::vector<QString>{"In 4, тип выделяемого блока 4", "In 2, тип выделяемого блока 3",
                                  "In 1, тип выделяемого блока 5"}));
  ASSERT_EQ(dialog.Preview()->Pictures().size(), 1u);
  EXPECT_EQ(dialog.Preview()->Pictures()[0].inputCount, 3);
  EXPECT_FALSE(dialog.OkButton()->isEnabled());
  EXPECT_FALSE(dialog.Choice());

  Click(dialog.Lines(), 1);
  EXPECT_TRUE(dialog.OkButton()->isEnabled());
  EXPECT_EQ(dialog.Choice(), ThreeInputChoice{1});
  Click(dialog.Lines(), 0);
  QTest::mouseDClick(dialog.Lines()->viewport(), Qt::LeftButton, {},
                     dialog.Lines()->visualItemRect(dialog.Lines()->item(0)).center());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.Choice(), ThreeInputChoice{2});
}

TEST(DialogGrid, CtrlCCopiesTheSelectionOrEverything) {
  CGridView view;
  CTextGridModel model([](int r, int c) { return QString("%1%2").arg(QChar('a' + r)).arg(c); }, 3, 3, {"x", "y", "z"});
  view.setModel(&model);
  view.show();
  QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "a0\ta1\ta2\nb0\tb1\tb2\nc0\tc1\tc2\n");

  // Two blocks of cells: each row lists its selected cells left to right.
  view.selectionModel()->select(QItemSelection(model.index(2, 1), model.index(2, 2)), QItemSelectionModel::Select);
  view.selectionModel()->select(QItemSelection(model.index(0, 0), model.index(0, 0)), QItemSelectionModel::Select);
  view.selectionModel()->select(QItemSelection(model.index(2, 0), model.index(2, 0)), QItemSelectionModel::Select);
  QTest::keyClick(&view, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "a0\nc0\tc1\tc2\n");
}

TEST(ParallelDialogWindow, SplitThroughTheRealDialogOffersTheParallelSerialBlock) {
  testing::CTempDir dir;
  CMainFrame frame(std::make_unique<CQtHost>(), QString::fromStdString(dir.File("settings.ini")));
  frame.show();
  CLodexDoc& doc = frame.Document();
  // Output 0: ((x0 & x1) | x2) & x3; output 1: x0 & x1, which the first
  // group can also take out as a lower block on inputs 0 and 1.
  const std::string lp = "0002000200031113";
  doc.FinishNewProject({"p", 4, 2, lp});
  doc.SelectBlock(1);

  // The question comes after the dialog has closed: answered by its own poll.
  QString question;
  QTimer answer;
  QObject::connect(&answer, &QTimer::timeout, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) return;
    question = box->windowTitle();
    for (QAbstractButton* b : box->buttons())
      if (b->text() == "Да") b->click();
  });
  answer.start(0);
  const bool shown = WithModal([&] { frame.Action(CommandId::Parallel)->trigger(); },
                               [&](QWidget* w) {
                                 auto* dialog = qobject_cast<CParallelDecDlg*>(w);
                                 ASSERT_NE(dialog, nullptr);
                                 EXPECT_EQ(OpenTables(), 1);
                                 Toggle(dialog->OutputList(), 0);  // Out2
                                 Toggle(dialog->InputList(), 2);   // In2
                                 Toggle(dialog->InputList(), 3);   // In1
                                 dialog->OkButton()->click();
                               });
  answer.stop();
  ASSERT_TRUE(shown);
  EXPECT_EQ(OpenTables(), 0);
  EXPECT_EQ(question, "Выделение параллельно-последовательного блока");
  ASSERT_EQ(doc.Scheme().GetBlockCount(), 4);
  EXPECT_EQ(doc.Scheme().GetBlock(2).m_outputCount, 2);  // group 2 and the merged lower block
  EXPECT_EQ(Analize(doc.Scheme()).sequence, lp);
  EXPECT_EQ(doc.History().size(), 2u);
}

}  // namespace
}  // namespace lodex::test
