// Helpers of the main-window tests: a Qt host that answers the document's
// dialogs from a script, scheme files to open, and modal dialogs handled
// while they run.
#pragma once

#include <QApplication>
#include <QTimer>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/SchemeFile.h"
#include "ui/window/QtHost.h"

namespace lodex::test {

// The real host, but with the synthesis dialogs, the open and save dialogs,
// the save prompt and (when `answer` is set) message boxes scripted. An
// unscripted serial or parallel dialog is the real one.
class CScriptedQtHost : public CQtHost {
 public:
  std::function<std::optional<SerialChoice>(const CLogicalBlock&)> serial;
  std::function<std::optional<SplitRequest>(const CLogicalBlock&)> parallel;
  std::optional<std::string> openFile;
  std::optional<std::string> saveFile;
  MessageAnswer saveChanges = MessageAnswer::No;
  int saveChangesAsked = 0;
  std::optional<MessageAnswer> answer;  // unset: real message boxes
  std::vector<Message> messages;

  std::optional<SerialChoice> RunSerialDialog(const CLogicalBlock& b) override {
    return serial ? serial(b) : CQtHost::RunSerialDialog(b);
  }
  std::optional<SplitRequest> RunParallelDialog(const CLogicalBlock& b) override {
    return parallel ? parallel(b) : CQtHost::RunParallelDialog(b);
  }
  std::optional<std::string> AskOpenFile(const FileDialogRequest& r) override {
    return HasPendingOpen() ? CQtHost::AskOpenFile(r) : openFile;
  }
  std::optional<std::string> AskSaveFile(const FileDialogRequest&) override { return saveFile; }
  MessageAnswer AskSaveChanges(const std::string&) override {
    ++saveChangesAsked;
    return saveChanges;
  }
  MessageAnswer Show(const Message& m) override {
    if (!answer) return CQtHost::Show(m);
    messages.push_back(m);
    return *answer;
  }
};

// A one-block project written as a scheme file.
inline void WriteProject(const std::string& path, int inputs, int outputs, const std::string& lp) {
  CLogicalScheme s;
  s.InitFromProject(static_cast<int16_t>(inputs), static_cast<int16_t>(outputs), "Bl_1", lp);
  if (!SaveSchemeFile(path, s)) throw std::runtime_error("cannot write " + path);
}

// Runs `trigger` and hands each modal widget that opens, one after another,
// to the next of `handlers`; the number of modals handled.
inline size_t WithModals(const std::function<void()>& trigger,
                         const std::vector<std::function<void(QWidget*)>>& handlers) {
  size_t handled = 0;
  QWidget* last = nullptr;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || modal == last || handled >= handlers.size()) return;
    last = modal;
    handlers[handled++](modal);
  });
  poll.start(0);
  trigger();
  poll.stop();
  return handled;
}

// Runs `trigger`, which must open a modal dialog; `handle` gets the dialog
// while it runs and must close it. False when no dialog came up.
inline bool WithModal(const std::function<void()>& trigger, const std::function<void(QWidget*)>& handle) {
  return WithModals(trigger, {handle}) == 1;
}

}  // namespace lodex::test
