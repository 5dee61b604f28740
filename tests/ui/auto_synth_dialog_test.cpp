// The automatic synthesis dialog with real widgets: the command through the
// main window (a run, its figures, OK, Undo, K remembered, OK alone doing the
// whole job), "Отмена" stopping a long run without touching the document,
// and a failure shown in the dialog.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <thread>

#include "WindowTestUtil.h"
#include "model/TempDir.h"
#include "synthesis/Analysis.h"
#include "synthesis/serial_blocks.h"
#include "ui/dialogs/AutoSynthDlg.h"
#include "ui/window/MainFrm.h"

namespace lodex::test {
namespace {

// Long enough for any run of these tests, even on a loaded machine.
constexpr int kWait = 120000;

QPushButton* Button(QWidget* dialog, QDialogButtonBox::StandardButton which) {
  return dialog->findChild<QDialogButtonBox*>()->button(which);
}
QString Status(QWidget* dialog) { return dialog->findChild<QLabel*>("Status")->text(); }

// The largest number of inputs of a logic block.
int Widest(const CLogicalScheme& s) {
  int widest = 0;
  for (int b = 1; b < s.GetBlockCount() - 1; ++b) widest = std::max<int>(widest, s.GetBlock(b).m_inputCount);
  return widest;
}

// True when the scheme computes its project's sequence on every defined word.
bool AnalysisMatches(const CLogicalScheme& s) {
  const AnalysisResult analysed = Analize(s);
  return analysed.status && !analysed.sequence.empty() &&
         MismatchedWords(s.m_sourceLP, analysed.sequence, s.GetBlock(1).m_wordDigits).empty();
}

class AutoSynthWindowTest : public ::testing::Test {
 protected:
  AutoSynthWindowTest()
      : frame(std::make_unique<CScriptedQtHost>(), QString::fromStdString(m_dir.File("settings.ini"))) {
    frame.show();
  }
  // A project of the scheme's one block, as the wizard would make it.
  void NewProject(const CLogicalScheme& s) {
    const CLogicalBlock& b = s.GetBlock(1);
    frame.Document().FinishNewProject({"Схема1", b.m_inputCount, b.m_outputCount, b.m_lp});
  }
  // Runs the command; `handle` gets the dialog and must end it, now or later.
  void RunDialog(const std::function<void(CAutoSynthDlg&)>& handle) {
    const bool shown = WithModal([this] { frame.Action(CommandId::AutomaticSynthesis)->trigger(); },
                                 [&](QWidget* modal) {
                                   auto* dialog = qobject_cast<CAutoSynthDlg*>(modal);
                                   ASSERT_NE(dialog, nullptr);
                                   handle(*dialog);
                                 });
    ASSERT_TRUE(shown);
  }

  testing::CTempDir m_dir;
  CMainFrame frame;
};

TEST_F(AutoSynthWindowTest, RunOkUndoAndOkAloneThroughTheMenu) {
  QAction* action = frame.Action(CommandId::AutomaticSynthesis);
  ASSERT_NE(action, nullptr);
  EXPECT_EQ(action->text(), "&Автоматический синтез...");
  EXPECT_FALSE(action->isEnabled());  // no project yet
  const CLogicalScheme project = testing::RandomScheme(7, 2, 0.2, 11);
  NewProject(project);
  ASSERT_TRUE(action->isEnabled());
  CLodexDoc& doc = frame.Document();
  const CLogicalScheme before = doc.Scheme();

  RunDialog([](CAutoSynthDlg& dialog) {
    EXPECT_EQ(dialog.windowTitle(), "Автоматический синтез");
    auto* k = dialog.findChild<QSpinBox*>("MaxInputs");
    EXPECT_EQ(k->value(), 4);  // the default
    EXPECT_EQ(k->minimum(), 2);
    EXPECT_EQ(k->maximum(), 8);
    k->setValue(3);
    QSignalSpy finished(&dialog, &CAutoSynthDlg::Finished);
    dialog.findChild<QPushButton*>("Start")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !finished.isEmpty(); }, kWait));
    ASSERT_TRUE(finished.front().front().toBool()) << Status(&dialog).toStdString();
    ASSERT_TRUE(dialog.Choice());
    const CLogicalScheme& result = *dialog.Choice();
    const QString figures = QString("Блоков: %1, ярусов: %2, время: ")
                                .arg(result.GetBlockCount() - 2)
                                .arg(result.GetBlock(result.GetBlockCount() - 1).m_tier);
    EXPECT_TRUE(Status(&dialog).startsWith(figures)) << Status(&dialog).toStdString();
    EXPECT_TRUE(QRegularExpression("время: \\d+,\\d\\d с$").match(Status(&dialog)).hasMatch());
    EXPECT_EQ(dialog.findChild<QProgressBar*>("Progress")->value(), 1);
    // A result belongs to its K: another K drops it, the same K runs again.
    k->setValue(4);
    EXPECT_FALSE(dialog.Choice());
    k->setValue(3);
    // So does another goal; fewer levels is asked for and run.
    auto* goal = dialog.findChild<QComboBox*>("Objective");
    ASSERT_NE(goal, nullptr);
    EXPECT_EQ(dialog.Objective(), SynthesisObjective::Luts);
    goal->setCurrentIndex(1);
    EXPECT_EQ(dialog.Objective(), SynthesisObjective::Depth);
    dialog.findChild<QPushButton*>("Start")->click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return finished.size() == 2; }, kWait));
    Button(&dialog, QDialogButtonBox::Ok)->click();
  });
  const CLogicalScheme synthesised = doc.Scheme();
  EXPECT_GT(synthesised.GetBlockCount(), 3);
  EXPECT_LE(Widest(synthesised), 3);
  EXPECT_TRUE(AnalysisMatches(synthesised));
  EXPECT_EQ(doc.History().size(), 2u);

  frame.Action(CommandId::Undo)->trigger();
  EXPECT_EQ(doc.Scheme().GetBlockCount(), 3);
  EXPECT_EQ(doc.Scheme().GetBlock(1).m_lp, before.GetBlock(1).m_lp);

  // K and the goal are remembered; OK alone runs the synthesis and closes
  // with its result.
  RunDialog([](CAutoSynthDlg& dialog) {
    EXPECT_EQ(dialog.findChild<QSpinBox*>("MaxInputs")->value(), 3);
    EXPECT_EQ(dialog.Objective(), SynthesisObjective::Depth);
    Button(&dialog, QDialogButtonBox::Ok)->click();
    EXPECT_FALSE(Button(&dialog, QDialogButtonBox::Ok)->isEnabled());  // pressed once is enough
  });
  EXPECT_EQ(doc.Scheme().GetBlockCount(), synthesised.GetBlockCount());
  EXPECT_LE(Widest(doc.Scheme()), 3);
  EXPECT_EQ(doc.History().size(), 2u);  // the undone step was replaced
}

