#include "ui/widgets/HelpDesk.h"

#include <QApplication>
#include <QKeyEvent>
#include <QVariant>
#include <QWidget>
#include <QWindow>

#include "ui/widgets/HelpWindow.h"

namespace lodex {
namespace {

constexpr const char* kTopicProperty = "lodexHelpTopic";

bool IsHelpKey(const QEvent* event) {
  if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride) return false;
  const auto* key = static_cast<const QKeyEvent*>(event);
  return key->key() == Qt::Key_F1 && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

}  // namespace

const QStringList& HelpTopics() {
  using namespace help;
  static const QStringList topics = {
      kContents,         kSequence,        kWizard,     kWizardCheck,  kSequenceEntry,   kSchematic,
      kSchematicOutputs, kMainWindow,      kNavigation, kSequencePane, kBlockProperties, kSerial,
      kParallel,         kDependencyTable, kFictitious, kThreeInput,   kAutoSynthesis,   kCovering,
      kOptimisation,     kAnalysis,        kSettings,   kExport,       kChecking,        kAbout};
  return topics;
}

void SetHelpTopic(QWidget* widget, const QString& topic) { widget->setProperty(kTopicProperty, topic); }

QString HelpTopicOf(const QWidget* widget) {
  for (; widget != nullptr; widget = widget->parentWidget()) {
    const QString topic = widget->property(kTopicProperty).toString();
    if (!topic.isEmpty()) return topic;
  }
  return {};
}

CHelpDesk::CHelpDesk(QWidget* home, const QString& language) : QObject(home), m_home(home), m_language(language) {
  qApp->installEventFilter(this);
}

CHelpDesk::~CHelpDesk() {
  if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
  delete m_window;
}

CHelpWindow* CHelpDesk::Window() const { return m_window.data(); }

void CHelpDesk::SetLanguage(const QString& language) {
  if (language == m_language) return;
  m_language = language;
  if (!m_window) return;
  // A window of the other language takes the place and the section of the old one.
  const bool shown = m_window->isVisible();
  const QString topic = m_window->Topic();
  const QRect place = m_window->geometry();
  delete m_window;
  if (!shown) return;
  Show(topic);
  m_window->setGeometry(place);
}

void CHelpDesk::Show(const QString& topic) {
  if (!m_window) m_window = new CHelpWindow(m_language, m_home);
  // A modal dialog blocks every window but those it owns: the manual is
  // made the dialog's own while it runs, so that it can be read and scrolled.
  QWidget* owner = QApplication::activeModalWidget();
  if (owner == nullptr) owner = m_home;
  m_window->winId();  // the window system's window, to own
  if (QWindow* window = m_window->windowHandle())
    window->setTransientParent(owner != nullptr ? owner->window()->windowHandle() : nullptr);
  m_window->ShowTopic(topic);
}

bool CHelpDesk::eventFilter(QObject* watched, QEvent* event) {
  if (!IsHelpKey(event) || !watched->isWidgetType()) return false;
  const QString topic = HelpTopicOf(static_cast<QWidget*>(watched));
  if (topic.isEmpty()) return false;  // the main window's F1 opens the contents
  // Taking the shortcut override keeps F1 from the main window's action.
  event->accept();
  if (event->type() == QEvent::KeyPress) Show(topic);
  return true;
}

}  // namespace lodex
