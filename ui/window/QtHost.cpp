#include "ui/window/QtHost.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QThread>
#include <cstdio>
#include <optional>
#include <type_traits>

#include "model/PrintableText.h"
#include "ui/dialogs/AnalizeDlg.h"
#include "ui/dialogs/AutoSynthDlg.h"
#include "ui/dialogs/FictDlg.h"
#include "ui/dialogs/ParallelDecDlg.h"
#include "ui/dialogs/PrwDlg.h"
#include "ui/dialogs/SetUpDlg.h"
#include "ui/dialogs/ThreeInDlg.h"
#include "ui/dialogs/WizPage1.h"
#include "ui/dialogs/WizSheet.h"
#include "ui/widgets/Language.h"
#include "ui/window/MainFrm.h"
#include "ui/window/ReasonText.h"

namespace lodex {
namespace {

// The settings key of the automatic synthesis's K (under "Lodex 2").
constexpr const char* kAutomaticSynthesisInputsKey = "Automatic Synthesis Inputs";
constexpr const char* kAutomaticSynthesisDepthKey = "Automatic Synthesis Fewer Levels";
constexpr int kDefaultAutomaticSynthesisInputs = 4;

QString FromUtf8(const std::string& s) { return QString::fromStdString(s); }

QString Tr(const char* text) { return QCoreApplication::translate("lodex::CQtHost", text); }

QMessageBox::Icon BoxIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Error: return QMessageBox::Critical;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

// The buttons of a message box with texts of the program's own, so that they
// read the same whether or not Qt's own translation is installed.
struct BoxButton {
  QMessageBox::StandardButton button;
  const char* text;
  MessageAnswer answer;
};

std::vector<BoxButton> Buttons(MessageButtons buttons) {
  const BoxButton ok{QMessageBox::Ok, "OK", MessageAnswer::Ok};
  const BoxButton cancel{QMessageBox::Cancel, QT_TRANSLATE_NOOP("lodex::CQtHost", "Отмена"), MessageAnswer::Cancel};
  const BoxButton yes{QMessageBox::Yes, QT_TRANSLATE_NOOP("lodex::CQtHost", "Да"), MessageAnswer::Yes};
  const BoxButton no{QMessageBox::No, QT_TRANSLATE_NOOP("lodex::CQtHost", "Нет"), MessageAnswer::No};
  switch (buttons) {
    case MessageButtons::Ok: return {ok};
    case MessageButtons::OkCancel: return {ok, cancel};
    case MessageButtons::YesNo: return {yes, no};
    case MessageButtons::YesNoCancel: return {yes, no, cancel};
  }
  return {ok};
}

// The answer of a message box closed without a button, as the Windows
// message box gave it.
MessageAnswer EscapeAnswer(MessageButtons buttons) {
  return buttons == MessageButtons::YesNo ? MessageAnswer::No
         : buttons == MessageButtons::Ok  ? MessageAnswer::Ok
                                          : MessageAnswer::Cancel;
}

// A modal dialog's choice when it ends with OK, none otherwise.
template <typename Dialog>
auto ChoiceOnOk(Dialog& dialog) -> std::optional<std::remove_cvref_t<decltype(*std::optional(dialog.Choice()))>> {
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.Choice();
}

}  // namespace

QStringList QtNameFilters(const std::string& filter) {
  QStringList result;
  const QStringList parts = FromUtf8(filter).split('|');
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].isEmpty()) break;  // the "||" at the end
    QStringList patterns = parts[i + 1].split(';', Qt::SkipEmptyParts);
    for (QString& p : patterns) {
      p = p.trimmed();
      if (p == "*.*") p = "*";
    }
    QString name = parts[i];
    name.remove(QRegularExpression(R"(\s*\([^()]*\)\s*$)"));
    result << QString("%1 (%2)").arg(name, patterns.join(' '));
  }
  return result;
}

QString DefaultSuffixOf(const QString& nameFilter) {
  static const QRegularExpression single(R"(\(\*\.([^*?\s()]+)\)$)");
  const QRegularExpressionMatch m = single.match(nameFilter);
  return m.hasMatch() ? m.captured(1) : QString();
}

QWidget* CQtHost::DialogParent() const {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return m_frame;
}

MessageAnswer CQtHost::Show(const Message& message) {
  // A window can only be opened on the window thread: a message raised on a
  // dialog's worker thread goes to standard error with the escape answer.
  if (QThread::currentThread() != QApplication::instance()->thread()) {
    std::fprintf(stderr, "%s: %s\n", message.caption.c_str(), MessageText(message).c_str());
    return EscapeAnswer(message.buttons);
  }
  QString text = FromUtf8(message.text);
  QString details;
  if (message.reason && text.isEmpty()) {
    ReasonWording worded = WordReason(*message.reason);
    text = std::move(worded.text);
    details = std::move(worded.details);
  } else if (text.isEmpty()) {
    text = WordPhrases(message.phrases);
  }
  text.remove('\r');  // "\n\r" breaks one line, as the Windows message box did
  QMessageBox box(BoxIcon(message.icon), AppText(message.caption.empty() ? kAppTitle : message.caption.c_str()), text,
                  QMessageBox::NoButton, DialogParent());
  if (!details.isEmpty()) box.setDetailedText(details);
  const std::vector<BoxButton> buttons = Buttons(message.buttons);
  for (const BoxButton& b : buttons) box.addButton(b.button)->setText(Tr(b.text));
  box.setDefaultButton(buttons.front().button);
  box.exec();
  const auto clicked = box.standardButton(box.clickedButton());
  for (const BoxButton& b : buttons)
    if (b.button == clicked) return b.answer;
  return EscapeAnswer(message.buttons);
}

