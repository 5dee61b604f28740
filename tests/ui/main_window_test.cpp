// The main window with real widgets: actions enabled by the document's rules,
// the history through the real actions and keys, settings, the stored layout
// and recent files, opening damaged, missing and dropped files, the save
// prompt on close, and the host's message boxes and file filters.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QUrl>
#include <filesystem>

#include "WindowTestUtil.h"
#include "drawing/SchemeBuilders.h"
#include "model/SchemeFile.h"
#include "model/TempDir.h"
#include "ui/window/LodexView.h"
#include "ui/window/MainFrm.h"
#include "ui/window/OutputBar.h"
#include "ui/window/OverviewBar.h"

namespace lodex::test {
namespace {

// ((x0 & x1) | x2) & x3 on both outputs: serial with mask 3 twice in a row.
const WizardResult kTwoOutputProject{"Схема1", 4, 2, "0000000000033333"};

class MainWindowTest : public ::testing::Test {
 protected:
  // A frame on the test's own settings file, answered by a scripted host.
  std::unique_ptr<CMainFrame> MakeFrame() {
    auto scripted = std::make_unique<CScriptedQtHost>();
    host = scripted.get();
    return std::make_unique<CMainFrame>(std::move(scripted), SettingsFile());
  }
  QString SettingsFile() const { return QString::fromStdString(m_dir.File("settings.ini")); }
  std::string Path(const std::string& name) const { return m_dir.File(name); }
  std::string Project(const std::string& name) {
    WriteProject(Path(name), 3, 2, "01121223");
    return Path(name);
  }

