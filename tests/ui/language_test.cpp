// The interface language: chosen by --language or the settings, Russian by
// default; in English the frame's menus, prompts, toolbar and panes, the
// settings dialog and the wizard show no Russian, and the dialog keeps the
// choice.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include "WindowTestUtil.h"
#include "app/CommandTable.h"
#include "app/ScriptedHost.h"
#include "model/TempDir.h"
#include "ui/dialogs/EditLPDlg.h"
#include "ui/dialogs/ThreeInDlg.h"
#include "ui/dialogs/WizPage1.h"
#include "ui/dialogs/WizPage2.h"
#include "ui/dialogs/WizSheet.h"
#include "ui/widgets/Language.h"
#include "ui/widgets/SequenceEdit.h"
#include "ui/window/Lodex.h"
#include "ui/window/MainFrm.h"

namespace lodex::test {
namespace {

bool HasCyrillic(const QString& text) {
  static const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
  return text.contains(cyrillic);
}

// Every text of the menu bar's menus and their items, depth first.
QStringList MenuTexts(const QMenuBar* bar) {
  QStringList texts;
  std::function<void(const QList<QAction*>&)> walk = [&](const QList<QAction*>& actions) {
    for (const QAction* action : actions) {
      if (action->isSeparator() || !action->isVisible()) continue;
      texts << action->text() << action->statusTip() << action->toolTip();
      if (action->menu()) walk(action->menu()->actions());
    }
  };
  walk(bar->actions());
  return texts;
}

class LanguageTest : public ::testing::Test {
 protected:
  void TearDown() override { InstallLanguage(kRussian); }

  // The frame as the program makes it, in the language the settings choose.
  std::unique_ptr<CMainFrame> MakeFrame(const char* stored) {
    if (stored) QSettings(SettingsFile(), QSettings::IniFormat).setValue(kInterfaceLanguageKey, stored);
    EXPECT_TRUE(InstallLanguage(ChooseLanguage({}, QSettings(SettingsFile(), QSettings::IniFormat))));
    return std::make_unique<CMainFrame>(std::make_unique<CScriptedQtHost>(), SettingsFile());
  }
  QString SettingsFile() const { return QString::fromStdString(m_dir.File("settings.ini")); }

