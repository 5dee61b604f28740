// The document: the scheme being edited, its undo history, the selection,
// the two settings, and the commands of the command table (app/CommandTable.h)
// with the rules that enable them. It reaches the outside only through its
// CDocumentHost.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "app/CommandIds.h"
#include "app/DocumentHost.h"
#include "model/LogicalScheme.h"

namespace lodex {

class CLodexDoc {
 public:
  explicit CLodexDoc(CDocumentHost& host);

  // --- state (read-only outside the document) ----------------------------
  const CLogicalScheme& Scheme() const { return m_scheme; }
  // Full copies of the scheme; the entry at HistoryPos() equals Scheme().
  const std::vector<CLogicalScheme>& History() const { return m_history; }
  int32_t HistoryPos() const { return m_historyPos; }
  // The selection as last set (-1: none); see SelectedLogicBlock().
  int32_t SelectedBlock() const { return m_selectedBlock; }
  bool SerialEnabled() const { return m_serialEnabled; }
  bool ParallelEnabled() const { return m_parallelEnabled; }
  bool AutoSynthesis() const { return m_autoSynthesis; }
  bool LibraryBlocks() const { return m_libraryBlocks; }
  SettingsChoice Settings() const { return {m_autoSynthesis, m_libraryBlocks}; }
  // Set by every change; the view reads it to know that the sequence panes
  // need refreshing, and clears it.
  bool IsLayoutDirty() const { return m_layoutDirty; }
  void ClearLayoutDirty() { m_layoutDirty = false; }

  // Whether the scheme differs from the one last saved or loaded: undo and
  // redo clear it when they come back to that state and set it when they
  // leave it.
  bool IsModified() const { return m_modified; }
  // false: the state shown now is the saved one.
  void SetModifiedFlag(bool modified = true);
  const std::string& GetPathName() const { return m_pathName; }
  const std::string& GetTitle() const { return m_title; }
  void SetTitle(const std::string& title) { m_title = title; }

  // --- framework steps ---------------------------------------------------
  // An empty document with an empty history.
  bool OnNewDocument();
  // Loads `path` and makes it the document with a one-entry history. A file
  // that cannot be read or is damaged is reported in a message box with the
  // loader's reason, and the document stays as it was.
  bool OnOpenDocument(const std::string& path);
  void DeleteContents();
  // Writes the scheme to `path` safely; a failure is reported in a message
  // box and leaves the document modified.
  bool OnSaveDocument(const std::string& path);
  // The save prompt of a modified document: false when the user cancels or
  // the save fails, so the caller stops.
  bool SaveModified();
  void PushSnapshot();
  // The history restarted from the current scheme: one entry at position 0.
  void ResetHistory();

  // True while the history holds at most one entry (right after a project
  // was created or opened): only then does the view refresh the source pane.
  bool IsFirstState() const { return m_history.size() <= 1; }

  // --- selection -----------------------------------------------------------
  // The view's hit test result (-1 for empty space).
  void SelectBlock(int index);
  // The selected logic block's index, or -1 when the selection designates
  // no logic block.
  int SelectedLogicBlock() const;

  // --- commands ------------------------------------------------------------
  // The rules and handlers of the command table.
  bool IsEnabled(CommandId id) const;
  // The view's context menu rule: false for a command not in that menu or
  // without a selected logic block.
  bool IsContextEnabled(CommandId id) const;
  // Runs a command; a disabled one, or one served elsewhere, does nothing.
  // False when the command was not run.
  bool OnCommand(CommandId id);
  CDocumentHost& Host() const { return m_host; }

  // A synthesis step on the selected block: `apply` runs on that block, or
  // with auto-synthesis on every block equal to `source`, and returns how
  // many blocks it inserted after the block it was given; then the scheme is
  // renumbered, cleaned, redrawn and recorded as one Undo step.
  using BlockStep = std::function<int(CLogicalScheme& scheme, int block)>;
  void ApplySynthesis(const CLogicalBlock& source, const BlockStep& apply);

  void OnFileNew();
  // The Finish step of the wizard: a new three-block project. A result whose
  // sequence does not fit its counts is refused with a message.
  bool FinishNewProject(const WizardResult& result);
  // True when a scheme file was read.
  bool OnFileOpen();
  bool OnFileSave();
  bool OnFileSaveAs();
  void OnUndo();
  void OnRedo();
  void OnSerial();
  void OnParallel();
  void OnFictitious();
  void OnThreeInput();
  void OnAutomaticSynthesis();
  void OnSaveSequence();
  void OnAnalysis();
  void OnOptimize();
  void OnCoverNand();
  void OnCoverNor();
  void OnSettings();
  // The scheme exported as VHDL (32792): asks where to save (Cancel writes
  // nothing) and reports a file that cannot be written. With a testbench,
  // its file is asked for and written next.
  void OnVhdl(bool withTestbench = false);
  // The scheme exported as BLIF (32820) or structural Verilog (32821), named
  // after the title: asks where to save as OnVhdl does.
  void OnExportNetlist(bool verilog);
  // The diagram redrawn in the drawing program (32803).
  void OnVisio();

 private:
  // Applies a dialog's result to block i and returns how many blocks it
  // inserted after block i.
  using ApplyResult = std::function<int(int block)>;

  // Step 5 of the synthesis pattern: the result applied to the selected
  // block, or with auto-synthesis to every block equal to `source`.
  void ApplyToEqualBlocks(const CLogicalBlock& source, const ApplyResult& apply);
  // The fixed end of every synthesis command.
  void FinishSynthesis();
  void RemoveRedundantBlocks();
  // Drops a selection that no longer designates a logic block.
  void ValidateSelection();
  void RestoreFromHistory();
  void ParallelSerialOffer(const SplitRequest& request);
  void RunCovering(void (*cover)(CLogicalScheme&));
  // Shows why an operation was refused, for the host to word.
  void Refuse(const Status& status);
  MessageAnswer Report(std::vector<Phrase> phrases, MessageButtons buttons = MessageButtons::Ok,
                       MessageIcon icon = MessageIcon::None);
  MessageAnswer Report(const std::string& text, MessageButtons buttons = MessageButtons::Ok,
                       MessageIcon icon = MessageIcon::None);

  std::vector<CLogicalScheme> m_history;
  CLogicalScheme m_scheme;
  int32_t m_historyPos = 0;      // the entry equal to m_scheme
  int32_t m_savedPos = -1;       // the entry equal to the file; -1: none
  int32_t m_selectedBlock = -1;  // -1: no selection
  bool m_parallelEnabled = false;
  bool m_serialEnabled = false;
  bool m_autoSynthesis = true;
  bool m_libraryBlocks = true;
  bool m_layoutDirty = false;

  CDocumentHost& m_host;
  bool m_modified = false;
  std::string m_pathName;
  std::string m_title;
};

}  // namespace lodex
