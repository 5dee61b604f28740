// The built library loaded through dlopen from the build's output folder, as
// the program loads it.
#include <dlfcn.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>

#include "SchTestUtil.h"
#include "TarrowLibrary.h"
#include "schimport/tarrow.h"

namespace tarrow {
namespace {

using testing::Gate;
using ::testing::HasSubstr;
using testing::Library;
using testing::ReadFile;
using testing::Schematic;
using ::testing::StartsWith;
using testing::TempDir;

// Sets an environment variable for the lifetime of this object.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : m_name(name) {
    if (const char* old = std::getenv(name)) m_old = old;
    if (value)
      ::setenv(name, value, 1);
    else
      ::unsetenv(name);
  }
  ~ScopedEnv() {
    if (m_old)
      ::setenv(m_name, m_old->c_str(), 1);
    else
      ::unsetenv(m_name);
  }
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  const char* m_name;
  std::optional<std::string> m_old;
};

const std::string kAnd2 = Schematic({"A0", "A1", "F0"}, {"A0", "A1"}, {"F0"},
                                    {Gate{"G1", "and2", {{"I0", "A0"}, {"I1", "A1"}, {"O", "F0"}}}});

class LibraryTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(lib.complete()) << ::dlerror(); }
  TempDir dir;
  Library lib;
};

TEST_F(LibraryTest, ExportsOnlyItsInterface) {
  EXPECT_EQ(lib.Find("_ZN6tarrow12CalcLogicLineERKNSt7__cxx1112basic_stringIcSt11char_traitsIcESaIcEEE"), nullptr);
  EXPECT_EQ(lib.Find("_ZN6tarrow16AskSchematicFileB5cxx11Ev"), nullptr);
}

TEST_F(LibraryTest, ComputesAFileAndKeepsTheCountsUntilTheNextSuccess) {
  EXPECT_EQ(lib.iCount(), 0);
  EXPECT_EQ(lib.oCount(), 0);
  const std::string path = dir.Write("and2.sch", kAnd2);
  const char* text = lib.fromFile(path.c_str());
  EXPECT_STREQ(text, "0001");
  EXPECT_EQ(lib.iCount(), 2);
  EXPECT_EQ(lib.oCount(), 1);
  const std::string trace = ReadFile(dir.path() / "generating.log");
  EXPECT_THAT(trace, StartsWith(path + "\n"));
  EXPECT_THAT(trace, HasSubstr("\nInitSCH(2x4)\n"));

  EXPECT_STREQ(lib.lastRefusal(), "");

  // A file that cannot be opened: the empty text, no trace, counts kept.
  std::filesystem::remove(dir.path() / "generating.log");
  EXPECT_STREQ(lib.fromFile((dir.path() / "missing.sch").c_str()), "");
  EXPECT_EQ(lib.lastRefusal(), "the schematic " + (dir.path() / "missing.sch").string() + " cannot be opened");
  EXPECT_FALSE(std::filesystem::exists(dir.path() / "generating.log"));
  EXPECT_STREQ(lib.fromFile(dir.path().c_str()), "");
  EXPECT_STREQ(lib.fromFile(nullptr), "");
  EXPECT_EQ(lib.iCount(), 2);

  // A schematic that is refused: the trace ends with the reason, which
  // LastRefusal gives until the next computation.
  const std::string bad = dir.Write("bad.sch",
                                    "SIGNAL A\nSIGNAL Q\nPORT Input A\nPORT Output Q\n"
                                    "BEGIN BLOCK XLXI_7 fd\nPIN C A\nPIN Q Q\nEND BLOCK\n");
  const std::string reason = "a block is a flip-flop (fd, XLXI_7): only combinational schematics can be imported";
  EXPECT_STREQ(lib.fromFile(bad.c_str()), "");
  EXPECT_EQ(lib.lastRefusal(), reason);
  EXPECT_THAT(ReadFile(dir.path() / "generating.log"), HasSubstr("\nError: " + reason + "\n"));
  EXPECT_EQ(lib.oCount(), 1);
  // The same as codes and facts: the storing part's type and name, then its
  // kind as the next part. The numbers are the interface's and never change.
  EXPECT_EQ(lib.refusalCode(0), 21);
  EXPECT_STREQ(lib.refusalArgument(0, 0), "fd");
  EXPECT_STREQ(lib.refusalArgument(0, 1), "XLXI_7");
  EXPECT_EQ(lib.refusalArgument(0, 2), nullptr);
  EXPECT_EQ(lib.refusalCode(1), 22);
  EXPECT_EQ(lib.refusalArgument(1, 0), nullptr);
  EXPECT_EQ(lib.refusalCode(2), 0);
  EXPECT_EQ(lib.refusalCode(-1), 0);
  EXPECT_EQ(lib.refusalArgument(5, 0), nullptr);
  EXPECT_EQ(lib.refusalArgument(0, -1), nullptr);

  // A block named with an escape sequence: the reason and the trace show it escaped.
  const std::string hostile = dir.Write("esc.sch",
                                        "SIGNAL A\nSIGNAL Q\nPORT Input A\nPORT Output Q\n"
                                        "BEGIN BLOCK \"X\x1B[2J\" fd\nPIN C A\nPIN Q Q\nEND BLOCK\n");
  EXPECT_STREQ(lib.fromFile(hostile.c_str()), "");
  EXPECT_THAT(lib.lastRefusal(), HasSubstr("(fd, X\\x1B[2J)"));
  EXPECT_EQ(ReadFile(dir.path() / "generating.log").find('\x1B'), std::string::npos);

  EXPECT_STREQ(lib.fromFile(path.c_str()), "0001");
  EXPECT_STREQ(lib.lastRefusal(), "");
  EXPECT_EQ(lib.refusalCode(0), 0);
}

