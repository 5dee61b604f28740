// The new-project wizard and the sequence entry dialog with real widgets:
// page 1's messages, typing and pasting into the entry field, page 2's
// check, the wizard from the keyboard, schematic import through the built
// tarrow, and New in the main window.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <filesystem>

#include "WindowTestUtil.h"
#include "app/ScriptedHost.h"
#include "model/TempDir.h"
#include "ui/dialogs/EditLPDlg.h"
#include "ui/dialogs/OutputChoiceDlg.h"
#include "ui/dialogs/WizPage1.h"
#include "ui/dialogs/WizPage2.h"
#include "ui/dialogs/WizSheet.h"
#include "ui/widgets/SequenceEdit.h"
#include "ui/window/MainFrm.h"
#include "ui/window/ReasonText.h"

// Failures show the texts.
static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace lodex::test {
namespace {

template <typename T>
T* Child(QWidget* parent, const char* name) {
  T* child = parent->findChild<T*>(name);
  EXPECT_NE(child, nullptr) << name;
  return child;
}

bool FinishEnabled(const CWizSheet& sheet) { return sheet.button(QWizard::FinishButton)->isEnabled(); }

// The library writes its trace into the current directory: a folder of the
// test's own.
using InTempDir = testing::CInTempDir;

TEST(SequenceEntryDialog, DigitsTheOutputsCannotHoldAreNotTaken) {
  CScriptedHost host;
  CEditLPDlg two(2, 2, "", host);  // words 0..3
  QTest::keyClicks(two.Editor(), "39F*2");
  EXPECT_EQ(two.Editor()->LineText(0), "3 * 2 _");
  EXPECT_FALSE(two.Editor()->Paste("0 1 4"));  // nothing of a refused paste lands
  EXPECT_EQ(two.Editor()->LineText(0), "3 * 2 _");
  CEditLPDlg five(1, 5, "", host);  // words 00..1F: the leading digit is 0 or 1
  QTest::keyClicks(five.Editor(), "2");
  EXPECT_EQ(five.Editor()->LineText(0), "__ __");
  QTest::keyClicks(five.Editor(), "1F0a");
  EXPECT_EQ(five.Editor()->LineText(0), "1F 0A");
}

TEST(SequenceEntryDialog, TypingFillsTwoDigitWordsAndOkWaitsForTheLastWord) {
  CScriptedHost host;
  CEditLPDlg dialog(2, 8, "", host);  // n = 2, two-digit words
  CSequenceEdit* edit = dialog.Editor();
  ASSERT_EQ(edit->LineCount(), 1);
  EXPECT_EQ(edit->LineText(0), "__ __ __ __");
  EXPECT_EQ(edit->MissingWords(), 4);

  QTest::keyClicks(edit, "1a");
  QTest::keyClicks(edit, "*");  // the whole word undefined
  EXPECT_EQ(edit->LineText(0), "1A ** __ __");
  QTest::keyClicks(edit, "*x- 0f3");
  EXPECT_EQ(edit->LineText(0), "1A ** 0F 3_");
  EXPECT_EQ(dialog.MissingLabel()->text(), "Не введено слов: 1 из 4");

  // A digit typed into an undefined word starts that word afresh.
  edit->SetCaret(3);
  QTest::keyClick(edit, Qt::Key_4);
  EXPECT_EQ(edit->LineText(0), "1A _4 0F 3_");
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClick(edit, Qt::Key_Backspace);
  EXPECT_EQ(edit->LineText(0), "1A __ 0F 3_");
  QTest::keyClicks(edit, "**");
  EXPECT_EQ(edit->LineText(0), "1A ** 0F 3_");
  EXPECT_EQ(edit->Caret(), 4);

  dialog.accept();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Последовательность введена не полностью: не хватает слов - 1.");
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  QTest::keyClick(edit, Qt::Key_End);
  QTest::keyClick(edit, Qt::Key_7);
  EXPECT_EQ(dialog.MissingLabel()->text(), "Все слова введены");
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.Sequence(), "1A**0F37");
}

TEST(SequenceEntryDialog, PastedSequenceWithWhiteSpaceFillsFromTheCaret) {
  CScriptedHost host;
  CEditLPDlg dialog(4, 4, "", host);
  CSequenceEdit* edit = dialog.Editor();
  EXPECT_EQ(edit->LineCount(), 1);
  EXPECT_EQ(edit->LineText(0), "_ _ _ _  _ _ _ _  _ _ _ _  _ _ _ _");

  QApplication::clipboard()->setText("x1");
  QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(edit->MissingWords(), 16);  // not a sequence: nothing changes

  // As copied from a spreadsheet or a *.lof file, lower case included.
  QApplication::clipboard()->setText("0\t1\t2\t3\r\n4567\r\n89ab\n cd");
  QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(edit->LineText(0), "0 1 2 3  4 5 6 7  8 9 A B  C D _ _");
  EXPECT_EQ(edit->MissingWords(), 2);
  QApplication::clipboard()->setText("ef01");  // beyond the last word is dropped
  QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(edit->MissingWords(), 0);
  EXPECT_EQ(dialog.MissingLabel()->text(), "Все слова введены");
  dialog.accept();
  EXPECT_EQ(dialog.Sequence(), "0123456789ABCDEF");
}

TEST(SequenceEntryDialog, SixteenInputsOfThreeDigitsOpenAndEditAtTheEnd) {
  CScriptedHost host;
  CEditLPDlg dialog(16, 12, "", host);
  CSequenceEdit* edit = dialog.Editor();
  dialog.show();
  EXPECT_EQ(edit->Positions(), 3 * 65536);
  EXPECT_EQ(edit->LineCount(), 4096);
  EXPECT_EQ(edit->MissingWords(), 65536);
  QTest::keyClick(edit, Qt::Key_End, Qt::ControlModifier);
  QTest::keyClicks(edit, "1*");
  EXPECT_EQ(edit->LineText(4095).right(7), "___ ***");
  EXPECT_EQ(edit->MissingWords(), 65535);
  QTest::keyClick(edit, Qt::Key_PageUp);
  EXPECT_FALSE(dialog.grab().isNull());
}

TEST(Wizard, MessagesOfPage1AndTheLengthCheckOfPage2) {
  CScriptedHost host;
  CWizSheet sheet(host);
  sheet.Page1()->SetName(kDefaultProjectName);
  sheet.show();
  CWizPage1* page = sheet.Page1();

  // Next without a source stays on page 1.
  sheet.next();
  EXPECT_EQ(sheet.currentId(), 0);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(MessageText(host.messages[0]), "Не загружена логическая последовательность!");

  // The entry buttons work only for the typed sequence, and want the counts.
  EXPECT_FALSE(Child<QPushButton>(&sheet, "Keyboard")->isEnabled());
  Child<QRadioButton>(&sheet, "FromEntry")->click();
  EXPECT_FALSE(Child<QLineEdit>(&sheet, "File")->isEnabled());
  EXPECT_FALSE(WithModal([&] { Child<QPushButton>(&sheet, "Keyboard")->click(); }, [](QWidget* w) { w->close(); }));
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(MessageText(host.messages[1]), "Не выбраны свойства проекта!");

  // n = 2, m = 5: four words of two digits.
  Child<QComboBox>(&sheet, "Inputs")->setCurrentIndex(1);
  Child<QComboBox>(&sheet, "Outputs")->setCurrentIndex(4);
  EXPECT_TRUE(WithModal([&] { Child<QPushButton>(&sheet, "Keyboard")->click(); },
                        [](QWidget* w) {
                          auto* entry = qobject_cast<CEditLPDlg*>(w);
                          ASSERT_NE(entry, nullptr);
                          QTest::keyClicks(entry->Editor(), "1a**0f17");
                          entry->accept();
                        }));
  EXPECT_EQ(page->Sequence(), "1A**0F17");
  sheet.next();
  ASSERT_EQ(sheet.currentId(), 1);
  EXPECT_TRUE(sheet.Page2()->Text().endsWith("Логическая последовательность: \n  1A ** 0F 17"));
  EXPECT_TRUE(sheet.Page2()->Text().startsWith("     Имя проекта:          Схема1\n"));
  EXPECT_TRUE(FinishEnabled(sheet));

  // A cleared name: the length message and no Finish.
  sheet.back();
  Child<QLineEdit>(&sheet, "Name")->clear();
  sheet.next();
  EXPECT_EQ(sheet.Page2()->Text(),
            "Длина логической последовательности \nне соответствует заданным параметрам входов/выходов");
  EXPECT_FALSE(FinishEnabled(sheet));

  // Back to the keyboard: the entry starts from the sequence so far.
  sheet.back();
  Child<QLineEdit>(&sheet, "Name")->setText("Проект");
  EXPECT_TRUE(WithModal([&] { Child<QPushButton>(&sheet, "Keyboard")->click(); },
                        [](QWidget* w) {
                          auto* entry = qobject_cast<CEditLPDlg*>(w);
                          ASSERT_NE(entry, nullptr);
                          EXPECT_EQ(entry->Editor()->LineText(0), "1A ** 0F 17");
                          entry->reject();
                        }));
  sheet.next();
  EXPECT_TRUE(FinishEnabled(sheet));
  const WizardResult result = sheet.Result();
  EXPECT_EQ(result.name, "Проект");
  EXPECT_EQ(result.inputs, 2);
  EXPECT_EQ(result.outputs, 5);
  EXPECT_EQ(result.lp, "1A**0F17");
}

// The wizard from the keyboard alone: Tab walks page 1 top down, each
// source followed by what it uses; mnemonics reach the controls; Enter goes
// on, also right after the entry dialog has closed.
TEST(Wizard, KeyboardWalksThePageAndEnterGoesOn) {
  CScriptedHost host;
  CWizSheet sheet(host);
  sheet.Page1()->SetName(kDefaultProjectName);
  sheet.show();
  sheet.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&sheet));
  const auto focused = [] {
    const QWidget* w = QApplication::focusWidget();
    return w ? w->objectName() : QString();
  };
  // Cyrillic keys carry their letter as text; QTest names only ASCII ones.
  const auto press = [](char32_t key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* to = QApplication::focusWidget();
    if (key < 0x80)
      QTest::keyClick(to, static_cast<Qt::Key>(key), modifiers);
    else
      QTest::sendKeyEvent(QTest::Click, to, static_cast<Qt::Key>(key), QString::fromUcs4(&key, 1).toLower(), modifiers);
  };
  // A button's mnemonic clicks it once a short press animation is over.
  const QList<QAbstractButton*> buttons = sheet.findChildren<QAbstractButton*>();
  const auto mnemonic = [&](char32_t letter) {
    press(letter, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return std::none_of(buttons.begin(), buttons.end(), [](QAbstractButton* b) { return b->isDown(); }); }));
  };
  // The controls of page 1 that Tab visits from the name round to it.
  const auto walk = [&] {
    mnemonic(U'И');
    EXPECT_EQ(focused(), "Name");
    QStringList visited;
    for (int i = 0; i < 20; ++i) {
      press(Qt::Key_Tab);
      if (focused() == "Name") break;
      if (sheet.Page1()->isAncestorOf(QApplication::focusWidget())) visited << focused();
    }
    return visited;
  };
  const auto noDialog = [](QWidget* w) {
    ADD_FAILURE() << "a dialog opened";
    w->close();
  };

  EXPECT_EQ(focused(), "Name");
  EXPECT_EQ(walk(), (QStringList{"Inputs", "Outputs", "FromFile"}));  // the sources are one stop
  mnemonic(U'Ф');
  EXPECT_EQ(focused(), "File");
  EXPECT_EQ(walk(), (QStringList{"Inputs", "Outputs", "FromFile", "File", "Browse"}));
  mnemonic(U'П');
  EXPECT_EQ(walk(), (QStringList{"Inputs", "Outputs", "FromEntry", "Keyboard", "Schematic"}));

  // One input, one output, typed in from the button Tab reaches; Enter
  // closes the entry dialog, then, with the focus back on that button, goes
  // to page 2 and finishes.
  mnemonic(U'В');
  press(Qt::Key_Down);
  mnemonic(U'Ы');
  press(Qt::Key_Down);
  mnemonic(U'П');
  press(Qt::Key_Tab);
  EXPECT_EQ(focused(), "Keyboard");
  EXPECT_TRUE(WithModal([&] { press(Qt::Key_Space); },
                        [](QWidget* w) {
                          auto* entry = qobject_cast<CEditLPDlg*>(w);
                          ASSERT_NE(entry, nullptr);
                          QTest::keyClicks(entry->Editor(), "01");
                          QTest::keyClick(entry->Editor(), Qt::Key_Return);
                          if (entry->isVisible()) {
                            ADD_FAILURE() << "Enter left the entry dialog open";
                            entry->reject();
                          }
                        }));
  EXPECT_EQ(sheet.Page1()->Sequence(), "01");
  sheet.activateWindow();  // as the desktop does when the dialog goes
  ASSERT_TRUE(QTest::qWaitForWindowActive(&sheet));
  EXPECT_EQ(focused(), "Keyboard");
  EXPECT_FALSE(WithModal([&] { press(Qt::Key_Return); }, noDialog));
  ASSERT_EQ(sheet.currentId(), 1);
  EXPECT_FALSE(WithModal([&] { press(Qt::Key_Return); }, noDialog));
  EXPECT_EQ(sheet.result(), QDialog::Accepted);
  EXPECT_EQ(sheet.Result().lp, "01");
}

