// Text from a file made safe to quote in a message, a table or a pane.
#pragma once

#include <string>
#include <string_view>

namespace lodex {

// Returns `text` with every character that could move the cursor, split a
// line or drive a terminal written out as visible ASCII:
// - line feed, carriage return and tab as \n, \r, \t;
// - the other C0 controls and DEL as \xHH (hex digits in capitals);
// - the C1 controls U+0080..U+009F and the line and paragraph separators
//   U+2028, U+2029 as \u{HH} / \u{HHHH};
// - each byte that is not part of valid UTF-8 as \xHH.
// Everything else, Cyrillic included, stays as it is; so does the backslash,
// which makes the function idempotent: a message built from already printable
// parts comes through a second pass unchanged.
std::string PrintableText(std::string_view text);

}  // namespace lodex
