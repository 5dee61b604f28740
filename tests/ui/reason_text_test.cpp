// Every reason the core gives reaches the user in Russian: each code has a
// wording, and real damaged, missing and unwritable files opened and saved
// through the main window raise Russian message boxes with the technical
// detail behind "Подробнее".
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <set>

#include "WindowTestUtil.h"
#include "app/TarrowLoader.h"
#include "model/DamagedSchemes.h"
#include "model/PlaFile.h"
#include "model/TempDir.h"
#include "ui/dialogs/EditLPDlg.h"
#include "ui/widgets/Language.h"
#include "ui/window/MainFrm.h"
#include "ui/window/ReasonText.h"

namespace lodex::test {
namespace {

// Latin letters outside «quoted» names and the names of the program and
// the PLA format; empty when there are none.
QString LatinOutsideQuotes(QString text) {
  text.remove(QRegularExpression("«[^»]*»"));
  text.remove("Lodex");
  text.remove("PLA");
  const QRegularExpressionMatch latin = QRegularExpression("[A-Za-z]+").match(text);
  return latin.hasMatch() ? latin.captured() : QString();
}

std::set<int> Placeholders(const std::string& text) {
  std::set<int> used;
  for (size_t i = 0; i + 1 < text.size(); ++i)
    if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9') used.insert(text[i + 1] - '0');
  return used;
}

bool HasCyrillic(const QString& text) { return text.contains(QRegularExpression("[\\x{0400}-\\x{04FF}]")); }

// Switches the interface language for a test and back to Russian after it.
class InLanguage {
 public:
  explicit InLanguage(const char* language) { EXPECT_TRUE(InstallLanguage(language)); }
  ~InLanguage() { InstallLanguage(kRussian); }
  InLanguage(const InLanguage&) = delete;
  InLanguage& operator=(const InLanguage&) = delete;
};

TEST(ReasonText, EveryCodeHasOneRussianAndOneEnglishWording) {
  std::set<QString> russianTexts;
  std::set<std::string> names;
  for (int i = 0; i < kReasonCodeCount; ++i) {
    const auto code = static_cast<ReasonCode>(i);
    const std::string name(ReasonCodeName(code));
    const std::string english(EnglishWording(code));
    const QString russian = QString::fromUtf8(ReasonSourceText(code));
    EXPECT_TRUE(names.insert(name).second) << name;
    EXPECT_FALSE(english.empty()) << name;
    EXPECT_NE(russian.toStdString(), english) << name;
    EXPECT_TRUE(russianTexts.insert(russian).second) << name << " shares its text with another code";
    EXPECT_EQ(LatinOutsideQuotes(russian), "") << name;
    // The Russian text uses no argument the code does not have; a file's
    // folder comes after the last one.
    const std::set<int> en = Placeholders(english), ru = Placeholders(russian.toStdString());
    const int enLast = en.empty() ? 0 : *en.rbegin(), ruLast = ru.empty() ? 0 : *ru.rbegin();
    EXPECT_LE(ruLast, enLast + 1) << name;
  }
}

TEST(ReasonText, AFileThatCannotBeWrittenNamesItsFolderAndTheSystemsReason) {
  const ReasonWording missing = WordReason(Reason(ReasonCode::WriteFailed, {"/proc/kbd.vhd", SystemError{ENOENT}}));
  EXPECT_EQ(missing.text, "Не удалось записать файл «kbd.vhd» в папку «/proc»: нет такого файла или папки.");
  EXPECT_EQ(missing.details, "");
  for (int error : {EACCES, EROFS, ENOSPC})
    EXPECT_EQ(LatinOutsideQuotes(WordReason(Reason(ReasonCode::WriteFailed, {"/x/y", SystemError{error}})).text), "");
  // An error without a text of its own: its number, and the system's text
  // on the details line.
  const ReasonWording other = WordReason(Reason(ReasonCode::ReadFailed, {"/x/y", SystemError{EXDEV}}));
  EXPECT_EQ(other.text, QString("Не удалось прочитать файл «/x/y»: ошибка системы %1.").arg(EXDEV));
  EXPECT_EQ(other.details, QString::fromLocal8Bit(std::strerror(EXDEV)));
  // A scheme that cannot be stored says which field, in Russian.
  const Reason field(ReasonCode::BlockField,
                     {Reason(ReasonCode::BlockNamed, {1, "Bl_1"}), Reason(ReasonCode::ItemCaption)});
  EXPECT_EQ(
      WordReason(Reason(ReasonCode::SchemeNotSaved, {"/a/b.shc", Reason(ReasonCode::ArchiveNotCp1251, {field})})).text,
      "Не удалось сохранить схему в файл «/a/b.shc»: блок 1 («Bl_1»), подпись: текст нельзя сохранить в "
      "кодировке «Windows-1251».");
  // An argument holding a placeholder stays as it is.
  EXPECT_EQ(WordReason(Reason(ReasonCode::PlaTwice, {7, "%1"})).text, "Строка 7: «%1» задано дважды");
}

TEST(ReasonText, EveryRefusedPlaFileIsWordedInRussian) {
  testing::CTempDir dir;
  const std::vector<std::string> bad = {".i 2\n.o 1\n1x 1\n",
                                        ".i 2\n.o 1\n11 x\n",
                                        ".i 2\n.o 1\n1 1\n",
                                        "11 1\n",
                                        ".i 2\n.i 2\n",
                                        ".i two\n",
                                        ".i 17\n",
                                        ".o 13\n",
                                        ".type q\n",
                                        ".phase 01\n",
                                        ".pair 1\n",
                                        ".mv 3\n",
                                        ".kiss\n",
                                        ".symbolic a\n",
                                        ".foo\n",
                                        ".o 1\n",
                                        ".i 1\n",
                                        ".i 2\n.o 1\n.ilb a\n",
                                        ".i 2\n.o 1\n.ob a b\n",
                                        ".i 1\n.o 1\n.p 2\n1 1\n",
                                        ".i 2\n.o 1\n.type fr\n1- 1\n-1 0\n"};
  std::set<std::string> codes;
  for (size_t i = 0; i < bad.size(); ++i) {
    const std::string path = dir.File("f" + std::to_string(i) + ".pla");
    testing::WriteBytes(path, bad[i]);
    CPlaFunction f;
    const Status s = ReadPlaFile(path, f);
    ASSERT_FALSE(s) << bad[i];
    const ReasonWording w = WordReason(s.reason());
    EXPECT_EQ(w.text, QString("Файл «%1» не является таблицей истинности в формате «PLA» или повреждён.")
                          .arg(QString::fromStdString(path)));
    EXPECT_FALSE(w.details.isEmpty()) << bad[i];
    EXPECT_EQ(LatinOutsideQuotes(w.details), "") << w.details.toStdString();
    codes.insert(std::string(ReasonCodeName(s.reason().args()[1].nested->code())));
  }
  EXPECT_EQ(codes.size(), 17u);  // every reason a PLA file is refused for
}

class ReasonBoxTest : public ::testing::Test {
 protected:
  std::unique_ptr<CMainFrame> MakeFrame() {
    auto scripted = std::make_unique<CScriptedQtHost>();
    host = scripted.get();
    return std::make_unique<CMainFrame>(std::move(scripted), QString::fromStdString(m_dir.File("settings.ini")));
  }
  std::string Path(const std::string& name) const { return m_dir.File(name); }

