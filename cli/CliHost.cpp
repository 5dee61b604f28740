#include "cli/CliHost.h"

#include <iostream>

#include "cli/Command.h"

namespace lodex::cli {

void CCliHost::Refuse(const std::string& reason) {
  if (m_refusal.empty()) m_refusal = reason;
}

void CCliHost::ThrowIfRefused() const {
  if (!m_refusal.empty()) ::lodex::cli::Refuse(m_refusal);
}

std::optional<SerialChoice> CCliHost::RunSerialDialog(const CLogicalBlock& block) {
  return serial ? serial(block) : std::nullopt;
}

std::optional<SplitRequest> CCliHost::RunParallelDialog(const CLogicalBlock& block) {
  return parallel ? parallel(block) : std::nullopt;
}

std::optional<SplitRequest> CCliHost::RunFictitiousDialog(const CLogicalBlock& block) {
  return fictitious ? fictitious(block) : std::nullopt;
}

std::optional<ThreeInputChoice> CCliHost::RunThreeInputDialog(const CLogicalBlock& block,
                                                              const std::vector<int32_t>& types) {
  return threeInput ? threeInput(block, types) : std::nullopt;
}

std::optional<CLogicalScheme> CCliHost::RunAutomaticSynthesisDialog(const CLogicalScheme& scheme) {
  return automaticSynthesis ? automaticSynthesis(scheme) : std::nullopt;
}

void CCliHost::RunAnalysisDialog(const CAnalysisGrid& grid) {
  if (analysis) analysis(grid);
}

std::optional<SettingsChoice> CCliHost::RunSettingsDialog(const SettingsChoice&) { return settings; }

MessageAnswer CCliHost::Show(const Message& message) {
  if (message.icon == MessageIcon::Error) {
    Refuse(MessageText(message));
    return MessageAnswer::Ok;
  }
  std::cout << MessageText(message) << '\n';
  switch (message.buttons) {
    case MessageButtons::YesNo:
    case MessageButtons::YesNoCancel: return question;
    case MessageButtons::OkCancel:
    case MessageButtons::Ok: break;
  }
  return MessageAnswer::Ok;
}

void OpenDocument(CLodexDoc& doc, CCliHost& host, const std::string& path, bool noAuto) {
  if (!doc.OnOpenDocument(path)) host.ThrowIfRefused();
  if (noAuto) {
    host.settings = SettingsChoice{false, doc.LibraryBlocks()};
    doc.OnCommand(CommandId::Settings);
    host.settings.reset();
  }
}

void SelectBlock(CLodexDoc& doc, const std::string& name) { doc.SelectBlock(ResolveBlock(doc.Scheme(), name)); }

void RunCommand(CLodexDoc& doc, CCliHost& host, CommandId id, const std::string& disabledReason) {
  if (!doc.OnCommand(id)) ::lodex::cli::Refuse(disabledReason);
  host.ThrowIfRefused();
}

void SaveOrPrint(CLodexDoc& doc, CCliHost& host, const std::string& out) {
  if (out.empty()) {
    std::cout << SchemeText(doc.Scheme());
    return;
  }
  if (!doc.OnSaveDocument(out)) host.ThrowIfRefused();
}

}  // namespace lodex::cli
