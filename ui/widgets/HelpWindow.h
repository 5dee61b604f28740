// The manual: a small window that shows the program's HTML manual from its
// resources in one language, at the start or at one section.
#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

namespace lodex {

class CHelpWindow : public QWidget {
  Q_OBJECT
 public:
  // `language` is "ru" or "en" ("en_GB" and the like count as English); any
  // other falls back to Russian.
  explicit CHelpWindow(const QString& language = QStringLiteral("ru"), QWidget* parent = nullptr);

  // The language the manual is shown in, after the fall-back.
  QString Language() const { return m_language; }
  // The manual's page for `language` in the resources ("qrc:/help/manual.ru.html").
  static QString ManualUrl(const QString& language);

  // Shows the section whose anchor is `topic`, or the start of the manual
  // for an empty topic, and brings the window to the front.
  void ShowTopic(const QString& topic);
  // The section last asked for; empty for the start of the manual.
  QString Topic() const { return m_topic; }
  QTextBrowser* Browser() const { return m_browser; }

 private:
  QString m_language;
  QString m_topic;
  QTextBrowser* m_browser;
};

}  // namespace lodex