  CScriptedQtHost* host = nullptr;
  testing::CTempDir m_dir;
};

struct Box {
  QString text, details, title;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
};

Box BoxOf(const std::function<void()>& trigger) {
  Box box;
  EXPECT_TRUE(WithModal(trigger, [&](QWidget* w) {
    auto* shown = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(shown, nullptr);
    box = {shown->text(), shown->detailedText(), shown->windowTitle(), shown->icon()};
    shown->buttons().front()->click();
  }));
  return box;
}

TEST_F(ReasonBoxTest, DamagedSchemeFilesSayTheyAreNoSchemeWithTheDetailInRussian) {
  auto frame = MakeFrame();
  for (const auto& [what, bytes] : testing::DamagedSchemes()) {
    const std::string path = Path("damaged.shc");
    testing::WriteBytes(path, bytes);
    const Box box = BoxOf([&] { frame->OpenFile(QString::fromStdString(path)); });
    EXPECT_EQ(box.text, QString("Файл «%1» не является файлом схемы Lodex или повреждён.").arg(path.c_str())) << what;
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_FALSE(box.details.isEmpty()) << what;
    EXPECT_EQ(LatinOutsideQuotes(box.details), "") << what << ": " << box.details.toStdString();
  }
}

TEST_F(ReasonBoxTest, FilesThatCannotBeOpenedOrWrittenSayWhyInRussian) {
  auto frame = MakeFrame();
  const std::string missing = Path("missing.shc");
  const std::string folder = Path("folder.shc");
  const std::string fifo = Path("pipe.shc");
  std::filesystem::create_directory(folder);
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  for (const auto& entry : {std::pair{missing, "Не удалось открыть файл «%1»: нет такого файла или папки."},
                            std::pair{folder, "Не удалось открыть «%1»: это папка, а не файл."},
                            std::pair{fifo, "Не удалось открыть «%1»: это не обычный файл."}}) {
    // The pair itself, not its bindings, goes into the lambda (clang 14
    // refuses to capture a structured binding).
    const std::string& path = entry.first;
    const Box box = BoxOf([&] { frame->OpenFile(QString::fromStdString(path)); });
    EXPECT_EQ(box.text, QString(entry.second).arg(path.c_str()));
  }

  // Writers: the VHDL export into a folder that does not exist, the scheme
  // saved over a folder, and a caption the file's code page cannot hold.
  frame->Document().FinishNewProject({"Проект", 1, 1, "01"});
  host->saveFile = Path("no-such-folder/kbd.vhd");
  Box box = BoxOf([&] { frame->Action(CommandId::Vhdl)->trigger(); });
  EXPECT_EQ(box.text, QString("Не удалось записать файл «kbd.vhd» в папку «%1»: нет такого файла или папки.")
                          .arg(Path("no-such-folder").c_str()));
  EXPECT_EQ(LatinOutsideQuotes(box.text), "");

  box = BoxOf([&] { frame->Document().OnSaveDocument(folder); });
  EXPECT_EQ(box.text, QString("Не удалось записать «%1»: это папка. Выберите другое имя файла.").arg(folder.c_str()));
}

// What the core says that is no refusal reads in Russian as lodex-cli prints
// it and in English with the English setting: every phrase, and the main
// window's boxes with their titles.
TEST_F(ReasonBoxTest, PhrasesReadInTheInterfacesLanguage) {
  for (int i = 0; i < kPhraseCodeCount; ++i) {
    Phrase phrase(static_cast<PhraseCode>(i));
    phrase.args.assign(5, "7");
    const std::string name(PhraseCodeName(phrase.code));
    EXPECT_EQ(WordPhrases({phrase}).toStdString(), PhraseText({phrase})) << name;
    const InLanguage english(kEnglish);
    const QString worded = WordPhrases({phrase});
    EXPECT_FALSE(HasCyrillic(worded)) << name << ": " << worded.toStdString();
    EXPECT_FALSE(worded.contains(QRegularExpression("%\\d"))) << name;
  }
  // The tier count of a two-input project, then a split that offers the
  // parallel-serial block.
  for (const char* language : {kRussian, kEnglish}) {
    const InLanguage chosen(language);
    auto frame = MakeFrame();
    frame->Document().FinishNewProject({"p", 2, 1, "0001"});
    // Two boxes, the tiers and the (empty) candidates, taken as they come.
    QStringList boxes;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); box && box->isVisible()) {
        boxes << box->text();
        box->close();
      }
    });
    poll.start(0);
    frame->Action(CommandId::Optimize)->trigger();
    poll.stop();
    ASSERT_EQ(boxes.size(), 2);
    const QString tiers = boxes[0];
    frame->Document().FinishNewProject({"p", 4, 2, "0002000200031113"});
    frame->Document().SelectBlock(1);
    host->parallel = [](const CLogicalBlock&) { return SplitRequest{15, 1, 3, 2}; };
    const Box offer = BoxOf([&] { frame->Action(CommandId::Parallel)->trigger(); });
    if (language == kRussian) {
      EXPECT_EQ(offer.title, "Выделение параллельно-последовательного блока");
      EXPECT_EQ(offer.text,
                "Возможно выделение последовательного блока с теми же входами\nХотите выделить и объединить в "
                "параллельно-последовательный блок?");
      EXPECT_EQ(tiers, "количество ярусов в схеме = 2");
    } else {
      EXPECT_EQ(offer.title, "Parallel-serial block extraction");
      EXPECT_FALSE(HasCyrillic(offer.text)) << offer.text.toStdString();
      EXPECT_EQ(tiers, "number of tiers in the scheme = 2");
    }
  }
}

}  // namespace
}  // namespace lodex::test

