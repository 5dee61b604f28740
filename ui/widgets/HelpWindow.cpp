#include "ui/widgets/HelpWindow.h"

#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/widgets/Icons.h"

namespace lodex {
namespace {

// "en" for any English ("en", "en_GB"), else "ru".
QString ManualLanguage(const QString& language) {
  return language.startsWith(QLatin1String("en")) ? QStringLiteral("en") : QStringLiteral("ru");
}

}  // namespace

QString CHelpWindow::ManualUrl(const QString& language) {
  return QStringLiteral("qrc:/help/manual.%1.html").arg(ManualLanguage(language));
}

CHelpWindow::CHelpWindow(const QString& language, QWidget* parent)
    : QWidget(parent, Qt::Window), m_language(ManualLanguage(language)), m_browser(new QTextBrowser(this)) {
  InitUiResources();
  setObjectName("HelpWindow");
  setWindowTitle(tr("Справка Lodex"));
  m_browser->setObjectName("Manual");
  m_browser->setOpenExternalLinks(true);
  m_browser->setSource(QUrl(ManualUrl(m_language)));

  auto* bar = new QToolBar(this);
  QAction* back = bar->addAction(tr("Назад"), m_browser, &QTextBrowser::backward);
  back->setShortcut(QKeySequence::Back);
  back->setEnabled(false);
  connect(m_browser, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  QAction* forward = bar->addAction(tr("Вперёд"), m_browser, &QTextBrowser::forward);
  forward->setShortcut(QKeySequence::Forward);
  forward->setEnabled(false);
  connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
  bar->addAction(tr("Содержание"), this, [this] { ShowTopic({}); });

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(bar);
  layout->addWidget(m_browser);
  resize(760, 640);
}

void CHelpWindow::ShowTopic(const QString& topic) {
  m_topic = topic;
  QUrl url(ManualUrl(m_language));
  if (!topic.isEmpty()) url.setFragment(topic);
  // The same page with another anchor only scrolls; the history keeps both.
  m_browser->setSource(url);
  if (topic.isEmpty()) m_browser->scrollToAnchor(QStringLiteral("contents"));
  show();
  raise();
  activateWindow();
  m_browser->setFocus();
}

}  // namespace lodex
