#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "cli/CliRunner.h"
#include "model/SchemeFile.h"

namespace lodex {
namespace {

using testing::CTempDir;
using testing::RunCli;

// Text a file may hold that a terminal would act on: line breaks, a screen
// clear, a title change, tab, DEL and the code page's C1 character, among
// Cyrillic. Stored in Windows-1251, as the files are.
const std::string kHostile = "Блок\n\x1B[2J\x1B]0;t\x07\r\t\x7F\u0098";
const std::string kShown = "Блок\\n\\x1B[2J\\x1B]0;t\\x07\\r\\t\\x7F\\u{98}";

// A valid three-input project whose block 1 is changed by `mutate`.
template <typename F>
std::string SchemeWith(F mutate) {
  CLogicalScheme s(3, 1, "Bl_1", "01101001");
  mutate(s);
  return StoreScheme(s);
}

// No control byte but the line feed that ends each line (and, where `tabs`,
// the tab that separates columns).
void ExpectPlainLines(const std::string& text, bool tabs, const std::string& what) {
  for (size_t i = 0; i < text.size(); ++i) {
    const auto c = static_cast<unsigned char>(text[i]);
    const bool allowed = c == '\n' || (tabs && c == '\t');
    EXPECT_TRUE((c >= 0x20 && c != 0x7F) || allowed) << what << ": byte " << int{c} << " at " << i << " in\n" << text;
    if (c == 0xC2 && i + 1 < text.size()) {
      EXPECT_GE(static_cast<unsigned char>(text[i + 1]), 0xA0) << what << ": C1 control at " << i;
    }
  }
  EXPECT_TRUE(text.empty() || text.back() == '\n') << what;
}

TEST(CliPrintable, FileTextNeverReachesTheTerminalRaw) {
  struct Case {
    const char* name;
    std::string bytes;
    std::string shownInReason;          // for a damaged file
    std::vector<std::string> showRows;  // for a valid one
  };
  const Case cases[] = {
      {"caption",
       SchemeWith([](CLogicalScheme& s) { s.GetBlock(1).m_caption = kHostile; }),
       "",
       {"1\tBl_1\t" + kShown + "\t3\t1\tI:0 I:1 I:2\t01101001\n"}},
      {"identifier",
       SchemeWith([](CLogicalScheme& s) {
         s.GetBlock(1).m_id = kHostile;
         s.GetBlock(2).m_inputs[0].m_source = kHostile;
       }),
       "",
       {"1\t" + kShown + "\tБлок 1\t3\t1\tI:0 I:1 I:2\t01101001\n", "2\tO\t\t1\t0\t" + kShown + ":0\t\n"}},
      {"repeated identifier",
       SchemeWith([](CLogicalScheme& s) {
         s.GetBlock(1).m_id = kHostile;
         s.m_blocks.insert(s.m_blocks.begin() + 2, s.GetBlock(1));
       }),
       "block 2 (" + kShown + "): identifier repeats block 1",
       {}},
      {"link source",
       SchemeWith([](CLogicalScheme& s) { s.GetBlock(1).m_inputs[2].m_source = kHostile; }),
       "names unknown block " + kShown,
       {}},
      {"input block",
       SchemeWith([](CLogicalScheme& s) { s.GetBlock(0).m_id = kHostile; }),
       "block 0 (" + kShown + "): the first block must be",
       {}},
  };
  CTempDir dir;
  for (const Case& c : cases) {
    const std::string file = dir.File("x.shc");
    testing::WriteBytes(file, c.bytes);
    const std::vector<std::vector<std::string>> commands = {
        {"show", file},
        {"analyze", file},
        {"serial", file, "--block", "1", "--list"},
        {"fictitious", file, "--block", "1"},
        {"draw", file, "-o", dir.File("x.svg")},
        {"vhdl", file, "-o", dir.File("x.vhd")},
        {"serial", file, "--block", kHostile, "--list"},
    };
    for (const auto& args : commands) {
      const std::string what = std::string(c.name) + ": " + args[0];
      const auto r = RunCli(args);
      ExpectPlainLines(r.out, true, what);
      ExpectPlainLines(r.err, false, what);
      if (!c.shownInReason.empty()) {
        EXPECT_EQ(r.status, 2) << what;
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << what << ": " << r.err;
        EXPECT_NE(r.err.find(c.shownInReason), std::string::npos) << what << ": " << r.err;
      }
    }
    if (!c.shownInReason.empty()) continue;

    // show prints every block on one line, the file's text escaped; the JSON
    // form carries the original text.
    const auto shown = RunCli({"show", file});
    ASSERT_EQ(shown.status, 0) << c.name << ": " << shown.err;
    for (const std::string& row : c.showRows) EXPECT_NE(shown.out.find(row), std::string::npos) << row << shown.out;
    const auto json = nlohmann::json::parse(RunCli({"show", file, "--json"}).out);
    EXPECT_TRUE(json["blocks"][1]["caption"] == kHostile || json["blocks"][1]["id"] == kHostile) << c.name;

    // The picture's caption is the escaped text too (raw, it would not even be XML).
    ExpectPlainLines(testing::ReadBytes(dir.File("x.svg")), true, std::string(c.name) + ": svg");

    // A load and a save keep the file's bytes.
    const std::string saved = dir.File("saved.shc");
    const auto r = RunCli({"optimize", file, "-o", saved});
    ASSERT_EQ(r.status, 0) << c.name << ": " << r.err;
    EXPECT_EQ(testing::ReadBytes(saved), c.bytes) << c.name;
  }
}

}  // namespace
}  // namespace lodex