TEST(Wizard, APlaFileSetsTheCountsOrKeepsPageOneWithTheReason) {
  testing::CTempDir dir;
  testing::WriteBytes(dir.File("f.pla"), ".i 2\n.o 5\n11 10001\n");
  testing::WriteBytes(dir.File("bad.pla"), ".i 2\n.o 1\n.type fr\n1- 1\n-1 0\n");
  CScriptedHost host;
  CWizSheet sheet(host);
  sheet.Page1()->SetName(kDefaultProjectName);
  sheet.show();
  Child<QRadioButton>(&sheet, "FromFile")->click();

  Child<QLineEdit>(&sheet, "File")->setText(QString::fromStdString(dir.File("bad.pla")));
  sheet.next();
  EXPECT_EQ(sheet.currentId(), 0);
  ASSERT_EQ(host.messages.size(), 1u);
  ASSERT_TRUE(host.messages[0].reason);
  EXPECT_EQ(WordReason(*host.messages[0].reason).details, "Строки 4 и 5 задают выходу 0 на наборе 3 и 1, и 0");

  Child<QLineEdit>(&sheet, "File")->setText(QString::fromStdString(dir.File("f.pla")));
  sheet.next();
  ASSERT_EQ(sheet.currentId(), 1);
  EXPECT_TRUE(FinishEnabled(sheet));
  const WizardResult result = sheet.Result();
  EXPECT_EQ(result.inputs, 2);
  EXPECT_EQ(result.outputs, 5);
  EXPECT_EQ(result.lp, "00000011");
}

