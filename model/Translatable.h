// Texts of the interface that the core holds (command captions and prompts,
// dialog labels and file dialog titles) stay the Russian source text here.
// LODEX_TRANSLATE_NOOP marks them for the translation tools, which read it as
// QT_TRANSLATE_NOOP(context, text); the program translates them in the
// context kAppTextContext where it shows them.
#pragma once

#define LODEX_TRANSLATE_NOOP(context, text) text

namespace lodex {

inline constexpr const char* kAppTextContext = "lodex::App";

}  // namespace lodex
