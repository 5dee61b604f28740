// The document's host on the command line: dialogs are answered by the
// command's arguments, message boxes are printed, questions are answered by
// flags, and a choice the arguments cannot give refuses the command.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/DocumentHost.h"
#include "app/LodexDoc.h"

namespace lodex::cli {

class CCliHost : public CDocumentHost {
 public:
  // A dialog's answer: a choice, or none after calling Refuse (or to cancel).
  std::function<std::optional<SerialChoice>(const CLogicalBlock&)> serial;
  std::function<std::optional<SplitRequest>(const CLogicalBlock&)> parallel;
  std::function<std::optional<SplitRequest>(const CLogicalBlock&)> fictitious;
  std::function<std::optional<ThreeInputChoice>(const CLogicalBlock&, const std::vector<int32_t>&)> threeInput;
  std::function<std::optional<CLogicalScheme>(const CLogicalScheme&)> automaticSynthesis;
  std::function<void(const CAnalysisGrid&)> analysis;
  std::optional<SettingsChoice> settings;
  std::optional<std::string> saveFile;
  // The answer to every Yes/No message box.
  MessageAnswer question = MessageAnswer::No;

  // Records why the command cannot be carried out; the first reason wins.
  void Refuse(const std::string& reason);
  // Ends the command with status 2 when a reason was recorded.
  void ThrowIfRefused() const;

  std::optional<SerialChoice> RunSerialDialog(const CLogicalBlock& block) override;
  std::optional<SplitRequest> RunParallelDialog(const CLogicalBlock& block) override;
  std::optional<SplitRequest> RunFictitiousDialog(const CLogicalBlock& block) override;
  std::optional<ThreeInputChoice> RunThreeInputDialog(const CLogicalBlock& block,
                                                      const std::vector<int32_t>& types) override;
  std::optional<CLogicalScheme> RunAutomaticSynthesisDialog(const CLogicalScheme& scheme) override;
  void RunAnalysisDialog(const CAnalysisGrid& grid) override;
  std::optional<SettingsChoice> RunSettingsDialog(const SettingsChoice& current) override;
  // Prints the text; an error message refuses the command instead.
  MessageAnswer Show(const Message& message) override;
  std::optional<std::string> AskOpenFile(const FileDialogRequest&) override { return std::nullopt; }
  std::optional<std::string> AskSaveFile(const FileDialogRequest&) override { return saveFile; }
  MessageAnswer AskSaveChanges(const std::string&) override { return MessageAnswer::No; }
  void UpdateAllViews() override {}

 private:
  std::string m_refusal;
};

// A document on the scheme file `path` (status 2 when it cannot be read),
// with auto-synthesis switched off when `noAuto`.
void OpenDocument(CLodexDoc& doc, CCliHost& host, const std::string& path, bool noAuto = false);

// One command's document and its host.
struct CCliSession {
  CCliHost host;
  CLodexDoc doc{host};
  explicit CCliSession(const std::string& path, bool noAuto = false) { OpenDocument(doc, host, path, noAuto); }
};
// Selects the logic block named by position or identifier.
void SelectBlock(CLodexDoc& doc, const std::string& name);
// Runs a command; a disabled one is refused with `disabledReason`.
void RunCommand(CLodexDoc& doc, CCliHost& host, CommandId id, const std::string& disabledReason);
// Saves the scheme to `out`, or prints it as `show` does when `out` is empty.
void SaveOrPrint(CLodexDoc& doc, CCliHost& host, const std::string& out);

}  // namespace lodex::cli