  CScriptedQtHost* host = nullptr;
  testing::CTempDir m_dir;
};

bool Enabled(const CMainFrame& frame, CommandId id) { return frame.Action(id)->isEnabled(); }

// The text of the message box that `trigger` raises, closed with its first
// button; its details go to `details` when given.
QString MessageBoxText(const std::function<void()>& trigger, QString* details = nullptr) {
  QString text;
  const bool shown = WithModal(trigger, [&](QWidget* w) {
    auto* box = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(box, nullptr);
    text = box->text();
    if (details) *details = box->detailedText();
    box->buttons().front()->click();
  });
  EXPECT_TRUE(shown);
  return text;
}

TEST_F(MainWindowTest, ActionsFollowTheEnableRulesInEveryDocumentState) {
  auto frame = MakeFrame();
  for (CommandId id : {CommandId::Undo, CommandId::Redo, CommandId::Analysis, CommandId::Vhdl, CommandId::Visio,
                       CommandId::SaveSequence, CommandId::Serial, CommandId::Parallel, CommandId::Save,
                       CommandId::ExportBlif, CommandId::ExportVerilog})
    EXPECT_FALSE(Enabled(*frame, id)) << static_cast<int>(id);
  for (CommandId id : {CommandId::New, CommandId::Open, CommandId::Settings, CommandId::About, CommandId::CoverNand,
                       CommandId::CoverNor, CommandId::Optimize})
    EXPECT_TRUE(Enabled(*frame, id)) << static_cast<int>(id);

  frame->Document().FinishNewProject(kTwoOutputProject);
  EXPECT_FALSE(Enabled(*frame, CommandId::Undo));
  EXPECT_FALSE(Enabled(*frame, CommandId::Redo));
  EXPECT_TRUE(Enabled(*frame, CommandId::Analysis));
  EXPECT_TRUE(Enabled(*frame, CommandId::Save));
  EXPECT_FALSE(Enabled(*frame, CommandId::Serial));
  // The exports sit in the Файл menu and follow VHDL's rule.
  const QList<QAction*> file = frame->menuBar()->actions().front()->menu()->actions();
  for (CommandId id : {CommandId::ExportBlif, CommandId::ExportVerilog}) {
    EXPECT_TRUE(Enabled(*frame, id));
    EXPECT_TRUE(file.contains(frame->Action(id)));
  }
  EXPECT_EQ(frame->Action(CommandId::ExportBlif)->text(), "Экспорт в BLIF...");
  EXPECT_EQ(frame->Action(CommandId::ExportVerilog)->text(), "Экспорт в Verilog...");
  EXPECT_EQ(frame->windowTitle(), "Схема1[*] - Lodex");
  EXPECT_TRUE(frame->isWindowModified());

  frame->Document().SelectBlock(1);  // as a click on the block does
  EXPECT_TRUE(Enabled(*frame, CommandId::Serial));
  EXPECT_TRUE(Enabled(*frame, CommandId::Parallel));
  EXPECT_TRUE(Enabled(*frame, CommandId::SaveSequence));
  EXPECT_FALSE(Enabled(*frame, CommandId::Fictitious));  // two outputs
  frame->Document().SelectBlock(-1);
  EXPECT_FALSE(Enabled(*frame, CommandId::Serial));

  ASSERT_TRUE(frame->OpenFile(QString::fromStdString(Project("adder.shc"))));
  EXPECT_FALSE(Enabled(*frame, CommandId::Undo));
  EXPECT_FALSE(Enabled(*frame, CommandId::Save));
  EXPECT_FALSE(frame->isWindowModified());
  EXPECT_EQ(frame->windowTitle(), "adder[*] - Lodex");
}

TEST_F(MainWindowTest, ToolbarHoldsTheCommandsInOrder) {
  auto frame = MakeFrame();
  std::vector<int> ids;
  for (QAction* a : frame->ToolBar()->actions()) ids.push_back(a->isSeparator() ? 0 : a->data().toInt());
  EXPECT_EQ(ids, (std::vector<int>{57600, 57601, 57603, 0, 57643, 57644, 0, 32802, 32778, 32779, 32785, 0, 32780, 32782,
                                   32792, 0, 57664, 0, 32803}));
  for (QAction* a : frame->ToolBar()->actions()) {
    if (a->isSeparator()) continue;
    EXPECT_FALSE(a->icon().isNull()) << a->data().toInt();
  }
  EXPECT_EQ(frame->Action(CommandId::Undo)->statusTip(), "Отменить предыдущее действие");
  EXPECT_EQ(frame->Action(CommandId::Fictitious)->statusTip(), "Поиск фиктивных входов выделенного блока");
}

TEST_F(MainWindowTest, HistoryThroughTheUndoRedoActionsAndKeys) {
  auto frame = MakeFrame();
  host->answer = MessageAnswer::No;  // no parallel-serial merge
  host->serial = [](const CLogicalBlock&) { return SerialChoice{3}; };
  host->parallel = [](const CLogicalBlock&) { return SplitRequest{7, 1, 7, 2}; };
  frame->show();
  frame->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
  CLodexDoc& doc = frame->Document();
  doc.FinishNewProject(kTwoOutputProject);
  for (int i = 0; i < 2; ++i) {
    doc.SelectBlock(1);
    frame->Action(CommandId::Serial)->trigger();
  }
  ASSERT_EQ(doc.History().size(), 3u);
  const CLogicalScheme afterFirst = doc.History()[1];

  QTest::keyClick(frame.get(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(doc.HistoryPos(), 1);
  EXPECT_TRUE(Enabled(*frame, CommandId::Redo));
  QTest::keyClick(frame.get(), Qt::Key_Backspace, Qt::AltModifier);
  EXPECT_EQ(doc.HistoryPos(), 0);
  EXPECT_FALSE(Enabled(*frame, CommandId::Undo));
  // Redo by its button and by both of the platform's keys.
  frame->Action(CommandId::Redo)->trigger();
  EXPECT_EQ(doc.HistoryPos(), 1);
  QTest::keyClick(frame.get(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(doc.HistoryPos(), 2);
  QTest::keyClick(frame.get(), Qt::Key_Backspace, Qt::AltModifier);
  QTest::keyClick(frame.get(), Qt::Key_Backspace, Qt::AltModifier);
  QTest::keyClick(frame.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(doc.HistoryPos(), 1);

  doc.SelectBlock(1);
  ASSERT_TRUE(Enabled(*frame, CommandId::Parallel));
  frame->Action(CommandId::Parallel)->trigger();
  ASSERT_EQ(doc.History().size(), 3u);
  EXPECT_EQ(doc.History()[1], afterFirst);
  EXPECT_FALSE(Enabled(*frame, CommandId::Redo));
  EXPECT_TRUE(Enabled(*frame, CommandId::Undo));
}

// Undo and redo from the Правка menu's keys: the modified mark is clear
// exactly at the state last saved, and a change after undoing past it
// leaves no state unmodified.
TEST_F(MainWindowTest, UndoBackToTheSavedStateClearsTheModifiedMark) {
  auto frame = MakeFrame();
  host->answer = MessageAnswer::No;
  host->serial = [](const CLogicalBlock&) { return SerialChoice{3}; };
  host->parallel = [](const CLogicalBlock&) { return SplitRequest{7, 1, 7, 2}; };
  frame->show();
  frame->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
  QMenu* edit = frame->menuBar()->actions()[1]->menu();
  EXPECT_EQ(edit->title(), "&Правка");
  EXPECT_EQ(edit->actions(), (QList<QAction*>{frame->Action(CommandId::Undo), frame->Action(CommandId::Redo)}));
  CLodexDoc& doc = frame->Document();
  const auto command = [&](CommandId id) {
    doc.SelectBlock(1);
    frame->Action(id)->trigger();
    return frame->isWindowModified();
  };
  const auto key = [&](Qt::Key k, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(frame.get(), k, modifiers);
    return frame->isWindowModified();
  };
  const Qt::KeyboardModifiers ctrl = Qt::ControlModifier, ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;

  doc.FinishNewProject(kTwoOutputProject);
  EXPECT_TRUE(command(CommandId::Serial));
  EXPECT_TRUE(key(Qt::Key_Z, ctrl));  // a new project has never been saved
  host->saveFile = Path("p.shc");
  EXPECT_FALSE(command(CommandId::Save));
  EXPECT_TRUE(key(Qt::Key_Y, ctrl));
  EXPECT_FALSE(key(Qt::Key_Z, ctrl));
  EXPECT_FALSE(Enabled(*frame, CommandId::Save));
  EXPECT_TRUE(key(Qt::Key_Z, ctrlShift));
  EXPECT_FALSE(command(CommandId::Save));  // now the second state is on disk
  EXPECT_TRUE(key(Qt::Key_Z, ctrl));
  EXPECT_FALSE(key(Qt::Key_Y, ctrl));

  // Undone past the saved state, a new change cuts that state off.
  EXPECT_TRUE(key(Qt::Key_Z, ctrl));
  EXPECT_TRUE(command(CommandId::Parallel));
  ASSERT_EQ(doc.History().size(), 2u);
  EXPECT_TRUE(key(Qt::Key_Z, ctrl));
  EXPECT_TRUE(key(Qt::Key_Y, ctrl));
  EXPECT_EQ(doc.HistoryPos(), 1);
}

TEST_F(MainWindowTest, SettingsMarkTheLayoutButNotTheDocument) {
  auto frame = MakeFrame();
  ASSERT_TRUE(frame->OpenFile(QString::fromStdString(Project("adder.shc"))));
  QSignalSpy refreshed(frame->View(), &CLodexView::LayoutRefreshed);
  const bool shown = WithModal([&] { frame->Action(CommandId::Settings)->trigger(); },
                               [](QWidget* dialog) {
                                 EXPECT_EQ(dialog->windowTitle(), "Настройки");
                                 dialog->findChild<QCheckBox*>("AutoSynthesis")->setChecked(false);
                                 dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
                               });
  ASSERT_TRUE(shown);
  EXPECT_FALSE(frame->Document().AutoSynthesis());
  EXPECT_TRUE(frame->Document().LibraryBlocks());
  EXPECT_EQ(refreshed.count(), 1);
  EXPECT_FALSE(frame->Document().IsModified());
  EXPECT_FALSE(frame->isWindowModified());
  EXPECT_TRUE(frame->close());
  EXPECT_EQ(host->saveChangesAsked, 0);
}

TEST_F(MainWindowTest, ClosingAModifiedDocumentAsksAndCancelKeepsTheWindow) {
  auto frame = MakeFrame();
  frame->show();
  frame->Document().FinishNewProject(kTwoOutputProject);
  host->saveChanges = MessageAnswer::Cancel;
  EXPECT_FALSE(frame->close());
  EXPECT_TRUE(frame->isVisible());
  host->saveChanges = MessageAnswer::No;
  EXPECT_TRUE(frame->close());
  EXPECT_EQ(host->saveChangesAsked, 2);
}

TEST_F(MainWindowTest, LayoutPositionAndRecentFilesComeBackInTheNextWindow) {
  const QString adder = QString::fromStdString(Project("adder.shc"));
  {
    auto first = MakeFrame();
    first->ShowWithSavedPosition();
    first->resize(640, 480);
    first->ToolBar()->hide();
    ASSERT_TRUE(first->OpenFile(adder));
    ASSERT_TRUE(first->close());
  }
  auto second = MakeFrame();
  EXPECT_EQ(second->RecentFiles(), QStringList{adder});
  second->ShowWithSavedPosition();
  EXPECT_EQ(second->size(), QSize(640, 480));
  EXPECT_TRUE(second->ToolBar()->isHidden());
  EXPECT_FALSE(second->OutputBar()->isHidden());
  second->ResetLayout();
  EXPECT_FALSE(second->ToolBar()->isHidden());
}

TEST_F(MainWindowTest, DamagedAndMissingFilesAreReportedAndTheDocumentKept) {
  auto frame = MakeFrame();
  const std::string adder = Project("adder.shc");
  ASSERT_TRUE(frame->OpenFile(QString::fromStdString(adder)));
  const CLogicalScheme shown = frame->Document().Scheme();

  const std::string damaged = Path("damaged.shc");
  testing::WriteBytes(damaged, "not a scheme at all");
  host->openFile = damaged;
  const QString reason = MessageBoxText([&] { frame->Action(CommandId::Open)->trigger(); });
  EXPECT_TRUE(reason.contains("damaged.shc")) << reason.toStdString();
  EXPECT_EQ(frame->Document().Scheme(), shown);
  EXPECT_EQ(frame->Document().GetPathName(), adder);
  EXPECT_EQ(frame->RecentFiles(), QStringList{QString::fromStdString(adder)});

  // A recent file that has gone is reported and leaves the list.
  std::filesystem::remove(adder);
  EXPECT_FALSE(MessageBoxText([&] { frame->OpenFile(QString::fromStdString(adder)); }).isEmpty());
  EXPECT_TRUE(frame->RecentFiles().isEmpty());
  EXPECT_EQ(frame->Document().Scheme(), shown);
}

// Text from a file shows escaped in the message box, the pane and the title.
TEST_F(MainWindowTest, FileTextIsShownEscaped) {
  const std::string hostile = "Блок\n\x1B[2J\x07", shown = "Блок\\n\\x1B[2J\\x07";
  auto frame = MakeFrame();
  CLogicalScheme s(3, 1, "Bl_1", "01101001");
  s.GetBlock(1).m_id = hostile;
  s.m_blocks.insert(s.m_blocks.begin() + 2, s.GetBlock(1));  // a second block of the same name
  testing::WriteBytes(Path("repeated.shc"), StoreScheme(s));
  host->openFile = Path("repeated.shc");
  QString details;
  const QString reason = MessageBoxText([&] { frame->Action(CommandId::Open)->trigger(); }, &details);
  EXPECT_TRUE(details.contains(QString::fromStdString("блок 2 («" + shown + "»)"), Qt::CaseInsensitive))
      << details.toStdString();
  EXPECT_FALSE(reason.contains('\n') || reason.contains('\x1B')) << reason.toStdString();
  EXPECT_FALSE(details.contains('\x1B')) << details.toStdString();

  CLogicalScheme valid(3, 1, "Bl_1", "01101001");
  valid.GetBlock(1).m_caption = hostile;
  const std::string file = Path("a\x1B" + std::string("b.shc"));
  testing::WriteBytes(file, StoreScheme(valid));
  ASSERT_TRUE(frame->OpenFile(QString::fromStdString(file)));
  EXPECT_EQ(frame->OutputBar()->BlockLines().front(), QString::fromStdString(shown + ":"));
  EXPECT_TRUE(frame->windowTitle().startsWith("a\\x1Bb")) << frame->windowTitle().toStdString();
}

TEST_F(MainWindowTest, DroppedSchemeOpensAfterTheSavePrompt) {
  auto frame = MakeFrame();
  const QString adder = QString::fromStdString(Project("adder.shc"));
  const auto drag = [&](const QString& file) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(file)});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame.get(), &enter);
    if (!enter.isAccepted()) return false;
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame.get(), &drop);
    QCoreApplication::processEvents();
    return true;
  };
  EXPECT_FALSE(drag(QString::fromStdString(Path("notes.txt"))));

  frame->Document().FinishNewProject(kTwoOutputProject);
  host->saveChanges = MessageAnswer::Cancel;
  ASSERT_TRUE(drag(adder));
  EXPECT_EQ(host->saveChangesAsked, 1);
  EXPECT_EQ(frame->Document().GetTitle(), "Схема1");

  host->saveChanges = MessageAnswer::No;
  ASSERT_TRUE(drag(adder));
  EXPECT_EQ(frame->Document().GetPathName(), adder.toStdString());
  EXPECT_EQ(frame->windowTitle(), "adder[*] - Lodex");
}

TEST_F(MainWindowTest, ImageThatCannotBeWrittenIsReported) {
  auto frame = MakeFrame();
  ASSERT_TRUE(frame->OpenFile(QString::fromStdString(Project("adder.shc"))));
  host->saveFile = Path("no-such-folder/adder.svg");
  auto* action = frame->Action(CommandId::SaveImage);
  ASSERT_TRUE(action && action->isEnabled());
  const QString text = MessageBoxText([&] { action->trigger(); });
  EXPECT_TRUE(text.startsWith("Не удалось сохранить изображение")) << text.toStdString();
  EXPECT_TRUE(
      text.contains("в папку «" + QString::fromStdString(Path("no-such-folder")) + "»: нет такого файла или папки."))
      << text.toStdString();
  EXPECT_FALSE(std::filesystem::exists(Path("no-such-folder")));
}

TEST(WindowHost, MessageBoxesSpeakRussianUnderTheApplicationTitle) {
  CQtHost host;
  const Message question{"Выделить?", "", MessageButtons::YesNoCancel, MessageIcon::Question};
  MessageAnswer answer = MessageAnswer::Ok;
  const bool shown = WithModal([&] { answer = host.Show(question); },
                               [](QWidget* w) {
                                 auto* box = qobject_cast<QMessageBox*>(w);
                                 ASSERT_NE(box, nullptr);
                                 EXPECT_EQ(box->windowTitle(), "Lodex");
                                 EXPECT_EQ(box->icon(), QMessageBox::Question);
                                 QStringList texts;
                                 for (QAbstractButton* b : box->buttons()) texts << b->text();
                                 texts.sort();
                                 EXPECT_EQ(texts, (QStringList{"Да", "Нет", "Отмена"}));
                                 box->button(QMessageBox::No)->click();
                               });
  ASSERT_TRUE(shown);
  EXPECT_EQ(answer, MessageAnswer::No);
}

TEST(WindowHost, FileFiltersBecomeQtNameFilters) {
  EXPECT_EQ(QtNameFilters(kOpenSchemeDialog.filter), (QStringList{"Схемы (*.shc)", "Все файлы (*)"}));
  EXPECT_EQ(QtNameFilters("Рисунок SVG (*.svg)|*.svg||"), QStringList{"Рисунок SVG (*.svg)"});
  EXPECT_EQ(QtNameFilters("Sequences|*.lof;*.txt||"), QStringList{"Sequences (*.lof *.txt)"});
  EXPECT_EQ(DefaultSuffixOf("Рисунок PNG (*.png)"), "png");
  EXPECT_EQ(DefaultSuffixOf("Все файлы (*)"), "");
}

TEST_F(MainWindowTest, FindBlockSelectsAndThePaneAndTheOverviewFollow) {
  const std::unique_ptr<CMainFrame> frame = MakeFrame();
  frame->resize(900, 700);
  frame->show();
  ASSERT_TRUE(SaveSchemeFile(Path("big.shc"), testing::LongChain(300)).ok());
  ASSERT_TRUE(frame->OpenFile(QString::fromStdString(Path("big.shc"))));
  EXPECT_TRUE(frame->OverviewBar()->isVisibleTo(frame.get()));
  const CLogicalScheme& scheme = frame->Document().Scheme();

  // By number, identifier and caption.
  ASSERT_TRUE(frame->FindBlock("150"));
  EXPECT_EQ(frame->Document().SelectedLogicBlock(), 150);
  ASSERT_TRUE(frame->FindBlock(" B7 "));
  EXPECT_EQ(frame->Document().SelectedLogicBlock(), scheme.FindBlock("B7"));
  const std::string caption = scheme.GetBlock(42).m_caption;
  ASSERT_TRUE(frame->FindBlock(QString::fromStdString(caption)));
  EXPECT_EQ(frame->Document().SelectedLogicBlock(), 42);
  host->answer = MessageAnswer::Ok;
  EXPECT_FALSE(frame->FindBlock("B9999"));
  ASSERT_EQ(host->messages.size(), 1u);
  EXPECT_EQ(host->messages.back().text, "Блок «B9999» не найден");
  EXPECT_EQ(frame->Document().SelectedLogicBlock(), 42);

  // The pane marks the selected block's lines: its caption line and its
  // sequence line.
  COutputBar* pane = frame->OutputBar();
  EXPECT_EQ(pane->MarkedBlock(), 42);
  auto* list = qobject_cast<QListView*>(pane->Tabs()->widget(0));
  ASSERT_NE(list, nullptr);
  const QModelIndexList marked = list->selectionModel()->selectedRows();
  ASSERT_EQ(marked.size(), 2);
  EXPECT_EQ(pane->BlockLines()[marked.front().row()], QString::fromStdString(caption + ":"));
  // Found again after the mark was cleared (a click in the list), it is
  // marked again.
  list->clearSelection();
  ASSERT_TRUE(frame->FindBlock(QString::fromStdString(caption)));
  EXPECT_EQ(list->selectionModel()->selectedRows().size(), 2);

  // A double click on another block's lines selects that block in the view.
  const QModelIndex line = list->model()->index(2 * (7 - 1) + 1, 0);  // block 7's sequence line
  list->scrollTo(line);
  const QPoint at = list->visualRect(line).center();
  QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);  // a double click's first press
  QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
  EXPECT_EQ(frame->Document().SelectedLogicBlock(), 7);
  EXPECT_EQ(pane->MarkedBlock(), 7);

  // A scheme that fits has no overview.
  const std::string small = Project("small.shc");
  ASSERT_TRUE(frame->OpenFile(QString::fromStdString(small)));
  EXPECT_FALSE(frame->OverviewBar()->isVisibleTo(frame.get()));
  EXPECT_EQ(frame->View()->Zoom(), 100u);
}

}  // namespace
}  // namespace lodex::test