namespace lodex::test {
namespace {

// The codes of a reason and of the reasons it names.
void CollectCodes(const Reason& reason, std::set<ReasonCode>& codes) {
  codes.insert(reason.code());
  for (const ReasonArg& arg : reason.args())
    if (arg.nested) CollectCodes(*arg.nested, codes);
}

// A schematic the library refuses: the file it is given (with the
// sub-schematics written beside it) and the outputs chosen, if any.
struct Refused {
  std::string file;
  std::vector<std::string> outputs;
};

std::string Ports(const std::vector<std::string>& inputs, const std::vector<std::string>& outputs) {
  std::string text;
  for (const auto& net : inputs) text += "SIGNAL " + net + "\n";
  for (const auto& net : outputs) text += "SIGNAL " + net + "\n";
  for (const auto& net : inputs) text += "PORT Input " + net + "\n";
  for (const auto& net : outputs) text += "PORT Output " + net + "\n";
  return text;
}

// One schematic for every refusal that a file can bring about.
std::vector<Refused> RefusedSchematics(const testing::CInTempDir& dir) {
  std::vector<Refused> cases;
  const auto write = [&](const std::string& name, const std::string& text) {
    testing::WriteBytes(dir.File(name), text);
    return dir.File(name);
  };
  const auto add = [&](const std::string& name, const std::string& text, std::vector<std::string> outputs = {}) {
    cases.push_back({write(name, text), std::move(outputs)});
  };
  const std::string io = Ports({"A"}, {"F"});
  cases.push_back({dir.File("missing.sch"), {}});
  std::filesystem::create_directory(dir.File("folder.sch"));
  cases.push_back({dir.File("folder.sch"), {}});
  add("long.sch", "SIGNAL " + std::string(600, 'A') + "\n");
  add("huge.sch", "<" + std::string((16 << 20) + 1, ' '));
  add("damaged.sch", "<drawing version=\"7\">\n<netlist><signal name=\"A />");
  add("undeclared-port.sch", "SIGNAL A\nPORT Input B\n");
  add("wide-port.sch", "SIGNAL A(70000:0)\nPORT Input A(70000:0)\n");
  add("pin-first.sch", "SIGNAL A\nPIN I0 A\n");
  add("wide-pin.sch", io + "BEGIN BLOCK G1 buf\nPIN I(70000:0) A\n");
  add("pin-widths.sch", "SIGNAL A\nSIGNAL K(3:0)\nPORT Input A\nBEGIN BLOCK G1 buf4\nPIN I(2:0) K(3:0)\n");
  add("no-pin.sch", io + "BEGIN BLOCK G1 and2\nPIN I2 A\n");
  add("undeclared-net.sch", io + "BEGIN BLOCK G1 and2\nPIN I0 B\n");
  add("unknown.sch", io + "BEGIN BLOCK XLXI_1 Mystery\nPIN A A\nPIN S F\nEND BLOCK\n");
  for (const char* type : {"fd", "ld", "cb4ce", "sr8rle", "ram16x1s", "acc16"})
    add(std::string("storing-") + type + ".sch",
        Ports({"D"}, {"Q"}) + "BEGIN BLOCK X1 " + type + "\nPIN D D\nPIN Q Q\nEND BLOCK\n");
  add("self.sch", io + "BEGIN BLOCK XLXI_1 self\nPIN A A\nPIN S F\nEND BLOCK\n");
  // Twenty schematics, each using the next.
  for (int level = 19; level >= 0; --level)
    write("d" + std::to_string(level) + ".sch", Ports({"I"}, {"O"}) + "BEGIN BLOCK U " +
                                                    (level == 19 ? "buf" : "d" + std::to_string(level + 1)) +
                                                    "\nPIN I I\nPIN O O\nEND BLOCK\n");
  cases.push_back({dir.File("d0.sch"), {}});
  write("wire.sch", "SIGNAL A\nPORT Input A\nPORT Output A\n");
  std::string many = io;
  for (int i = 0; i < 70000; ++i) many += "BEGIN BLOCK U" + std::to_string(i) + " wire\nPIN A A\nEND BLOCK\n";
  add("many.sch", many + "BEGIN BLOCK G inv\nPIN I A\nPIN O F\nEND BLOCK\n");
  add("no-output.sch", "SIGNAL A\nPORT Input A\n");
  add("half.sch", io + "BEGIN BLOCK G1 and2\nPIN I0 A\nPIN O F\n");
  add("uses-half.sch", io + "BEGIN BLOCK U1 half\nPIN A A\nPIN F F\nEND BLOCK\n");
  add("constant.sch", io + "BEGIN BLOCK C1 constant\nATTR CValue zz\nPIN O F\n");
  add("drives-input.sch", Ports({"A0", "A1"}, {"F"}) +
                              "BEGIN BLOCK G1 inv\nPIN I A0\nPIN O A1\nEND BLOCK\n"
                              "BEGIN BLOCK G2 buf\nPIN I A1\nPIN O F\nEND BLOCK\n");
  add("two-drivers.sch", io + "BEGIN BLOCK G1 buf\nPIN I A\nPIN O F\nBEGIN BLOCK G2 inv\nPIN I A\nPIN O F\n");
  add("undriven-port.sch", Ports({"A"}, {"F0", "F1"}) + "BEGIN BLOCK G1 buf\nPIN I A\nPIN O F0\n");
  add("undriven-net.sch", io + "SIGNAL N\nBEGIN BLOCK G1 and2\nPIN I0 A\nPIN I1 N\nPIN O F\n");
  add("cycle.sch", io + "SIGNAL N\nBEGIN BLOCK G1 and2\nPIN I0 A\nPIN I1 F\nPIN O N\nEND BLOCK\n"
                        "BEGIN BLOCK G2 inv\nPIN I N\nPIN O F\nEND BLOCK\n");
  add("no-such-output.sch", io + "BEGIN BLOCK G1 buf\nPIN I A\nPIN O F\n", {"F9"});
  // More inputs than a project takes: F0 reads A0, F1 the parity of all.
  std::vector<std::string> inputs;
  for (int k = 0; k < 20; ++k) inputs.push_back("A" + std::to_string(k));
  add("inputs17.sch", Ports({inputs.begin(), inputs.begin() + 17}, {"F0"}) + "BEGIN BLOCK B buf\nPIN I A0\nPIN O F0\n");
  std::string parity = Ports(inputs, {"F0", "F1"}) + "BEGIN BLOCK B buf\nPIN I A0\nPIN O F0\nEND BLOCK\n";
  for (int k = 1; k < 20; ++k)
    parity += "SIGNAL P" + std::to_string(k) + "\nBEGIN BLOCK X" + std::to_string(k) + " xor2\nPIN I0 " +
              (k == 1 ? "A0" : "P" + std::to_string(k - 1)) + "\nPIN I1 A" + std::to_string(k) + "\nPIN O " +
              (k == 19 ? "F1" : "P" + std::to_string(k)) + "\nEND BLOCK\n";
  add("inputs20.sch", parity);
  cases.push_back({dir.File("inputs20.sch"), {"F0", "F1"}});
  return cases;
}

// Every refusal the library gives for a file comes back from its exported
// interface as codes and facts that say all its English line says, and the
// entry dialog words it in Russian, or in English with the English setting.
TEST(SchematicRefusal, EveryRefusalOfTheLibraryIsWordedInTheInterfacesLanguage) {
  const testing::CInTempDir dir;  // the library's trace goes here
  const CTarrowLoader loader(LODEX_BIN_DIR);
  std::set<ReasonCode> codes;
  for (const Refused& refused : RefusedSchematics(dir)) {
    const SchematicSequence s = refused.outputs.empty() ? loader.CalcFromFile(refused.file)
                                                        : loader.CalcForOutputs(refused.file, refused.outputs);
    ASSERT_EQ(s.lp, "") << refused.file;
    ASSERT_TRUE(s.refusalReason) << refused.file << ": " << s.refusal;
    EXPECT_EQ(EnglishText(*s.refusalReason), s.refusal);
    CollectCodes(*s.refusalReason, codes);
    const QString russian = CEditLPDlg::RefusalText(s);
    EXPECT_TRUE(russian.startsWith("Схема не дала логической последовательности:\n")) << russian.toStdString();
    EXPECT_EQ(LatinOutsideQuotes(russian), "") << russian.toStdString();
    const InLanguage english(kEnglish);
    const QString worded = CEditLPDlg::RefusalText(s);
    EXPECT_FALSE(HasCyrillic(worded)) << worded.toStdString();
    EXPECT_FALSE(worded.contains(QRegularExpression("%\\d"))) << worded.toStdString();
  }
  // The codes no file brings about here: faults inside the library, a file
  // that cannot be read, more nets than a test should build, and checks of
  // what the reader never hands on (an unknown type is always looked for as
  // a sub-schematic).
  using enum ReasonCode;
  for (ReasonCode code : {SchOutOfResources, SchSubCannotOpen, SchReadFailed, SchTooManyNets, SchUnsupportedType,
                          SchNetTables, SchInputPortUndeclared, SchOutputPortUndeclared, SchPinsMismatch,
                          SchOutputPinUndeclared, SchInputPinUndeclared, SchNetNotDriven, SchSubNetNotDriven})
    EXPECT_TRUE(codes.insert(code).second) << ReasonCodeName(code);
  EXPECT_EQ(codes.size(), static_cast<size_t>(kSchematicReasonCount));
}

// A library from before the codes gives its English line; one that says
// nothing points to the trace; one that cannot be used is worded in Russian
// with the system's text behind "Подробнее".
TEST(SchematicRefusal, OlderAndUnusableLibrariesAreStillExplained) {
  const testing::CInTempDir dir;
  const std::string file = std::string(LODEX_SOURCE_DIR) + "/examples/full-adder.sch";
  const SchematicSequence old = CTarrowLoader(LODEX_TARROW_OLD_DIR).CalcFromFile(file);
  EXPECT_EQ(CEditLPDlg::RefusalText(old),
            "Схема не дала логической последовательности:\nthe schematic has no output port");
  EXPECT_EQ(CEditLPDlg::RefusalText(SchematicSequence{}),
            "Схема не дала логической последовательности; причина записана в generating.log");
  const SchematicSequence none = CTarrowLoader(dir.File("nowhere")).CalcFromFile(file);
  ASSERT_TRUE(none.error);
  const ReasonWording worded = WordReason(*none.error);
  EXPECT_EQ(worded.text,
            QString("Не удалось загрузить библиотеку импорта схем «%1»: она должна лежать в папке программы.")
                .arg(QString::fromStdString(dir.File("nowhere/libtarrow.so"))));
  EXPECT_FALSE(worded.details.isEmpty());
  const InLanguage english(kEnglish);
  EXPECT_FALSE(HasCyrillic(CEditLPDlg::RefusalText(old)));
  EXPECT_TRUE(CEditLPDlg::RefusalText(old).endsWith(":\nthe schematic has no output port"));
  EXPECT_FALSE(HasCyrillic(CEditLPDlg::RefusalText(SchematicSequence{})));
  EXPECT_FALSE(HasCyrillic(WordReason(*none.error).text));
}

}  // namespace
}  // namespace lodex::test
