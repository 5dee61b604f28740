#include <gtest/gtest.h>

#include "model/Cp1251.h"
#include "model/PrintableText.h"

namespace lodex {
namespace {

TEST(PrintableText, EveryClassOfCharacter) {
  const std::pair<std::string, std::string> table[] = {
      // Plain ASCII, Cyrillic and other valid text stay as they are, the
      // backslash included.
      {"Bl_1 Блок2 ёЁ№ €", "Bl_1 Блок2 ёЁ№ €"},
      {"a\\nb C:\\x", "a\\nb C:\\x"},
      {"日本 \U0001F600 \u00A0\u00FF", "日本 \U0001F600 \u00A0\u00FF"},
      // C0 controls and DEL.
      {"a\nb\rc\td", "a\\nb\\rc\\td"},
      {std::string("\0\x01\x1B[2J\x1F\x7F", 8), "\\x00\\x01\\x1B[2J\\x1F\\x7F"},
      {"\x1B]0;title\x07", "\\x1B]0;title\\x07"},
      // C1 controls, as the code page's unassigned byte 0x98 decodes, and the
      // line and paragraph separators.
      {"\u0080\u0085\u0098\u009F", "\\u{80}\\u{85}\\u{98}\\u{9F}"},
      {"a\u2028b\u2029c", "a\\u{2028}b\\u{2029}c"},
      // Bytes that are not UTF-8: a stray continuation, a cut sequence, an
      // overlong form, a surrogate, a lone lead byte before ASCII.
      {"\x80", "\\x80"},
      {"ab\xD0", "ab\\xD0"},
      {"\xC0\xAF", "\\xC0\\xAF"},
      {"\xED\xA0\x80", "\\xED\\xA0\\x80"},
      {"\xFF\x41", "\\xFFA"},
      {"", ""},
  };
  for (const auto& [text, shown] : table) {
    EXPECT_EQ(PrintableText(text), shown) << shown;
    EXPECT_EQ(PrintableText(shown), shown) << "a second pass changes " << shown;
  }
}

TEST(PrintableText, AnyFileTextComesOutOnOneVisibleLine) {
  // Every byte of the code page, as a caption would be loaded, and the same
  // bytes taken raw.
  std::string all;
  for (int b = 0; b < 256; ++b) all.push_back(static_cast<char>(b));
  for (const std::string& text : {Cp1251ToUtf8(all), all}) {
    const std::string shown = PrintableText(text);
    for (size_t i = 0; i < shown.size(); ++i) {
      const auto c = static_cast<unsigned char>(shown[i]);
      EXPECT_FALSE(c < 0x20 || c == 0x7F) << i;
      if (c == 0xC2 && i + 1 < shown.size()) {
        EXPECT_GE(static_cast<unsigned char>(shown[i + 1]), 0xA0) << i;
      }
    }
    EXPECT_EQ(PrintableText(shown), shown);
  }
}

}  // namespace
}  // namespace lodex