TEST(Wizard, SchematicImportSetsTheCountsAndKeepsMultiDigitWords) {
  InTempDir dir;
  CScriptedHost host;
  CWizSheet sheet(host);
  sheet.Page1()->SetName(kDefaultProjectName);
  sheet.show();
  Child<QRadioButton>(&sheet, "FromEntry")->click();

  host.openFile = std::string(LODEX_SOURCE_DIR) + "/examples/full-adder.sch";
  const auto accept = [](QWidget* w) { qobject_cast<QDialog*>(w)->accept(); };
  // Both outputs stay ticked: the whole schematic.
  EXPECT_EQ(WithModals([&] { Child<QPushButton>(&sheet, "Schematic")->click(); },
                       {[](QWidget* w) {
                          auto* choice = qobject_cast<COutputChoiceDlg*>(w);
                          ASSERT_NE(choice, nullptr);
                          ASSERT_EQ(choice->List()->count(), 2);
                          EXPECT_EQ(choice->List()->item(0)->text(), "CO — входов: 3");
                          choice->accept();
                        },
                        [](QWidget* w) {
                          auto* entry = qobject_cast<CEditLPDlg*>(w);
                          ASSERT_NE(entry, nullptr);
                          EXPECT_TRUE(entry->FromSchematic());
                          EXPECT_EQ(entry->Editor()->LineText(0), "0 1 1 2  1 2 2 3");
                          EXPECT_TRUE(entry->InputsLabel()->isHidden());
                          entry->accept();
                        }}),
            2u);
  ASSERT_EQ(host.fileDialogs.size(), 1u);
  EXPECT_EQ(host.fileDialogs[0], kSchematicDialog);
  EXPECT_EQ(Child<QComboBox>(&sheet, "Inputs")->currentText(), "3");
  EXPECT_EQ(Child<QComboBox>(&sheet, "Outputs")->currentText(), "2");
  sheet.next();
  EXPECT_TRUE(FinishEnabled(sheet));
  EXPECT_EQ(sheet.Result().lp, "01121223");
  sheet.back();

  // Eight outputs: the library's two-digit words arrive whole.
  const std::string decoder = std::string(LODEX_SOURCE_DIR) + "/examples/decoder3to8.sch";
  const SchematicSequence expected = CTarrowLoader(LODEX_BIN_DIR).CalcFromFile(decoder);
  ASSERT_EQ(expected.outputs, 8);
  EXPECT_EQ(WithModals([&] { sheet.Page1()->ImportSchematic(decoder); }, {accept, accept}), 2u);
  EXPECT_EQ(sheet.Page1()->Sequence(), expected.lp);
  EXPECT_EQ(Child<QComboBox>(&sheet, "Outputs")->currentText(), "8");

  // One output of the adder: the project of S alone, over the inputs it
  // needs, named in order; none ticked is refused in the dialog.
  const std::string adder = std::string(LODEX_SOURCE_DIR) + "/examples/full-adder.sch";
  const SchematicSequence sum = CTarrowLoader(LODEX_BIN_DIR).CalcForOutputs(adder, {"S"});
  ASSERT_EQ(sum.outputs, 1);
  EXPECT_EQ(WithModals([&] { sheet.Page1()->ImportSchematic(adder); },
                       {[](QWidget* w) {
                          auto* choice = qobject_cast<COutputChoiceDlg*>(w);
                          ASSERT_NE(choice, nullptr);
                          for (int i = 0; i < 2; ++i) choice->List()->item(i)->setCheckState(Qt::Unchecked);
                          choice->accept();
                          EXPECT_TRUE(choice->isVisible());
                          choice->List()->item(1)->setCheckState(Qt::Checked);
                          choice->accept();
                        },
                        [](QWidget* w) {
                          auto* entry = qobject_cast<CEditLPDlg*>(w);
                          ASSERT_NE(entry, nullptr);
                          EXPECT_FALSE(entry->InputsLabel()->isHidden());
                          EXPECT_TRUE(entry->InputsLabel()->text().endsWith("A, B, CI"))
                              << entry->InputsLabel()->text().toStdString();
                          entry->accept();
                        }}),
            2u);
  EXPECT_EQ(sheet.Page1()->Sequence(), sum.lp);
  EXPECT_EQ(Child<QComboBox>(&sheet, "Outputs")->currentText(), "1");
}

