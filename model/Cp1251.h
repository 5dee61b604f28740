// Windows-1251, the code page of the program's files, against UTF-8 in memory.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace lodex {

// Every byte decodes; 0x98, unassigned in the code page, maps to U+0098 so
// that any file text survives a load and a save unchanged.
std::string Cp1251ToUtf8(std::string_view bytes);

// Encodes UTF-8 text, or returns nothing when the text is not valid UTF-8 or
// holds a character that Windows-1251 cannot represent.
std::optional<std::string> Utf8ToCp1251(std::string_view text);

}  // namespace lodex