MessageAnswer CQtHost::AskSaveChanges(const std::string& title) {
  const QString name =
      title.empty() ? Tr(QT_TRANSLATE_NOOP("lodex::CQtHost", "Без имени")) : FromUtf8(PrintableText(title));
  return Show(Message{Tr(QT_TRANSLATE_NOOP("lodex::CQtHost", "Сохранить изменения в \"%1\"?")).arg(name).toStdString(),
                      kAppTitle, MessageButtons::YesNoCancel, MessageIcon::Question});
}

std::optional<SerialChoice> CQtHost::RunSerialDialog(const CLogicalBlock& block) {
  CPrwDlg dialog(block, DialogParent());
  return ChoiceOnOk(dialog);
}

std::optional<SplitRequest> CQtHost::RunParallelDialog(const CLogicalBlock& block) {
  CParallelDecDlg dialog(block, DialogParent());
  return ChoiceOnOk(dialog);
}

std::optional<SplitRequest> CQtHost::RunFictitiousDialog(const CLogicalBlock& block) {
  CFictDlg dialog(block, DialogParent());
  return ChoiceOnOk(dialog);
}

std::optional<ThreeInputChoice> CQtHost::RunThreeInputDialog(const CLogicalBlock& block,
                                                             const std::vector<int32_t>& types) {
  CThreeInDlg dialog(block, types, DialogParent());
  return ChoiceOnOk(dialog);
}

std::optional<CLogicalScheme> CQtHost::RunAutomaticSynthesisDialog(const CLogicalScheme& scheme) {
  const std::unique_ptr<QSettings> settings = m_frame ? m_frame->OpenSettings() : std::make_unique<QSettings>();
  CAutoSynthDlg dialog(scheme, settings->value(kAutomaticSynthesisInputsKey, kDefaultAutomaticSynthesisInputs).toInt(),
                       settings->value(kAutomaticSynthesisDepthKey, false).toBool() ? SynthesisObjective::Depth
                                                                                    : SynthesisObjective::Luts,
                       DialogParent());
  std::optional<CLogicalScheme> result = ChoiceOnOk(dialog);
  settings->setValue(kAutomaticSynthesisInputsKey, dialog.MaxInputs());
  settings->setValue(kAutomaticSynthesisDepthKey, dialog.Objective() == SynthesisObjective::Depth);
  return result;
}

void CQtHost::RunAnalysisDialog(const CAnalysisGrid& grid) {
  CAnalizeDlg dialog(grid, *this, DialogParent());
  dialog.exec();
}

std::optional<WizardResult> CQtHost::RunNewProjectWizard() {
  CWizSheet sheet(*this, DialogParent());
  sheet.Page1()->SetName(AppText(kDefaultProjectName).toStdString());
  if (sheet.exec() != QDialog::Accepted) return std::nullopt;
  return sheet.Result();
}

std::optional<SettingsChoice> CQtHost::RunSettingsDialog(const SettingsChoice& current) {
  const std::unique_ptr<QSettings> settings = m_frame ? m_frame->OpenSettings() : std::make_unique<QSettings>();
  CSetUpDlg dialog(current, ChooseLanguage({}, *settings), DialogParent());
  std::optional<SettingsChoice> choice = ChoiceOnOk(dialog);
  if (choice) settings->setValue(kInterfaceLanguageKey, dialog.Language());
  return choice;
}

std::optional<std::string> CQtHost::RunFileDialog(const FileDialogRequest& request, bool save) const {
  // The core's titles and filters are marked for translation; the rest (a
  // file's own name) stay as they are.
  QFileDialog dialog(DialogParent(), AppText(request.title));
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setNameFilters(QtNameFilters(AppText(request.filter).toStdString()));
  dialog.setDefaultSuffix(FromUtf8(request.defaultExtension));
  // A choice of file type also changes the extension a typed name gets.
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, &request](const QString& filter) {
    const QString suffix = DefaultSuffixOf(filter);
    dialog.setDefaultSuffix(suffix.isEmpty() ? FromUtf8(request.defaultExtension) : suffix);
  });
  // A wildcard name ("*.shc") only repeats the filter.
  if (!request.fileName.empty() && request.fileName.find('*') == std::string::npos)
    dialog.selectFile(FromUtf8(request.fileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return dialog.selectedFiles().front().toStdString();
}

std::optional<std::string> CQtHost::AskOpenFile(const FileDialogRequest& request) {
  if (m_nextOpen) return std::exchange(m_nextOpen, std::nullopt);
  return RunFileDialog(request, false);
}

std::optional<std::string> CQtHost::AskSaveFile(const FileDialogRequest& request) {
  return RunFileDialog(request, true);
}

void CQtHost::UpdateAllViews() {
  if (m_frame) m_frame->OnDocumentUpdated();
}

}  // namespace lodex