  testing::CTempDir m_dir;
};

TEST_F(LanguageTest, TheOptionComesBeforeTheSettingsAndRussianIsTheDefault) {
  EXPECT_EQ(LanguageArgument({"lodex", "--language", "en", "adder.shc"}), "en");
  EXPECT_EQ(LanguageArgument({"lodex", "adder.shc", "--language=ru"}), "ru");
  EXPECT_EQ(LanguageArgument({"lodex", "adder.shc"}), "");
  // The value of the option is no scheme to open.
  EXPECT_EQ(SchemeArgument({"lodex", "--language", "en", "adder.shc"}), "adder.shc");
  EXPECT_EQ(SchemeArgument({"lodex", "--language=en", "adder.shc"}), "adder.shc");
  EXPECT_EQ(SchemeArgument({"lodex", "--language", "en"}), "");
  QSettings settings(SettingsFile(), QSettings::IniFormat);
  EXPECT_EQ(ChooseLanguage({}, settings), kRussian);
  settings.setValue(kInterfaceLanguageKey, "en");
  EXPECT_EQ(ChooseLanguage({}, settings), kEnglish);
  EXPECT_EQ(ChooseLanguage("ru", settings), kRussian);
  settings.setValue(kInterfaceLanguageKey, "de");
  EXPECT_EQ(ChooseLanguage({}, settings), kRussian);
  EXPECT_EQ(ChooseLanguage("EN", settings), kEnglish);
}

TEST_F(LanguageTest, EveryCommandHasItsEnglishTexts) {
  ASSERT_TRUE(InstallLanguage(kEnglish));
  EXPECT_EQ(InterfaceLanguage(), kEnglish);
  for (const CommandInfo& command : CommandTable()) {
    EXPECT_FALSE(HasCyrillic(AppText(command.caption))) << command.caption;
    EXPECT_FALSE(HasCyrillic(AppText(command.prompt))) << command.prompt;
    if (command.contextMenu) {
      EXPECT_FALSE(HasCyrillic(AppText(command.contextMenu))) << command.contextMenu;
    }
  }
  for (const char* menu : MenuBar()) EXPECT_FALSE(HasCyrillic(AppText(menu))) << menu;
}

TEST_F(LanguageTest, WithTheEnglishSettingTheWindowReadsInEnglish) {
  auto frame = MakeFrame("en");
  EXPECT_EQ(InterfaceLanguage(), kEnglish);
  QStringList menus;
  for (const QAction* menu : frame->menuBar()->actions()) menus << menu->text();
  EXPECT_EQ(menus, QStringList({"&File", "&Edit", "&Synthesis", "&Tools", "&Options", "&View", "&Help"}));
  for (const QString& text : MenuTexts(frame->menuBar())) EXPECT_FALSE(HasCyrillic(text)) << text.toStdString();
  for (const QAction* button : frame->ToolBar()->actions()) {
    if (button->isSeparator()) continue;
    EXPECT_FALSE(button->toolTip().isEmpty());
    EXPECT_FALSE(HasCyrillic(button->toolTip())) << button->toolTip().toStdString();
  }
  EXPECT_EQ(frame->Action(CommandId::Serial)->toolTip(), "Serial Decomposition");
  for (const QDockWidget* pane : frame->findChildren<QDockWidget*>())
    EXPECT_FALSE(HasCyrillic(pane->windowTitle())) << pane->windowTitle().toStdString();
  for (const QLabel* label : frame->statusBar()->findChildren<QLabel*>())
    EXPECT_FALSE(HasCyrillic(label->text())) << label->text().toStdString();

  // The settings dialog in English shows the language kept and keeps the new choice.
  const bool shown = WithModal([&] { frame->Action(CommandId::Settings)->trigger(); },
                               [](QWidget* dialog) {
                                 EXPECT_EQ(dialog->windowTitle(), "Settings");
                                 for (const QWidget* control : dialog->findChildren<QWidget*>()) {
                                   if (const auto* label = qobject_cast<const QLabel*>(control)) {
                                     EXPECT_FALSE(HasCyrillic(label->text())) << label->text().toStdString();
                                   }
                                   if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
                                     EXPECT_FALSE(HasCyrillic(button->text())) << button->text().toStdString();
                                   }
                                   if (const auto* box = qobject_cast<const QCheckBox*>(control)) {
                                     EXPECT_FALSE(box->toolTip().isEmpty()) << box->objectName().toStdString();
                                   }
                                 }
                                 auto* language = dialog->findChild<QComboBox*>("Language");
                                 EXPECT_EQ(language->currentText(), "English");
                                 EXPECT_FALSE(language->toolTip().isEmpty());
                                 language->setCurrentIndex(language->findText("Русский"));
                                 dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
                               });
  ASSERT_TRUE(shown);
  EXPECT_EQ(QSettings(SettingsFile(), QSettings::IniFormat).value(kInterfaceLanguageKey).toString(), "ru");
  // It takes effect at the next start: this window stays English.
  EXPECT_EQ(frame->menuBar()->actions().front()->text(), "&File");
}

TEST_F(LanguageTest, ByDefaultTheWindowReadsInRussian) {
  auto frame = MakeFrame(nullptr);
  EXPECT_EQ(InterfaceLanguage(), kRussian);
  EXPECT_EQ(frame->menuBar()->actions().front()->text(), "&Файл");
  EXPECT_EQ(frame->Action(CommandId::Serial)->toolTip(), "Последовательная декомпозиция");
  const bool shown = WithModal([&] { frame->Action(CommandId::Settings)->trigger(); },
                               [](QWidget* dialog) {
                                 EXPECT_EQ(dialog->windowTitle(), "Настройки");
                                 EXPECT_EQ(dialog->findChild<QComboBox*>("Language")->currentText(), "Русский");
                                 dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
                               });
  ASSERT_TRUE(shown);
  EXPECT_FALSE(QSettings(SettingsFile(), QSettings::IniFormat).contains(kInterfaceLanguageKey));
}

TEST_F(LanguageTest, TheWizardSummaryAlignsItsEnglishLabels) {
  ASSERT_TRUE(InstallLanguage(kEnglish));
  CScriptedHost host;
  CWizSheet sheet(host);
  sheet.Page1()->SetName("adder");
  sheet.show();
  sheet.findChild<QRadioButton*>("FromEntry")->click();
  sheet.findChild<QComboBox*>("Inputs")->setCurrentIndex(1);
  sheet.findChild<QComboBox*>("Outputs")->setCurrentIndex(4);
  ASSERT_TRUE(WithModal([&] { sheet.findChild<QPushButton*>("Keyboard")->click(); },
                        [](QWidget* w) {
                          auto* entry = qobject_cast<CEditLPDlg*>(w);
                          ASSERT_NE(entry, nullptr);
                          EXPECT_EQ(entry->windowTitle(), "Logic Sequence Entry");
                          QTest::keyClicks(entry->Editor(), "1a**0f17");
                          entry->accept();
                        }));
  sheet.next();
  ASSERT_EQ(sheet.currentId(), 1);
  EXPECT_EQ(sheet.Page2()->Text(),
            "     Project name:    adder\n     Scheme inputs:   2\n     Scheme outputs:  5\n"
            "     Logic sequence: \n  1A ** 0F 17");
}

// The lines the core words for the dialog and lodex-cli alike are shown translated.
TEST_F(LanguageTest, TheThreeInputDialogsLinesReadInEnglish) {
  ASSERT_TRUE(InstallLanguage(kEnglish));
  CLogicalScheme scheme;
  scheme.InitFromProject(3, 1, "Bl_1", "01101001");
  CThreeInDlg dialog(scheme.GetBlock(1), {1, 2, 3});
  const QListWidget* lines = dialog.findChild<QListWidget*>("Lines");
  ASSERT_EQ(lines->count(), 3);
  EXPECT_EQ(lines->item(0)->text(), "In 4, extracted block type 3");
  EXPECT_EQ(lines->item(2)->text(), "In 1, extracted block type 1");
  EXPECT_EQ(dialog.windowTitle(), "Three-Input Block Extraction");
}

TEST(LanguageOptionTest, TheProgramTakesOnlyRuOrEn) {
  QProcess lodex;
  lodex.start(LODEX_BIN_DIR "/lodex", {"--language", "de"});
  ASSERT_TRUE(lodex.waitForFinished(30000));
  EXPECT_EQ(lodex.exitCode(), 1);
  EXPECT_EQ(lodex.readAllStandardError().toStdString(), "lodex: --language takes ru or en, not 'de'\n");
  lodex.start(LODEX_BIN_DIR "/lodex", {"--help"});
  ASSERT_TRUE(lodex.waitForFinished(30000));
  EXPECT_TRUE(lodex.readAllStandardOutput().contains("--language ru|en"));
}

}  // namespace
}  // namespace lodex::test
