// The serial decomposition dialog with real widgets: the list in its order
// with its weight texts, the choice and the after-preview, "Разложить" only
// after a choice, a long search stopped by "Отмена" or by destroying the
// dialog, and a split made through the main window.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "WindowTestUtil.h"
#include "model/TempDir.h"
#include "synthesis/serial_blocks.h"
#include "ui/dialogs/PreviewWnd.h"
#include "ui/dialogs/PrwDlg.h"
#include "ui/window/MainFrm.h"

namespace lodex::test {
namespace {

// Long enough for any search of these tests, even on a loaded machine.
constexpr int kWait = 60000;

CLogicalBlock Block(int inputs, int outputs, const std::string& lp) {
  return CLogicalScheme(static_cast<int16_t>(inputs), static_cast<int16_t>(outputs), "Bl_1", lp).GetBlock(1);
}

QAbstractItemView* List(QWidget* dialog) { return dialog->findChild<QAbstractItemView*>("Candidates"); }
QPushButton* Button(QWidget* dialog, QDialogButtonBox::StandardButton which) {
  return dialog->findChild<QDialogButtonBox*>()->button(which);
}

QStringList RowTexts(QAbstractItemView* list, int row) {
  QStringList texts;
  for (int column = 0; column < 3; ++column) texts << list->model()->index(row, column).data().toString();
  return texts;
}

// The row showing `bound` and `free`, or -1.
int RowOf(QAbstractItemView* list, const QString& bound, const QString& free) {
  for (int row = 0; row < list->model()->rowCount(); ++row) {
    const QStringList texts = RowTexts(list, row);
    if (texts[1] == bound && texts[2] == free) return row;
  }
  return -1;
}

void ClickRow(QAbstractItemView* list, int row) {
  const QModelIndex index = list->model()->index(row, 0);
  list->scrollTo(index);
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
}

// Clicks the search button and waits until the list is filled.
bool Search(CPrwDlg& dialog) {
  QSignalSpy finished(&dialog, &CPrwDlg::SearchFinished);
  dialog.findChild<QPushButton*>("Search")->click();
  return QTest::qWaitFor([&] { return !finished.isEmpty(); }, kWait) && finished.front().front().toBool();
}

TEST(SerialDialog, ListInComplexityAndMaskOrderAndTheChoiceOfARow) {
  CPrwDlg dialog(Block(3, 1, "00000001"));  // x0 & x1 & x2: masks 3, 5 and 6 all give 8
  dialog.show();
  EXPECT_EQ(dialog.windowTitle(), "Последовательная декомпозиция");
  EXPECT_EQ(dialog.findChild<QLineEdit*>("Complexity")->text(), "8");
  QPushButton* ok = Button(&dialog, QDialogButtonBox::Ok);
  EXPECT_EQ(ok->text(), "Разложить");
  EXPECT_FALSE(ok->isEnabled());
  auto* before = dialog.findChild<CPreviewWnd*>("Before");
  auto* after = dialog.findChild<CPreviewWnd*>("After");
  ASSERT_TRUE(before->Preview());
  EXPECT_FALSE(before->Preview()->split);
  EXPECT_FALSE(after->Preview());

  ASSERT_TRUE(Search(dialog));
  EXPECT_FALSE(dialog.findChild<QLabel*>("NoSplits")->isVisible());
  auto* progress = dialog.findChild<QProgressBar*>("Progress");
  EXPECT_EQ(progress->maximum(), 6);
  EXPECT_EQ(progress->value(), 6);
  QAbstractItemView* list = List(&dialog);
  EXPECT_EQ(list->model()->headerData(0, Qt::Horizontal).toString(), "Сложность");
  EXPECT_EQ(list->model()->headerData(1, Qt::Horizontal).toString(), "Старший блок (веса)");
  EXPECT_EQ(list->model()->headerData(2, Qt::Horizontal).toString(), "Младший блок (веса)");
  ASSERT_EQ(list->model()->rowCount(), 3);
  EXPECT_EQ(RowTexts(list, 0), (QStringList{"Полученная 8", "2, 1, ", "4, "}));
  EXPECT_EQ(RowTexts(list, 1), (QStringList{"Полученная 8", "4, 1, ", "2, "}));
  EXPECT_EQ(RowTexts(list, 2), (QStringList{"Полученная 8", "4, 2, ", "1, "}));
  EXPECT_FALSE(ok->isEnabled());  // a filled list is not yet a choice
  EXPECT_FALSE(dialog.Choice());

  ClickRow(list, 2);
  EXPECT_EQ(dialog.Choice(), SerialChoice{6});
  ClickRow(list, 1);
  EXPECT_EQ(dialog.Choice(), SerialChoice{5});
  EXPECT_TRUE(ok->isEnabled());
  ASSERT_TRUE(after->Preview());
  EXPECT_EQ(after->Preview()->boundInputs, (std::vector<int>{0, 2}));
  EXPECT_EQ(after->Preview()->freeInputs, (std::vector<int>{1}));
  EXPECT_EQ(after->Preview()->lowerOutputs, 1);
  EXPECT_FALSE(before->Preview()->split);

  // A second search starts afresh: no choice, and the right pane empty.
  ASSERT_TRUE(Search(dialog));
  EXPECT_FALSE(ok->isEnabled());
  EXPECT_FALSE(dialog.Choice());
  EXPECT_FALSE(after->Preview());
  ClickRow(list, 1);
  ok->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.Choice(), SerialChoice{5});
}

TEST(SerialDialog, NoSplitLeavesOnlyCancel) {
  CPrwDlg dialog(Block(2, 1, "0001"));  // AND: masks 2 and 1, both rejected
  dialog.show();
  ASSERT_TRUE(Search(dialog));
  EXPECT_EQ(dialog.findChild<QProgressBar*>("Progress")->maximum(), 2);
  EXPECT_EQ(List(&dialog)->model()->rowCount(), 0);
  EXPECT_FALSE(Button(&dialog, QDialogButtonBox::Ok)->isEnabled());
  // The empty list says why it is empty, until the next search starts.
  const QLabel* none = dialog.findChild<QLabel*>("NoSplits");
  ASSERT_NE(none, nullptr);
  EXPECT_TRUE(none->isVisible());
  EXPECT_EQ(none->text(), "Разложений не найдено");
  Button(&dialog, QDialogButtonBox::Cancel)->click();
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_FALSE(dialog.Choice());
}

TEST(SerialDialog, CancelStopsALongSearchAndReturnsNoChoice) {
  const CLogicalBlock block = testing::RandomScheme(16, 1, 0.0, 7).GetBlock(1);
  {
    CPrwDlg dialog(block);
    dialog.show();
    QSignalSpy finished(&dialog, &CPrwDlg::SearchFinished);
    // "Отмена" as soon as the progress bar first moves, while the window
    // keeps handling events during the search.
    bool runningAtCancel = false;
    QObject::connect(dialog.findChild<QProgressBar*>("Progress"), &QProgressBar::valueChanged, &dialog, [&](int value) {
      if (value == 0 || !finished.isEmpty() || !dialog.isVisible()) return;
      runningAtCancel = dialog.IsSearching();
      Button(&dialog, QDialogButtonBox::Cancel)->click();
    });
    dialog.findChild<QPushButton*>("Search")->click();
    EXPECT_TRUE(dialog.IsSearching());
    EXPECT_FALSE(dialog.findChild<QPushButton*>("Search")->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !finished.isEmpty(); }, kWait));
    EXPECT_TRUE(runningAtCancel);
    EXPECT_FALSE(finished.front().front().toBool());
    EXPECT_FALSE(dialog.IsSearching());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.Choice());
    EXPECT_EQ(List(&dialog)->model()->rowCount(), 0);
    // A result still queued from the stopped search changes nothing.
    QTest::qWait(50);
    EXPECT_EQ(finished.size(), 1);
    EXPECT_EQ(List(&dialog)->model()->rowCount(), 0);
  }
  // Destroyed in the middle of a search: the worker is stopped and joined
  // before the dialog's members go.
  auto dialog = std::make_unique<CPrwDlg>(block);
  dialog->StartSearch();
  ASSERT_TRUE(dialog->IsSearching());
  dialog.reset();
  QTest::qWait(50);  // any progress still queued for it is dropped
}

