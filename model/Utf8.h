// UTF-8 code points, for the file-boundary codecs and name transliteration.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lodex {

// Appends code point `cp` (at most U+10FFFF) as UTF-8.
void AppendUtf8(std::string& out, uint32_t cp);

// Decodes the UTF-8 sequence at `i` and advances past it; nothing (and `i`
// unchanged) when the bytes there are malformed, overlong or a surrogate.
std::optional<uint32_t> NextCodePoint(std::string_view s, size_t& i);

}  // namespace lodex
