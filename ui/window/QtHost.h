// The document's host in the Qt program: message boxes, file dialogs, the
// save prompt and the settings dialog, and the frame's views after every
// change. Its methods are virtual so that tests can answer dialogs from a
// script.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>

#include "app/DocumentHost.h"

class QWidget;

namespace lodex {

class CMainFrame;

// The Qt name filters of a "name|pattern|...||" filter. The patterns replace
// any that the name shows in brackets, ';' separates patterns, and "*.*"
// becomes "*", which also matches names without an extension.
QStringList QtNameFilters(const std::string& filter);

// The extension that a name filter adds to a typed name ("svg" for
// "Рисунок SVG (*.svg)"); empty for a filter with wildcards only.
QString DefaultSuffixOf(const QString& nameFilter);

class CQtHost : public CDocumentHost {
 public:
  CQtHost() = default;
  CQtHost(const CQtHost&) = delete;
  CQtHost& operator=(const CQtHost&) = delete;

  // The frame that follows the document and over which dialogs open.
  void Attach(CMainFrame* frame) { m_frame = frame; }

  // A message box with the message's buttons and icon; an empty caption is
  // the application title. Off the window thread the message goes to
  // standard error instead.
  MessageAnswer Show(const Message& message) override;

  // The serial and parallel decomposition, fictitious-input and three-input
  // dialogs, modal over DialogParent(); none for Cancel.
  std::optional<SerialChoice> RunSerialDialog(const CLogicalBlock& block) override;
  std::optional<SplitRequest> RunParallelDialog(const CLogicalBlock& block) override;
  std::optional<SplitRequest> RunFictitiousDialog(const CLogicalBlock& block) override;
  std::optional<ThreeInputChoice> RunThreeInputDialog(const CLogicalBlock& block,
                                                      const std::vector<int32_t>& types) override;
  // The automatic synthesis dialog, its K remembered in the frame's settings.
  std::optional<CLogicalScheme> RunAutomaticSynthesisDialog(const CLogicalScheme& scheme) override;
  // The analysis grid; its message boxes come through Show.
  void RunAnalysisDialog(const CAnalysisGrid& grid) override;
  // The new-project wizard with the name "Схема1"; its file dialogs and
  // messages come through AskOpenFile and Show. None for Cancel.
  std::optional<WizardResult> RunNewProjectWizard() override;

  std::optional<SettingsChoice> RunSettingsDialog(const SettingsChoice& current) override;
  // A path handed to AnswerNextOpen answers the next open dialog without
  // showing it: recent and dropped files go through the Open command.
  std::optional<std::string> AskOpenFile(const FileDialogRequest& request) override;
  std::optional<std::string> AskSaveFile(const FileDialogRequest& request) override;
  // "Сохранить изменения в "<title>"?" with Да, Нет and Отмена.
  MessageAnswer AskSaveChanges(const std::string& title) override;
  void UpdateAllViews() override;

  void AnswerNextOpen(std::optional<std::string> path) { m_nextOpen = std::move(path); }
  bool HasPendingOpen() const { return m_nextOpen.has_value(); }

 protected:
  // The window that dialogs open over: a modal dialog in front, else the frame.
  QWidget* DialogParent() const;
  std::optional<std::string> RunFileDialog(const FileDialogRequest& request, bool save) const;

 private:
  CMainFrame* m_frame = nullptr;
  std::optional<std::string> m_nextOpen;
};

}  // namespace lodex