TEST_F(LibraryTest, ASecondHandleSharesTheLoadedState) {
  const std::string path = dir.Write("and2.sch", kAnd2);
  ASSERT_STREQ(lib.fromFile(path.c_str()), "0001");
  Library again;  // a second handle of a loaded library shares its state
  EXPECT_EQ(again.iCount(), 2);
}

TEST(LibraryLoad, UnloadingForgetsTheCounts) {
  TempDir dir;
  const std::string path = dir.Write("and2.sch", kAnd2);
  {
    Library lib;
    ASSERT_TRUE(lib.complete());
    ASSERT_STREQ(lib.fromFile(path.c_str()), "0001");
  }
  Library lib;
  ASSERT_TRUE(lib.complete());
  EXPECT_EQ(lib.iCount(), 0);
  EXPECT_EQ(lib.oCount(), 0);
}

// A stand-in for the desktop's chooser: prints `answer` when called as one.
void WriteChooser(const TempDir& dir, const std::string& answer, int status) {
  const std::string script = dir.Write("zenity", "#!/bin/sh\n[ \"$1\" = --file-selection ] || exit 9\necho '" + answer +
                                                     "'\nexit " + std::to_string(status) + "\n");
  ::chmod(script.c_str(), 0755);
}

TEST_F(LibraryTest, TheDialogRunsTheDesktopsChooser) {
  const std::string path = dir.Write("and2.sch", kAnd2);
  ScopedEnv display("DISPLAY", ":77");
  ScopedEnv desktop("XDG_CURRENT_DESKTOP", nullptr);
  ScopedEnv search("PATH", dir.path().c_str());
  WriteChooser(dir, path, 0);
  EXPECT_STREQ(lib.fromSch(), "0001");
  EXPECT_EQ(lib.iCount(), 2);
  WriteChooser(dir, path, 1);  // Cancel
  EXPECT_STREQ(lib.fromSch(), "");
}

TEST_F(LibraryTest, WithoutADesktopOrChooserTheDialogAnswersTheEmptyText) {
  WriteChooser(dir, dir.Write("and2.sch", kAnd2), 0);
  {
    ScopedEnv display("DISPLAY", nullptr);
    ScopedEnv wayland("WAYLAND_DISPLAY", nullptr);
    ScopedEnv search("PATH", dir.path().c_str());
    EXPECT_STREQ(lib.fromSch(), "");
  }
  // A chooser in the current directory is never run, even when PATH names it.
  ScopedEnv display("DISPLAY", ":77");
  ScopedEnv search("PATH", "/nonexistent:.:");
  EXPECT_STREQ(lib.fromSch(), "");
  EXPECT_EQ(lib.iCount(), 0);
}

TEST_F(LibraryTest, TheTraceGoesToTheTemporaryFolderWhenTheCurrentOneRefusesIt) {
  TempDir temp;  // now the current directory too; go back to `dir`
  std::filesystem::current_path(dir.path());
  ScopedEnv tmpdir("TMPDIR", temp.path().c_str());
  const std::string path = dir.Write("and2.sch", kAnd2);

  // A planted symbolic link is not followed: its target stays as it was.
  const std::string target = dir.Write("precious.txt", "keep me");
  std::filesystem::create_symlink(target, dir.path() / "generating.log");
  EXPECT_STREQ(lib.fromFile(path.c_str()), "0001");
  EXPECT_EQ(ReadFile(target), "keep me");
  EXPECT_THAT(ReadFile(temp.path() / "generating.log"), StartsWith(path + "\n"));

  // Neither folder takes it: the computation still succeeds.
  std::filesystem::remove(temp.path() / "generating.log");
  std::filesystem::create_directory(temp.path() / "generating.log");
  EXPECT_STREQ(lib.fromFile(path.c_str()), "0001");
}

// The examples, each against its truth table computed here.
std::string Sequence(int n, int m, const std::function<unsigned(unsigned)>& word) {
  const int digits = (m + 3) / 4;
  std::string s;
  for (unsigned j = 0; j < (1u << n); ++j)
    for (int d = digits - 1; d >= 0; --d) s += "0123456789ABCDEF"[(word(j) >> (4 * d)) & 15];
  return s;
}

struct Example {
  const char* file;
  int n;
  int m;
  std::function<unsigned(unsigned)> word;
};

TEST_F(LibraryTest, ExamplesMatchTheirTruthTables) {
  const Example examples[] = {
      // Inputs A, B, CI in file order; outputs CO, S.
      {"full-adder.sch", 3, 2, [](unsigned j) { return (j & 1) + ((j >> 1) & 1) + ((j >> 2) & 1); }},
      // Inputs A(0), A(1), B(0), B(1); outputs GT, EQ, LT.
      {"comparator2.sch", 4, 3,
       [](unsigned j) {
         const unsigned a = j & 3, b = j >> 2;
         return (a > b ? 4u : 0u) | (a == b ? 2u : 0u) | (a < b ? 1u : 0u);
       }},
      // Inputs A0..A2, outputs D0..D7 sorted: D0 is the highest bit.
      {"decoder3to8.sch", 3, 8, [](unsigned j) { return 0x80u >> j; }},
  };
  for (const Example& e : examples) {
    const std::string path = std::string(LODEX_SOURCE_DIR) + "/examples/" + e.file;
    EXPECT_EQ(lib.fromFile(path.c_str()), Sequence(e.n, e.m, e.word)) << e.file;
    EXPECT_EQ(lib.iCount(), e.n) << e.file;
    EXPECT_EQ(lib.oCount(), e.m) << e.file;
  }
}

}  // namespace
}  // namespace tarrow
