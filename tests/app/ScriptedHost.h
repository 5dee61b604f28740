// A host that answers the document's dialogs from a script and records
// every message box, file dialog and view update.
#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/DocumentHost.h"
#include "app/LodexDoc.h"

namespace lodex::test {

class CScriptedHost : public CDocumentHost {
 public:
  // Dialog answers; an unset function cancels the dialog.
  std::function<std::optional<SerialChoice>(const CLogicalBlock&)> serial;
  std::function<std::optional<SplitRequest>(const CLogicalBlock&)> parallel;
  std::function<std::optional<SplitRequest>(const CLogicalBlock&)> fictitious;
  std::function<std::optional<ThreeInputChoice>(const CLogicalBlock&, const std::vector<int32_t>&)> threeInput;
  std::function<std::optional<CLogicalScheme>(const CLogicalScheme&)> automaticSynthesis;
  std::optional<SettingsChoice> settings;
  std::optional<WizardResult> wizard;
  std::optional<std::string> openFile;
  std::optional<std::string> saveFile;
  MessageAnswer saveChanges = MessageAnswer::Cancel;
  // Answers to message boxes in order; past the end Yes/No boxes get No.
  std::deque<MessageAnswer> answers;

  std::vector<Message> messages;
  std::vector<FileDialogRequest> fileDialogs;
  std::vector<std::string> dialogsRun;
  std::vector<std::string> analysisRows;  // verdict column of the last grid
  int saveChangesAsked = 0;
  int updates = 0;

  std::optional<SerialChoice> RunSerialDialog(const CLogicalBlock& b) override {
    dialogsRun.push_back("serial");
    return serial ? serial(b) : std::nullopt;
  }
  std::optional<SplitRequest> RunParallelDialog(const CLogicalBlock& b) override {
    dialogsRun.push_back("parallel");
    return parallel ? parallel(b) : std::nullopt;
  }
  std::optional<SplitRequest> RunFictitiousDialog(const CLogicalBlock& b) override {
    dialogsRun.push_back("fictitious");
    return fictitious ? fictitious(b) : std::nullopt;
  }
  std::optional<ThreeInputChoice> RunThreeInputDialog(const CLogicalBlock& b, const std::vector<int32_t>& t) override {
    dialogsRun.push_back("three-input");
    return threeInput ? threeInput(b, t) : std::nullopt;
  }
  std::optional<CLogicalScheme> RunAutomaticSynthesisDialog(const CLogicalScheme& s) override {
    dialogsRun.push_back("automatic-synthesis");
    return automaticSynthesis ? automaticSynthesis(s) : std::nullopt;
  }
  void RunAnalysisDialog(const CAnalysisGrid& grid) override {
    dialogsRun.push_back("analysis");
    analysisRows.clear();
    for (int r = 1; r < grid.Rows(); ++r) analysisRows.push_back(grid.Cell(r, 0));
  }
  std::optional<SettingsChoice> RunSettingsDialog(const SettingsChoice&) override {
    dialogsRun.push_back("settings");
    return settings;
  }
  std::optional<WizardResult> RunNewProjectWizard() override {
    dialogsRun.push_back("wizard");
    return wizard;
  }
  MessageAnswer Show(const Message& m) override {
    messages.push_back(m);
    if (!answers.empty()) {
      const MessageAnswer a = answers.front();
      answers.pop_front();
      return a;
    }
    return m.buttons == MessageButtons::YesNo || m.buttons == MessageButtons::YesNoCancel ? MessageAnswer::No
                                                                                          : MessageAnswer::Ok;
  }
  std::optional<std::string> AskOpenFile(const FileDialogRequest& r) override {
    fileDialogs.push_back(r);
    return openFile;
  }
  std::optional<std::string> AskSaveFile(const FileDialogRequest& r) override {
    fileDialogs.push_back(r);
    return saveFile;
  }
  MessageAnswer AskSaveChanges(const std::string&) override {
    ++saveChangesAsked;
    return saveChanges;
  }
  void UpdateAllViews() override { ++updates; }

  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> texts;
    for (const Message& m : messages) texts.push_back(MessageText(m));
    return texts;
  }
};

// Everything of the document a cancelled command must leave as it was.
struct DocState {
  CLogicalScheme scheme;
  std::vector<CLogicalScheme> history;
  int32_t historyPos;
  int32_t selected;
  bool modified, serialEnabled, parallelEnabled;
  int32_t counter;

  explicit DocState(const CLodexDoc& d)
      : scheme(d.Scheme()),
        history(d.History()),
        historyPos(d.HistoryPos()),
        selected(d.SelectedBlock()),
        modified(d.IsModified()),
        serialEnabled(d.SerialEnabled()),
        parallelEnabled(d.ParallelEnabled()),
        counter(d.Scheme().m_blockCounter) {}
  bool operator==(const DocState&) const = default;
};

}  // namespace lodex::test
