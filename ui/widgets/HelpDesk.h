// F1 anywhere in the program: a window that names a manual section (its help
// topic, set once) opens the manual there. One desk per program holds the
// manual window and answers the key for every window, dialogs included.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

class QWidget;

namespace lodex {

class CHelpWindow;

// The manual's sections that windows name: each is an anchor of the manual
// in every language.
namespace help {
inline constexpr const char* kContents = "contents";
inline constexpr const char* kSequence = "sequence";
inline constexpr const char* kWizard = "wizard";
inline constexpr const char* kWizardCheck = "wizard-check";
inline constexpr const char* kSequenceEntry = "sequence-entry";
inline constexpr const char* kSchematic = "schematic";
inline constexpr const char* kSchematicOutputs = "schematic-outputs";
inline constexpr const char* kMainWindow = "main-window";
inline constexpr const char* kNavigation = "navigation";
inline constexpr const char* kSequencePane = "sequence-pane";
inline constexpr const char* kBlockProperties = "block-properties";
inline constexpr const char* kSerial = "serial";
inline constexpr const char* kParallel = "parallel";
inline constexpr const char* kDependencyTable = "dependency-table";
inline constexpr const char* kFictitious = "fictitious";
inline constexpr const char* kThreeInput = "three-input";
inline constexpr const char* kAutoSynthesis = "auto-synthesis";
inline constexpr const char* kCovering = "covering";
inline constexpr const char* kOptimisation = "optimisation";
inline constexpr const char* kAnalysis = "analysis";
inline constexpr const char* kSettings = "settings";
inline constexpr const char* kExport = "export";
inline constexpr const char* kChecking = "checking";
inline constexpr const char* kAbout = "about";
}  // namespace help

// Every topic above.
const QStringList& HelpTopics();

// Names the manual section of `widget` and everything inside it.
void SetHelpTopic(QWidget* widget, const QString& topic);
// The topic of `widget` or of the nearest widget around it that has one;
// empty when none has.
QString HelpTopicOf(const QWidget* widget);

class CHelpDesk : public QObject {
  Q_OBJECT
 public:
  // Answers F1 in every window of the application while it lives. The
  // manual opens in `language` ("ru" or "en"), over `home` when no modal
  // dialog is in front.
  explicit CHelpDesk(QWidget* home, const QString& language = QStringLiteral("ru"));
  ~CHelpDesk() override;

  // The manual's language from now on; an open manual window follows.
  void SetLanguage(const QString& language);
  QString Language() const { return m_language; }

  // Opens the manual at `topic` (empty: at its start) in front of the
  // window the user works in, usable even while a modal dialog runs.
  void Show(const QString& topic = {});
  // The manual window, or nullptr before it was first opened.
  CHelpWindow* Window() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPointer<QWidget> m_home;
  QString m_language;
  QPointer<CHelpWindow> m_window;
};

}  // namespace lodex