TEST(Wizard, ARefusedSchematicShowsTheLibrarysReason) {
  InTempDir dir;
  CScriptedHost host;
  CWizSheet sheet(host);
  const std::string latch = dir.File("latch.sch");
  testing::WriteBytes(latch,
                      "SIGNAL D\nSIGNAL Q\nPORT Input D\nPORT Output Q\nBEGIN BLOCK XLXI_2 ld\nPIN D D\nPIN Q Q\n");
  sheet.Page1()->SetTarrowFolder(LODEX_BIN_DIR);
  QString shown;
  EXPECT_TRUE(WithModal([&] { sheet.Page1()->ImportSchematic(latch); },
                        [&](QWidget* w) {
                          shown = qobject_cast<CEditLPDlg*>(w)->MissingLabel()->text();
                          qobject_cast<QDialog*>(w)->reject();
                        }));
  EXPECT_EQ(shown.toStdString(),
            "Схема не дала логической последовательности:\nБлок «XLXI_2» типа «ld» — защёлка, а импортировать можно "
            "только комбинационные схемы");
  EXPECT_EQ(sheet.Page1()->Sequence(), "");
}

TEST(Wizard, AnUnusableLibraryIsReportedAndGivesNoSequence) {
  InTempDir dir;
  CScriptedHost host;
  CWizSheet sheet(host);
  CWizPage1* page = sheet.Page1();
  const std::string adder = std::string(LODEX_SOURCE_DIR) + "/examples/full-adder.sch";
  const auto noDialog = [](QWidget* w) {
    ADD_FAILURE() << "a dialog opened";
    w->close();
  };

  page->SetTarrowFolder(dir.File("none"));
  EXPECT_FALSE(WithModal([&] { page->ImportSchematic(adder); }, noDialog));
  ASSERT_EQ(host.messages.size(), 1u);
  ASSERT_TRUE(host.messages[0].reason);
  EXPECT_EQ(host.messages[0].reason->code(), ReasonCode::LibraryNotLoaded);
  EXPECT_EQ(page->Sequence(), "");

  page->SetTarrowFolder(LODEX_TARROW_STUB_DIR);
  EXPECT_FALSE(WithModal([&] { page->ImportSchematic(adder); }, noDialog));
  ASSERT_EQ(host.messages.size(), 2u);
  EXPECT_EQ(MessageText(host.messages[1]), "the schematic-import library '" + std::string(LODEX_TARROW_STUB_DIR) +
                                               "/libtarrow.so' has no function CalcLogicLineFromFile");
}

