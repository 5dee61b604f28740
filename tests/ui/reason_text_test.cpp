// Every reason the core gives reaches the user in Russian: each code has a
// wording, and real damaged, missing and unwritable files opened and saved
// through the main window raise Russian message boxes with the technical
// detail behind "Подробнее".
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QRegularExpression>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <set>

#include "WindowTestUtil.h"
#include "model/DamagedSchemes.h"
#include "model/PlaFile.h"
#include "model/TempDir.h"
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
  QString text, details;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
};

Box BoxOf(const std::function<void()>& trigger) {
  Box box;
  EXPECT_TRUE(WithModal(trigger, [&](QWidget* w) {
    auto* shown = qobject_cast<QMessageBox*>(w);
    ASSERT_NE(shown, nullptr);
    box = {shown->text(), shown->detailedText(), shown->icon()};
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

}  // namespace
}  // namespace lodex::test
