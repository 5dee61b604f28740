// The analysis dialog with real widgets: the verdict rows and their marking,
// the one mismatch message, copying, a full-size grid, and the dialog
// opened by the analysis command of the main window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFont>
#include <QPushButton>
#include <QTest>

#include "WindowTestUtil.h"
#include "app/ScriptedHost.h"
#include "model/TempDir.h"
#include "ui/dialogs/AnalizeDlg.h"
#include "ui/widgets/GridView.h"
#include "ui/window/MainFrm.h"

// Failures show the texts.
static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace lodex::test {
namespace {

QString CellText(const CAnalizeDlg& dialog, int row, int column) {
  return dialog.Grid()->model()->index(row, column).data().toString();
}

bool ShownBold(const CAnalizeDlg& dialog, int row) {
  return dialog.Grid()->model()->index(row, 3).data(Qt::FontRole).value<QFont>().bold();
}

TEST(AnalysisDialog, MarksTheDifferingRowsAndSaysSoOnce) {
  // Combination 5 differs; combination 9 is undefined on one side only,
  // which is no mismatch; combination 14 differs the other way round.
  const CAnalysisGrid grid("0123456789ABCDEF", "01234X678*ABCD*F", 1);
  CScriptedHost sink;
  CAnalizeDlg dialog(grid, sink);
  dialog.show();
  QApplication::processEvents();

  ASSERT_EQ(dialog.Grid()->model()->rowCount(), 4);
  // The headers say what each column holds.
  QStringList headers;
  for (int c = 0; c < CAnalysisGrid::kColumns; ++c)
    headers << dialog.Grid()->model()->headerData(c, Qt::Horizontal).toString();
  EXPECT_EQ(headers,
            (QStringList{"Сравнение", "Строка N", "4N+0", "4N+1", "4N+2", "4N+3", "", "4N+0", "4N+1", "4N+2", "4N+3"}));
  const QStringList verdicts{CellText(dialog, 0, 0), CellText(dialog, 1, 0), CellText(dialog, 2, 0),
                             CellText(dialog, 3, 0)};
  EXPECT_EQ(verdicts, (QStringList{"OK", "НЕСОВПАДЕНИЕ", "OK", "OK"}));
  EXPECT_EQ(CellText(dialog, 1, 1), "1");
  EXPECT_EQ(CellText(dialog, 1, 3), " 5");
  EXPECT_EQ(CellText(dialog, 1, 8), " X");
  EXPECT_FALSE(ShownBold(dialog, 0));
  EXPECT_TRUE(ShownBold(dialog, 1));
  EXPECT_TRUE(dialog.Grid()->model()->index(1, 9).data(Qt::BackgroundRole).isValid());
  EXPECT_FALSE(dialog.Grid()->model()->index(2, 9).data(Qt::BackgroundRole).isValid());

  ASSERT_EQ(sink.messages.size(), 1u);
  EXPECT_EQ(MessageText(sink.messages[0]), "Не сходятся логические последовательности!");
  EXPECT_EQ(sink.messages[0].buttons, MessageButtons::Ok);
  dialog.hide();
  dialog.show();
  QApplication::processEvents();
  EXPECT_EQ(sink.messages.size(), 1u);

  // Ctrl+C copies the selected row as tab-separated text.
  dialog.Grid()->selectRow(1);
  QTest::keyClick(dialog.Grid(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "НЕСОВПАДЕНИЕ\t1\t 4\t 5\t 6\t 7\t\t 4\t X\t 6\t 7\n");
}

TEST(AnalysisDialog, SixteenInputsOpenAllRowsWithoutAMessage) {
  std::string lp(65536, '0');
  lp[65535] = '*';
  const CAnalysisGrid grid(lp, std::string(65535, '0') + "1", 1);
  CScriptedHost sink;
  CAnalizeDlg dialog(grid, sink);
  dialog.show();
  QApplication::processEvents();
  ASSERT_EQ(dialog.Grid()->model()->rowCount(), 16384);
  dialog.Grid()->scrollToBottom();
  EXPECT_EQ(CellText(dialog, 16383, 1), "16383");
  EXPECT_EQ(CellText(dialog, 16383, 0), "OK");
  EXPECT_TRUE(sink.messages.empty());
}

TEST(AnalysisDialog, TheAnalysisCommandShowsTheGridOfTheScheme) {
  const testing::CTempDir dir;
  CMainFrame frame(std::make_unique<CScriptedQtHost>(), QString::fromStdString(dir.File("settings.ini")));
  frame.Document().FinishNewProject({"Схема1", 3, 2, "01121223"});
  QStringList verdicts;
  const bool shown = WithModal([&] { frame.RunCommand(CommandId::Analysis); },
                               [&](QWidget* w) {
                                 auto* dialog = qobject_cast<CAnalizeDlg*>(w);
                                 ASSERT_NE(dialog, nullptr);
                                 EXPECT_EQ(dialog->windowTitle(), "Анализ схемы");
                                 for (int r = 0; r < dialog->Grid()->model()->rowCount(); ++r)
                                   verdicts << CellText(*dialog, r, 0);
                                 dialog->findChild<QPushButton*>("OkButton")->click();
                               });
  EXPECT_TRUE(shown);
  EXPECT_EQ(verdicts, (QStringList{"OK", "OK"}));
}

}  // namespace
}  // namespace lodex::test
