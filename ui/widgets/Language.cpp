#include "ui/widgets/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QPointer>
#include <QSettings>
#include <QTranslator>
#include <string>

#include "model/PrintableText.h"
#include "model/Status.h"
#include "model/Translatable.h"

namespace lodex {
namespace {

QString g_language = kRussian;
// Owned by the application, which deletes them with itself (QPointer then
// forgets them).
QPointer<QTranslator> g_program;
QPointer<QTranslator> g_qt;

QString Known(const QString& language) { return language.trimmed().toLower() == kEnglish ? kEnglish : kRussian; }

void Remove(QPointer<QTranslator>& translator) {
  if (translator.isNull()) return;
  QCoreApplication::removeTranslator(translator);
  delete translator.data();
}

}  // namespace

QString InterfaceLanguage() { return g_language; }

QString LanguageArgument(const QStringList& arguments) {
  for (qsizetype i = 1; i < arguments.size(); ++i) {
    if (arguments[i] == QLatin1String("--language")) return i + 1 < arguments.size() ? arguments[i + 1] : QString();
    if (arguments[i].startsWith(QLatin1String("--language="))) return arguments[i].mid(11);
  }
  return {};
}

QString ChooseLanguage(const QString& requested, const QSettings& settings) {
  if (!requested.isEmpty()) return Known(requested);
  return Known(settings.value(kInterfaceLanguageKey, kRussian).toString());
}

bool InstallLanguage(const QString& language) {
  Remove(g_program);
  Remove(g_qt);
  g_language = Known(language);
  bool loaded = true;
  // The program's texts are Russian as written; Qt's are English as written.
  if (g_language == kEnglish) {
    g_program = new QTranslator(QCoreApplication::instance());
    loaded = g_program->load(QStringLiteral(":/i18n/lodex_en.qm"));
    if (loaded) QCoreApplication::installTranslator(g_program);
  } else {
    g_qt = new QTranslator(QCoreApplication::instance());
    // Without Qt's translation its buttons stay English: not worth a refusal.
    if (g_qt->load(QStringLiteral("qtbase_ru"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
      QCoreApplication::installTranslator(g_qt);
  }
  return loaded;
}

QString AppText(const char* text) { return QCoreApplication::translate(kAppTextContext, text); }

QString AppText(const std::string& text) { return AppText(text.c_str()); }

QString WordPhrases(const std::vector<Phrase>& phrases) {
  QString text;
  for (const Phrase& phrase : phrases) {
    std::vector<std::string> facts;
    for (const std::string& fact : phrase.args) facts.push_back(PrintableText(fact));
    text += QString::fromStdString(FillPlaceholders(AppText(PhraseWording(phrase.code)).toStdString(), facts));
  }
  return text;
}

}  // namespace lodex
