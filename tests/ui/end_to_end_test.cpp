// A whole project through the real main window and its dialogs: the wizard,
// serial, parallel and three-input decomposition, NAND covering, analysis,
// VHDL and saving. The saved file must be the very file that lodex-cli
// writes for the same choices.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QWizard>

#include "WindowTestUtil.h"
#include "cli/CliRunner.h"
#include "model/TempDir.h"
#include "synthesis/Analysis.h"
#include "ui/dialogs/AnalizeDlg.h"
#include "ui/dialogs/ParallelDecDlg.h"
#include "ui/dialogs/PrwDlg.h"
#include "ui/dialogs/ThreeInDlg.h"
#include "ui/dialogs/WizSheet.h"
#include "ui/widgets/GridView.h"
#include "ui/window/MainFrm.h"

namespace lodex::test {
namespace {

// Output 0: the parity of four inputs; output 1: (x0 xor x1) and (x2 or x3).
constexpr const char* kProject = "0110122112210330";

// Runs `trigger` and hands the modal dialog of type T that it opens to `use`.
template <typename T>
bool InDialog(const std::function<void()>& trigger, const std::function<void(T&)>& use) {
  bool typed = false;
  const bool shown = WithModal(trigger, [&](QWidget* w) {
    if (auto* dialog = qobject_cast<T*>(w)) {
      typed = true;
      use(*dialog);
    } else {
      w->close();
    }
  });
  return shown && typed;
}

void Toggle(QListWidget* list, int row) {
  list->setCurrentRow(row);
  QTest::keyClick(list, Qt::Key_Space);
}

TEST(EndToEndWizard, DialogsFromWizardToSaveGiveTheFileOfTheCli) {
  const testing::CTempDir dir;
  const std::string lof = dir.File("project.lof");
  testing::WriteBytes(lof, std::string(kProject) + "\r\n");
  auto scripted = std::make_unique<CScriptedQtHost>();
  CScriptedQtHost& host = *scripted;
  host.openFile = lof;
  CMainFrame frame(std::move(scripted), QString::fromStdString(dir.File("settings.ini")));
  frame.show();
  CLodexDoc& doc = frame.Document();
  const auto run = [&](CommandId id) { return [&frame, id] { frame.RunCommand(id); }; };

  ASSERT_TRUE(InDialog<CWizSheet>(run(CommandId::New), [](CWizSheet& sheet) {
    sheet.findChild<QRadioButton*>("FromFile")->click();
    sheet.findChild<QToolButton*>("Browse")->click();  // answered with the *.lof
    sheet.findChild<QComboBox*>("Inputs")->setCurrentIndex(3);
    sheet.findChild<QComboBox*>("Outputs")->setCurrentIndex(1);
    sheet.next();
    sheet.button(QWizard::FinishButton)->click();
  }));
  ASSERT_EQ(doc.Scheme().GetBlockCount(), 3);

  doc.SelectBlock(1);
  ASSERT_TRUE(InDialog<CPrwDlg>(run(CommandId::Serial), [](CPrwDlg& dialog) {
    QSignalSpy finished(&dialog, &CPrwDlg::SearchFinished);
    dialog.findChild<QPushButton*>("Search")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !finished.isEmpty(); }, 60000));
    auto* list = dialog.findChild<QAbstractItemView*>("Candidates");
    int row = 0;
    while (row < list->model()->rowCount() && list->model()->index(row, 1).data().toString() != "2, 1, ") ++row;
    ASSERT_LT(row, list->model()->rowCount());
    const QModelIndex index = list->model()->index(row, 0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
  }));
  ASSERT_EQ(doc.Scheme().GetBlockCount(), 4);

  // The parallel-serial question that follows the split is answered "Нет".
  QTimer no;
  QObject::connect(&no, &QTimer::timeout, [] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
      for (QAbstractButton* b : box->buttons())
        if (b->text() == "Нет") b->click();
  });
  no.start(0);
  doc.SelectBlock(1);
  ASSERT_TRUE(InDialog<CParallelDecDlg>(run(CommandId::Parallel), [](CParallelDecDlg& dialog) {
    Toggle(dialog.OutputList(), 0);  // Out2
    for (int row = 0; row < 3; ++row) Toggle(dialog.InputList(), row);
    dialog.OkButton()->click();
  }));
  no.stop();
  ASSERT_EQ(doc.Scheme().GetBlockCount(), 5);

  doc.SelectBlock(2);
  ASSERT_TRUE(InDialog<CThreeInDlg>(run(CommandId::ThreeInput), [](CThreeInDlg& dialog) {
    dialog.Lines()->setCurrentRow(0);  // In 4: input 2
    dialog.OkButton()->click();
  }));

  frame.RunCommand(CommandId::CoverNand);
  QStringList verdicts;
  ASSERT_TRUE(InDialog<CAnalizeDlg>(run(CommandId::Analysis), [&](CAnalizeDlg& dialog) {
    for (int r = 0; r < dialog.Grid()->model()->rowCount(); ++r)
      verdicts << dialog.Grid()->model()->index(r, 0).data().toString();
    dialog.findChild<QPushButton*>("OkButton")->click();
  }));
  EXPECT_EQ(verdicts, QStringList(4, "OK"));

  host.saveFile = dir.File("design.vhd");
  frame.RunCommand(CommandId::Vhdl);
  EXPECT_NE(testing::ReadBytes(dir.File("design.vhd")).find("entity "), std::string::npos);
  host.saveFile = dir.File("gui.shc");
  frame.RunCommand(CommandId::Save);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_TRUE(host.messages.empty());

  const std::string cli = dir.File("cli.shc");
  for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
           {"new", "-n", "4", "-m", "2", "--lof", lof, "--name", "Схема1", "-o", cli},
           {"serial", cli, "--block", "1", "--mask", "3", "-o", cli},
           {"parallel", cli, "--block", "1", "--in2", "7", "--out2", "2", "--merge", "no", "-o", cli},
           {"three-input", cli, "--block", "2", "--input", "2", "-o", cli},
           {"cover", cli, "--nand", "-o", cli}}) {
    const auto r = testing::RunCli(args);
    ASSERT_EQ(r.status, 0) << args.front() << ": " << r.err;
  }
  EXPECT_EQ(Analize(doc.Scheme()).sequence, kProject);
  EXPECT_EQ(testing::ReadBytes(dir.File("gui.shc")), testing::ReadBytes(cli));
}

}  // namespace
}  // namespace lodex::test
