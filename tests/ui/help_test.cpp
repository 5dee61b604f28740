// The manual: every section a window names exists in both languages with its
// pictures and links; F1 in a dialog opens the manual at that dialog's
// section, readable while the dialog runs; Помощь › Справка opens it at its
// start, in the language it is given.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QFile>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSet>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QWindow>
#include <functional>
#include <memory>

#include "WindowTestUtil.h"
#include "app/ScriptedHost.h"
#include "app/dialogs/AnalysisDialog.h"
#include "model/TempDir.h"
#include "ui/dialogs/AnalizeDlg.h"
#include "ui/dialogs/AutoSynthDlg.h"
#include "ui/dialogs/FictDlg.h"
#include "ui/dialogs/ParallelDecDlg.h"
#include "ui/dialogs/PrwDlg.h"
#include "ui/dialogs/SetUpDlg.h"
#include "ui/dialogs/ThreeInDlg.h"
#include "ui/dialogs/WizSheet.h"
#include "ui/widgets/HelpDesk.h"
#include "ui/widgets/HelpWindow.h"
#include "ui/widgets/Icons.h"
#include "ui/window/BlockProperties.h"
#include "ui/window/MainFrm.h"

static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace lodex::test {
namespace {

CLogicalBlock Block(int inputs, int outputs, const std::string& lp) {
  return CLogicalScheme(static_cast<int16_t>(inputs), static_cast<int16_t>(outputs), "Bl_1", lp).GetBlock(1);
}

QString ManualText(const QString& language) {
  QFile file(QString(":/help/manual.%1.html").arg(language));
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The anchors of the manual as the browser's document holds them.
QSet<QString> Anchors(const QString& html) {
  QTextDocument document;
  document.setHtml(html);
  QSet<QString> names;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
    for (auto it = block.begin(); !it.atEnd(); ++it)
      for (const QString& name : it.fragment().charFormat().anchorNames()) names.insert(name);
  return names;
}

TEST(Manual, BothLanguagesHaveEverySectionAndTheirLinksAndPicturesResolve) {
  InitUiResources();
  for (const QString language : {"ru", "en"}) {
    SCOPED_TRACE(language.toStdString());
    const QString html = ManualText(language);
    ASSERT_FALSE(html.isEmpty());
    const QSet<QString> anchors = Anchors(html);
    for (const QString& topic : HelpTopics()) EXPECT_TRUE(anchors.contains(topic)) << topic.toStdString();
    for (const QRegularExpressionMatch& link : QRegularExpression(R"re(href="#([^"]+)")re").globalMatch(html))
      EXPECT_TRUE(anchors.contains(link.captured(1))) << link.captured(1).toStdString();
    // The pictures and the style sheet.
    int files = 0;
    for (const QRegularExpressionMatch& file :
         QRegularExpression(R"re((?:src|href)="([^"#:]+)")re").globalMatch(html)) {
      EXPECT_TRUE(QFile::exists(":/help/" + file.captured(1))) << file.captured(1).toStdString();
      ++files;
    }
    EXPECT_GE(files, 10);
  }
}

class HelpTest : public ::testing::Test {
 protected:
  HelpTest() : m_frame(std::make_unique<CScriptedQtHost>(), QString::fromStdString(m_dir.File("settings.ini"))) {}

  CHelpWindow* Manual() const { return m_frame.HelpDesk()->Window(); }

  testing::CTempDir m_dir;
  CMainFrame m_frame;
};

struct DialogCase {
  const char* topic;
  std::function<std::unique_ptr<QDialog>(QWidget* parent, CScriptedHost& sink)> make;
};

TEST_F(HelpTest, F1InADialogOpensItsSectionAndTheManualCanBeUsedWhileTheDialogRuns) {
  const CLogicalBlock oneOutput = Block(3, 1, "00000101");
  const CAnalysisGrid grid("01234567", "01234567", 1);
  const CLogicalScheme scheme(3, 2, "Bl_1", "01121223");
  CScriptedHost sink;
  const std::vector<DialogCase> cases = {
      {help::kSerial, [&](QWidget* p, CScriptedHost&) { return std::make_unique<CPrwDlg>(oneOutput, p); }},
      {help::kParallel,
       [&](QWidget* p, CScriptedHost&) { return std::make_unique<CParallelDecDlg>(Block(3, 2, "00012223"), p); }},
      {help::kFictitious, [&](QWidget* p, CScriptedHost&) { return std::make_unique<CFictDlg>(oneOutput, p); }},
      {help::kThreeInput,
       [&](QWidget* p, CScriptedHost&) {
         return std::make_unique<CThreeInDlg>(oneOutput, std::vector<int32_t>{5, 1, 5}, p);
       }},
      {help::kAnalysis, [&](QWidget* p, CScriptedHost& s) { return std::make_unique<CAnalizeDlg>(grid, s, p); }},
      {help::kSettings,
       [&](QWidget* p, CScriptedHost&) {
         return std::make_unique<CSetUpDlg>(SettingsChoice{}, QStringLiteral("ru"), p);
       }},
      {help::kAutoSynthesis,
       [&](QWidget* p, CScriptedHost&) {
         return std::make_unique<CAutoSynthDlg>(scheme, 4, SynthesisObjective::Luts, p);
       }},
      {help::kWizard, [&](QWidget* p, CScriptedHost& s) { return std::make_unique<CWizSheet>(s, p); }},
  };
  for (const DialogCase& c : cases) {
    SCOPED_TRACE(c.topic);
    std::unique_ptr<QDialog> dialog = c.make(&m_frame, sink);
    bool checked = false;
    ASSERT_TRUE(WithModal([&] { dialog->exec(); },
                          [&](QWidget* modal) {
                            QWidget* focus = modal->focusWidget() ? modal->focusWidget() : modal;
                            QTest::keyClick(focus, Qt::Key_F1);
                            CHelpWindow* manual = Manual();
                            if (manual != nullptr) {
                              EXPECT_TRUE(manual->isVisible());
                              EXPECT_EQ(manual->Topic(), c.topic);
                              EXPECT_EQ(manual->Browser()->source().fragment(), c.topic);
                              // The dialog owns the manual while it runs, so its modality
                              // does not block the manual: keys reach the browser.
                              EXPECT_EQ(manual->windowHandle()->transientParent(), modal->windowHandle());
                              QScrollBar* bar = manual->Browser()->verticalScrollBar();
                              bar->setValue(0);
                              manual->Browser()->setFocus();
                              QTest::keyClick(manual->windowHandle(), Qt::Key_End);
                              EXPECT_GT(bar->value(), 0);
                              checked = true;
                            }
                            static_cast<QDialog*>(modal)->reject();
                          }));
    EXPECT_TRUE(checked);
  }
  // F1 on the wizard's own buttons opens the section of the page it shows.
  CWizSheet wizard(sink, &m_frame);
  wizard.show();
  wizard.setStartId(wizard.pageIds().back());
  wizard.restart();
  QTest::keyClick(wizard.button(QWizard::FinishButton), Qt::Key_F1);
  EXPECT_EQ(Manual()->Topic(), help::kWizardCheck);
}

TEST_F(HelpTest, HelpMenuOpensTheManualAtItsStartInTheLanguageGiven) {
  QAction* item = nullptr;
  for (QAction* menu : m_frame.menuBar()->actions())
    if (menu->text() == "По&мощь")
      for (QAction* action : menu->menu()->actions())
        if (action->text() == "&Справка") item = action;
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->shortcut(), QKeySequence(Qt::Key_F1));
  item->trigger();
  ASSERT_NE(Manual(), nullptr);
  EXPECT_TRUE(Manual()->isVisible());
  EXPECT_EQ(Manual()->Topic(), "");
  EXPECT_EQ(Manual()->Browser()->source().toString(), "qrc:/help/manual.ru.html");
  EXPECT_TRUE(Manual()->Browser()->toPlainText().contains("Логическая последовательность"));

  // F1 in a pane of the main window opens that pane's section.
  m_frame.ShowWithSavedPosition();
  m_frame.HelpDesk()->SetLanguage("en");
  QTest::keyClick(m_frame.Properties()->widget(), Qt::Key_F1);
  EXPECT_EQ(Manual()->Topic(), help::kBlockProperties);
  EXPECT_EQ(Manual()->Language(), "en");
  EXPECT_TRUE(Manual()->Browser()->toPlainText().contains("Block Properties"));
  m_frame.hide();
}

}  // namespace
}  // namespace lodex::test
