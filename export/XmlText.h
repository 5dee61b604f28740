// Text and numbers as the XML drawing formats need them.
#pragma once

#include <string>
#include <string_view>

#include "drawing/Canvas.h"

namespace lodex {

// Escapes markup characters for element text and attribute values. Bytes
// that are not valid UTF-8 become U+FFFD and control characters that XML
// forbids are dropped, so the result is always well-formed UTF-8.
std::string XmlEscape(std::string_view text);

// A number with at most `decimals` decimals, trailing zeros dropped, in the
// C locale whatever the program's locale is.
std::string XmlNumber(double value, int decimals = 4);

// "#rrggbb", as both drawing formats write colours.
std::string HexColour(Colour colour);

}  // namespace lodex
