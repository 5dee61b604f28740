#include "app/LodexDoc.h"

#include <algorithm>
#include <filesystem>

#include "app/CommandTable.h"
#include "app/Wizard.h"
#include "export/NetlistGenerator.h"
#include "export/VhdlGenerator.h"
#include "model/SchemeFile.h"
#include "model/SequenceFile.h"
#include "synthesis/Tiers.h"

namespace lodex {
namespace {

std::string FileTitle(const std::string& path) { return std::filesystem::path(path).stem().string(); }

bool HasSchemeExtension(const std::string& path) { return std::filesystem::path(path).extension() == ".shc"; }

}  // namespace

CLodexDoc::CLodexDoc(CDocumentHost& host) : m_host(host) {}

void CLodexDoc::Refuse(const Status& status) {
  m_host.Show(Message{{}, kAppTitle, MessageButtons::Ok, MessageIcon::Error, status.reason()});
}

MessageAnswer CLodexDoc::Report(const std::string& text, MessageButtons buttons, MessageIcon icon) {
  return m_host.Show(Message{text, kAppTitle, buttons, icon});
}

MessageAnswer CLodexDoc::Report(std::vector<Phrase> phrases, MessageButtons buttons, MessageIcon icon) {
  return m_host.Show(Message{{}, kAppTitle, buttons, icon, std::nullopt, std::move(phrases)});
}

// --- framework steps -------------------------------------------------------

bool CLodexDoc::OnNewDocument() {
  DeleteContents();
  m_scheme = CLogicalScheme();
  m_pathName.clear();
  m_modified = false;
  m_layoutDirty = true;
  m_history.clear();
  m_historyPos = 0;
  m_host.UpdateAllViews();
  return true;
}

bool CLodexDoc::OnOpenDocument(const std::string& path) {
  CScopedMessageSink sink(m_host);
  CLogicalScheme loaded;
  if (Status s = LoadSchemeFile(path, loaded); !s) {
    Refuse(s);
    return false;
  }
  DeleteContents();
  m_scheme = loaded;  // assignment keeps the counter: take the file's
  m_scheme.m_blockCounter = loaded.m_blockCounter;
  m_pathName = path;
  m_title = FileTitle(path);
  m_modified = false;
  m_serialEnabled = true;
  m_parallelEnabled = true;
  m_layoutDirty = true;
  ResetHistory();
  m_host.UpdateAllViews();
  return true;
}

void CLodexDoc::DeleteContents() {
  m_serialEnabled = false;
  m_parallelEnabled = false;
  m_layoutDirty = true;
  m_historyPos = 0;
  m_savedPos = -1;
  m_selectedBlock = -1;
  m_history.clear();
}

bool CLodexDoc::OnSaveDocument(const std::string& path) {
  CScopedMessageSink sink(m_host);
  if (Status s = SaveSchemeFile(path, m_scheme); !s) {
    Refuse(s);
    return false;
  }
  m_pathName = path;
  m_title = FileTitle(path);
  SetModifiedFlag(false);
  return true;
}

bool CLodexDoc::SaveModified() {
  if (!m_modified) return true;
  switch (m_host.AskSaveChanges(m_title)) {
    case MessageAnswer::Yes: return OnFileSave();
    case MessageAnswer::No: return true;
    default: return false;
  }
}

bool CLodexDoc::OnFileSave() {
  if (m_pathName.empty()) return OnFileSaveAs();
  return OnSaveDocument(m_pathName);
}

bool CLodexDoc::OnFileSaveAs() {
  FileDialogRequest request = kSaveSchemeDialog;
  request.fileName = m_title;
  const std::optional<std::string> path = m_host.AskSaveFile(request);
  return path && OnSaveDocument(*path);
}

void CLodexDoc::SetModifiedFlag(bool modified) {
  m_modified = modified;
  if (!modified)
    m_savedPos = m_historyPos >= 0 && static_cast<size_t>(m_historyPos) < m_history.size() ? m_historyPos : -1;
}

void CLodexDoc::PushSnapshot() {
  // Discard the redo tail; a position outside the history (a restart sets
  // -1) keeps every entry.
  if (m_historyPos >= 0 && static_cast<size_t>(m_historyPos) < m_history.size())
    m_history.resize(static_cast<size_t>(m_historyPos) + 1);
  // A saved state in the discarded tail can no longer be reached.
  if (m_savedPos >= static_cast<int32_t>(m_history.size())) m_savedPos = -1;
  m_history.push_back(m_scheme);
  m_historyPos = static_cast<int32_t>(m_history.size()) - 1;
}

void CLodexDoc::ResetHistory() {
  m_history.clear();
  m_historyPos = -1;
  m_savedPos = -1;
  PushSnapshot();
  // An unmodified scheme is the one on disk.
  if (!m_modified) m_savedPos = m_historyPos;
}

// --- selection -------------------------------------------------------------

void CLodexDoc::SelectBlock(int index) {
  m_selectedBlock = index;
  ValidateSelection();
  m_host.UpdateAllViews();
}

int CLodexDoc::SelectedLogicBlock() const {
  return m_selectedBlock >= 1 && m_selectedBlock < m_scheme.GetBlockCount() - 1 ? m_selectedBlock : -1;
}

void CLodexDoc::ValidateSelection() { m_selectedBlock = SelectedLogicBlock(); }

// --- commands --------------------------------------------------------------

bool CLodexDoc::IsEnabled(CommandId id) const {
  const CommandInfo* command = FindCommand(id);
  return command != nullptr && command->enabled(*this);
}

bool CLodexDoc::IsContextEnabled(CommandId id) const {
  const CommandInfo* command = FindCommand(id);
  if (command == nullptr || command->contextMenu == nullptr || SelectedLogicBlock() < 1) return false;
  return command->contextEnabled ? command->contextEnabled(*this) : command->enabled(*this);
}

bool CLodexDoc::OnCommand(CommandId id) {
  const CommandInfo* command = FindCommand(id);
  if (command == nullptr || command->run == nullptr || !command->enabled(*this)) return false;
  CScopedMessageSink sink(m_host);
  command->run(*this);
  return true;
}

// --- new, open, history ----------------------------------------------------

void CLodexDoc::OnFileNew() {
  CScopedMessageSink sink(m_host);
  // Cancel at the save prompt keeps the shown project; so does Cancel in the
  // wizard (the history and the flags are reset only on Finish).
  if (!m_scheme.IsEmpty() && m_modified && !SaveModified()) return;
  m_layoutDirty = true;
  const std::optional<WizardResult> result = m_host.RunNewProjectWizard();
  if (!result) {
    m_host.UpdateAllViews();
    return;
  }
  FinishNewProject(*result);
}

bool CLodexDoc::FinishNewProject(const WizardResult& r) {
  CScopedMessageSink sink(m_host);
  std::optional<Phrase> problem;
  if (r.inputs < 1 || r.inputs > 16)
    problem = Phrase(PhraseCode::ProjectInputsRange);
  else if (r.outputs < 1 || r.outputs > 12)
    problem = Phrase(PhraseCode::ProjectOutputsRange);
  else if (r.name.empty() || !SequenceLengthMatches(r.inputs, r.outputs, r.lp))
    problem = Phrase(PhraseCode::SequenceLength);
  else if (!std::all_of(r.lp.begin(), r.lp.end(), IsSequenceChar))
    problem = Phrase(PhraseCode::SequenceInvalidChar);
  else
    problem = WordRangePhrase(r.outputs, r.lp);
  if (problem) {
    Report({*problem}, MessageButtons::Ok, MessageIcon::Error);
    return false;
  }
  DeleteContents();
  m_scheme.InitFromProject(static_cast<int16_t>(r.inputs), static_cast<int16_t>(r.outputs), "Bl_1", r.lp);
  m_title = r.name;
  m_pathName.clear();  // Save must ask for a file, not overwrite the last one opened
  m_modified = true;
  m_serialEnabled = true;
  m_parallelEnabled = true;
  ResetHistory();
  m_host.UpdateAllViews();
  return true;
}

void CLodexDoc::RemoveRedundantBlocks() {
  m_scheme.RemoveRepeaters();
  m_scheme.RemoveInverters();
}

bool CLodexDoc::OnFileOpen() {
  CScopedMessageSink sink(m_host);
  bool opened = false;
  if (m_scheme.IsEmpty() || !m_modified) {
    const std::optional<std::string> path = m_host.AskOpenFile(kOpenSchemeDialog);
    if (path && HasSchemeExtension(*path)) {
      m_layoutDirty = true;
      if (!OnOpenDocument(*path)) {  // reported; the document stays as it was
        m_host.UpdateAllViews();
        return false;
      }
      opened = true;
    }
    RemoveRedundantBlocks();
    ResetHistory();
  } else {
    if (!SaveModified()) {
      m_host.UpdateAllViews();
      return false;
    }
    // The contents are replaced only once a file has been read, so Cancel in
    // the file dialog leaves the document as it was.
    const std::optional<std::string> path = m_host.AskOpenFile(kOpenSchemeDialog);
    if (path && HasSchemeExtension(*path)) {
      m_layoutDirty = true;
      if (OnOpenDocument(*path)) {
        RemoveRedundantBlocks();
        ResetHistory();
        opened = true;
      }
    }
  }
  ValidateSelection();
  m_host.UpdateAllViews();
  return opened;
}

void CLodexDoc::RestoreFromHistory() {
  m_scheme = m_history[static_cast<size_t>(m_historyPos)];
  m_modified = m_historyPos != m_savedPos;
  m_layoutDirty = true;
  ValidateSelection();  // the restored scheme may have fewer blocks
  m_host.UpdateAllViews();
}

void CLodexDoc::OnUndo() {
  if (!IsEnabled(CommandId::Undo)) return;
  --m_historyPos;
  RestoreFromHistory();
}

void CLodexDoc::OnRedo() {
  if (!IsEnabled(CommandId::Redo)) return;
  ++m_historyPos;
  RestoreFromHistory();
}

// --- reading commands and settings -----------------------------------------

void CLodexDoc::OnSaveSequence() {
  if (!IsEnabled(CommandId::SaveSequence)) return;
  CScopedMessageSink sink(m_host);
  const std::optional<std::string> path = m_host.AskSaveFile(kSaveSequenceDialog);
  if (!path) return;
  if (Status s = WriteSequenceFile(*path, m_scheme.GetBlock(m_selectedBlock).m_lp); !s) Refuse(s);
}

void CLodexDoc::OnVhdl(bool withTestbench) {
  if (!IsEnabled(CommandId::Vhdl)) return;
  CScopedMessageSink sink(m_host);
  using G = CVhdlGenerator;
  const std::optional<std::string> path =
      m_host.AskSaveFile({G::kDialogTitle, G::ProposedFileName(m_title), G::kExtension, G::kFilter});
  if (!path) return;
  Status written = G::WriteFile(*path, G::Text(m_scheme, m_title, TodayForVhdl()));
  if (written && withTestbench) {
    if (const auto benchPath =
            m_host.AskSaveFile({G::kDialogTitle, G::ProposedTestbenchName(m_title), G::kExtension, G::kFilter}))
      written = G::WriteFile(*benchPath, G::Testbench(m_scheme, m_title));
  }
  if (!written) Refuse(written);
}

void CLodexDoc::OnExportNetlist(bool verilog) {
  if (!IsEnabled(verilog ? CommandId::ExportVerilog : CommandId::ExportBlif)) return;
  CScopedMessageSink sink(m_host);
  using G = CNetlistGenerator;
  const std::string name = G::DesignName(m_title);
  const std::optional<std::string> path =
      verilog ? m_host.AskSaveFile({G::kVerilogDialogTitle, name + ".v", G::kVerilogExtension, G::kVerilogFilter})
              : m_host.AskSaveFile({G::kBlifDialogTitle, name + ".blif", G::kBlifExtension, G::kBlifFilter});
  if (!path) return;
  const std::string text = verilog ? G::Verilog(m_scheme, name) : G::Blif(m_scheme, name);
  if (Status written = G::WriteFile(*path, text); !written) Refuse(written);
}

void CLodexDoc::OnSettings() {
  CScopedMessageSink sink(m_host);
  const std::optional<SettingsChoice> choice = m_host.RunSettingsDialog({m_autoSynthesis, m_libraryBlocks});
  if (!choice) return;
  m_autoSynthesis = choice->autoSynthesis;
  m_libraryBlocks = choice->libraryBlocks;
  m_layoutDirty = true;
  m_host.UpdateAllViews();
}

}  // namespace lodex