TEST_F(AutoSynthWindowTest, CancelStopsALongRunAndLeavesTheDocumentUnchanged) {
  NewProject(testing::RandomScheme(16, 1, 0.0, 7));
  CLodexDoc& doc = frame.Document();
  const std::string lp = doc.Scheme().GetBlock(1).m_lp;
  RunDialog([](CAutoSynthDlg& dialog) {
    dialog.findChild<QSpinBox*>("MaxInputs")->setValue(3);
    QSignalSpy finished(&dialog, &CAutoSynthDlg::Finished);
    // OK during the run waits for the result; "Отмена" as soon as the
    // worker's progress reaches the window stops the run instead.
    dialog.findChild<QPushButton*>("Start")->click();
    Button(&dialog, QDialogButtonBox::Ok)->click();
    EXPECT_TRUE(dialog.IsRunning());
    EXPECT_FALSE(dialog.findChild<QSpinBox*>("MaxInputs")->isEnabled());
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return Status(&dialog).startsWith("Блоков с числом входов больше 3: "); }, kWait));
    ASSERT_TRUE(dialog.IsRunning());
    Button(&dialog, QDialogButtonBox::Cancel)->click();
    EXPECT_FALSE(dialog.IsRunning());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(Status(&dialog), "Синтез прерван");
    EXPECT_FALSE(dialog.Choice());
    EXPECT_TRUE(Button(&dialog, QDialogButtonBox::Ok)->isEnabled());
    QTest::qWait(50);  // progress still queued from the stopped run is dropped
    EXPECT_EQ(Status(&dialog), "Синтез прерван");
    EXPECT_TRUE(finished.isEmpty());
    // With nothing running, "Отмена" closes the dialog.
    Button(&dialog, QDialogButtonBox::Cancel)->click();
  });
  EXPECT_EQ(doc.History().size(), 1u);
  ASSERT_EQ(doc.Scheme().GetBlockCount(), 3);
  EXPECT_EQ(doc.Scheme().GetBlock(1).m_lp, lp);

  // Destroyed in the middle of a run: the worker is stopped and joined first.
  auto dialog = std::make_unique<CAutoSynthDlg>(doc.Scheme(), 3);
  dialog->Start();
  ASSERT_TRUE(dialog->IsRunning());
  dialog.reset();
  QTest::qWait(50);
}

TEST(AutoSynthUi, AFailureIsShownInTheDialogAndOkDoesNotClose) {
  // A block whose sequence is one word short of its three inputs.
  CLogicalScheme s(3, 1, "Bl_1", "0110100");
  CAutoSynthDlg dialog(s, 2);
  dialog.show();
  QSignalSpy finished(&dialog, &CAutoSynthDlg::Finished);
  Button(&dialog, QDialogButtonBox::Ok)->click();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !finished.isEmpty(); }, kWait));
  EXPECT_FALSE(finished.front().front().toBool());
  EXPECT_TRUE(Status(&dialog).startsWith("Синтез не выполнен: ")) << Status(&dialog).toStdString();
  EXPECT_TRUE(Status(&dialog).contains("Bl_1"));
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), 0);
  EXPECT_FALSE(dialog.Choice());
  EXPECT_TRUE(Button(&dialog, QDialogButtonBox::Ok)->isEnabled());
}

TEST(AutoSynthUi, AMessageRaisedOnAWorkerThreadOpensNoWindow) {
  // The document installs the host as the message sink while the dialog's
  // worker synthesises; a message box there would be a window off its thread.
  CQtHost host;
  MessageAnswer answer = MessageAnswer::Yes;
  std::thread worker([&] { answer = host.Show(Message{"<b>x</b>", "", MessageButtons::YesNo, MessageIcon::Error}); });
  worker.join();
  EXPECT_EQ(answer, MessageAnswer::No);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
}  // namespace lodex::test