TEST(Wizard, NewInTheMainWindowBuildsTheThreeBlockScheme) {
  const testing::CTempDir dir;
  const std::string lof = dir.File("and2.lof");
  testing::WriteBytes(lof, "0001\r\n");
  auto scripted = std::make_unique<CScriptedQtHost>();
  scripted->openFile = lof;
  CMainFrame frame(std::move(scripted), QString::fromStdString(dir.File("settings.ini")));
  const bool shown = WithModal([&] { frame.RunCommand(CommandId::New); },
                               [&](QWidget* w) {
                                 auto* sheet = qobject_cast<CWizSheet*>(w);
                                 ASSERT_NE(sheet, nullptr);
                                 EXPECT_EQ(Child<QLineEdit>(sheet, "Name")->text(), "Схема1");
                                 Child<QRadioButton>(sheet, "FromFile")->click();
                                 Child<QToolButton>(sheet, "Browse")->click();  // answered with the file
                                 Child<QComboBox>(sheet, "Inputs")->setCurrentIndex(1);
                                 Child<QComboBox>(sheet, "Outputs")->setCurrentIndex(0);
                                 sheet->next();
                                 ASSERT_EQ(sheet->currentId(), 1);
                                 sheet->button(QWizard::FinishButton)->click();
                               });
  ASSERT_TRUE(shown);
  const CLogicalScheme& scheme = frame.Document().Scheme();
  ASSERT_EQ(scheme.GetBlockCount(), 3);
  EXPECT_EQ(scheme.GetBlock(1).m_lp, "0001");
  EXPECT_EQ(frame.Document().GetTitle(), "Схема1");
  EXPECT_TRUE(frame.Document().IsModified());
}

}  // namespace
}  // namespace lodex::test
