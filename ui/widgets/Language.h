// The language of the interface: Russian, the language the texts are written
// in, or English from the translation built into the program. Qt's own
// buttons and dialogs follow the same choice.
#pragma once

#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "model/Phrase.h"

class QSettings;

namespace lodex {

// The settings key (under "Lodex 2") of the language chosen in Настройки.
inline constexpr const char* kInterfaceLanguageKey = "Interface Language";
inline constexpr const char* kRussian = "ru";
inline constexpr const char* kEnglish = "en";

// "ru" or "en": the language the interface is shown in now.
QString InterfaceLanguage();
// The value of the option --language (or --language=X) among a program's
// arguments; empty when it is not given.
QString LanguageArgument(const QStringList& arguments);
// The language of a run: `requested` (from --language) when it is given,
// else the one kept in `settings`; Russian unless either says "en".
QString ChooseLanguage(const QString& requested, const QSettings& settings);
// Makes `language` the interface language: installs the program's translation
// and Qt's own for it, replacing those of an earlier call. Widgets made
// before keep their texts. False when a translation could not be loaded.
bool InstallLanguage(const QString& language);
// A text that the core marks with LODEX_TRANSLATE_NOOP, in the interface
// language.
QString AppText(const char* text);
// The same for a text kept in UTF-8 in a std::string (file dialog titles).
QString AppText(const std::string& text);
// What the core says as phrases, in the interface language, one after
// another.
QString WordPhrases(const std::vector<Phrase>& phrases);

}  // namespace lodex