TEST(SerialDialogWindow, ChoosingARowAndOkSplitsTheBlock) {
  testing::CTempDir dir;
  // The serial dialog unscripted: the real one.
  CMainFrame frame(std::make_unique<CScriptedQtHost>(), QString::fromStdString(dir.File("settings.ini")));
  frame.show();
  CLodexDoc& doc = frame.Document();
  doc.FinishNewProject({"Схема1", 3, 1, "00110111"});
  doc.SelectBlock(1);
  const bool shown = WithModal([&] { frame.Action(CommandId::Serial)->trigger(); },
                               [](QWidget* modal) {
                                 auto* dialog = qobject_cast<CPrwDlg*>(modal);
                                 ASSERT_NE(dialog, nullptr);
                                 ASSERT_TRUE(Search(*dialog));
                                 const int row = RowOf(List(dialog), "4, 1, ", "2, ");
                                 ASSERT_GE(row, 0);
                                 ClickRow(List(dialog), row);
                                 Button(dialog, QDialogButtonBox::Ok)->click();
                               });
  ASSERT_TRUE(shown);
  ASSERT_EQ(doc.History().size(), 2u);
  const CLogicalScheme& s = doc.Scheme();
  ASSERT_EQ(s.GetBlockCount(), 4);
  EXPECT_EQ(s.GetBlock(1).m_inputCount, 2);  // the higher block: the lower block's output and input 1
  EXPECT_EQ(s.GetBlock(2).m_inputCount, 2);  // the lower block: inputs 0 and 2
  EXPECT_EQ(s.GetBlock(2).m_outputCount, 1);
}

}  // namespace
}  // namespace lodex::test
