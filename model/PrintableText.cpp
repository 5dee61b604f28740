#include "model/PrintableText.h"

#include <cstdint>
#include <cstdio>

#include "model/Utf8.h"

namespace lodex {
namespace {

void AppendEscape(std::string& out, const char* format, uint32_t value) {
  char buf[16];
  std::snprintf(buf, sizeof buf, format, static_cast<unsigned>(value));
  out += buf;
}

}  // namespace

std::string PrintableText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  size_t i = 0;
  while (i < text.size()) {
    const size_t start = i;
    const std::optional<uint32_t> cp = NextCodePoint(text, i);
    if (!cp) {
      AppendEscape(out, "\\x%02X", static_cast<unsigned char>(text[i++]));
    } else if (*cp == '\n') {
      out += "\\n";
    } else if (*cp == '\r') {
      out += "\\r";
    } else if (*cp == '\t') {
      out += "\\t";
    } else if (*cp < 0x20 || *cp == 0x7F) {
      AppendEscape(out, "\\x%02X", *cp);
    } else if ((*cp >= 0x80 && *cp <= 0x9F) || *cp == 0x2028 || *cp == 0x2029) {
      AppendEscape(out, "\\u{%X}", *cp);
    } else {
      out.append(text, start, i - start);
    }
  }
  return out;
}

}  // namespace lodex
