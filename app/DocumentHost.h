// The one way the document reaches the program around it: the dialogs of
// its commands, message boxes, file dialogs, the save prompt and the views.
// The Qt program, lodex-cli and the tests each implement it.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/dialogs/AnalysisDialog.h"
#include "app/dialogs/FictDialog.h"
#include "app/dialogs/ParallelDialog.h"
#include "app/dialogs/SerialDialog.h"
#include "app/dialogs/ThreeInDialog.h"
#include "model/LogicalBlock.h"
#include "model/MessageSink.h"
#include "model/Translatable.h"

namespace lodex {

class CDrawingAutomation;

// The program's title: the main window's and that of every message box
// raised without a caption of its own.
inline constexpr const char* kAppTitle = "Lodex";

// A file-open or file-save dialog. `filter` is "name|pattern|...||".
struct FileDialogRequest {
  std::string title;
  std::string fileName;
  std::string defaultExtension;
  std::string filter;
  bool operator==(const FileDialogRequest&) const = default;
};

// Scheme files are opened and saved under one filter.
inline constexpr const char* kSchemeFileFilter =
    LODEX_TRANSLATE_NOOP("lodex::App", "Схемы (*.shc)|*.shc|Все файлы (*.*)|*.*||");
inline const FileDialogRequest kOpenSchemeDialog{LODEX_TRANSLATE_NOOP("lodex::App", "Открытие файла схемы"), "*.shc",
                                                 "shc", kSchemeFileFilter};
inline const FileDialogRequest kSaveSequenceDialog{
    LODEX_TRANSLATE_NOOP("lodex::App", "Сохранить последовательность"), "*.lof", "lof",
    LODEX_TRANSLATE_NOOP("lodex::App", "Файлы логической последовательности (*.lof)|*.lof|Все файлы (*.*)|*.*||")};
// The save-as dialog of a scheme.
inline const FileDialogRequest kSaveSchemeDialog{LODEX_TRANSLATE_NOOP("lodex::App", "Сохранить как"), "", "shc",
                                                 kSchemeFileFilter};

inline constexpr const char* kSettingsCaption = LODEX_TRANSLATE_NOOP("lodex::App", "Настройки");
inline constexpr const char* kAutoSynthesisLabel = LODEX_TRANSLATE_NOOP("lodex::App", "Включить автосинтез");
inline constexpr const char* kLibraryBlocksLabel =
    LODEX_TRANSLATE_NOOP("lodex::App", "Включить поддержку\nбиблиотечных блоков");

// The two settings of the settings dialog.
struct SettingsChoice {
  bool autoSynthesis = true;  // "Включить автосинтез"
  bool libraryBlocks = true;  // "Включить поддержку библиотечных блоков"
  bool operator==(const SettingsChoice&) const = default;
};

// What the wizard hands over on Finish (its page 2 has checked the length).
struct WizardResult {
  std::string name;
  int inputs = 0;
  int outputs = 0;
  std::string lp;
};

class CDocumentHost : public CMessageSink {
 public:
  // Each dialog gets a copy of the selected block and returns its choice, or
  // none for Cancel. A host that does not show a dialog keeps the default,
  // Cancel, so a new dialog needs only the hosts that show it.
  virtual std::optional<SerialChoice> RunSerialDialog(const CLogicalBlock&) { return std::nullopt; }
  virtual std::optional<SplitRequest> RunParallelDialog(const CLogicalBlock&) { return std::nullopt; }
  virtual std::optional<SplitRequest> RunFictitiousDialog(const CLogicalBlock&) { return std::nullopt; }
  virtual std::optional<ThreeInputChoice> RunThreeInputDialog(const CLogicalBlock&, const std::vector<int32_t>&) {
    return std::nullopt;
  }
  // The automatic synthesis dialog: asks for K, synthesises a copy of the
  // scheme and returns it, or none for Cancel.
  virtual std::optional<CLogicalScheme> RunAutomaticSynthesisDialog(const CLogicalScheme&) { return std::nullopt; }
  // Shows the analysis grid; its result is ignored.
  virtual void RunAnalysisDialog(const CAnalysisGrid&) {}
  virtual std::optional<SettingsChoice> RunSettingsDialog(const SettingsChoice&) { return std::nullopt; }
  // The new-project wizard, page 1 preset with the name "Схема1".
  virtual std::optional<WizardResult> RunNewProjectWizard() { return std::nullopt; }

  // A message box (CMessageSink::Show): the answer is one of its buttons.
  // The document also installs the host as the model's message sink while
  // it runs a command.

  // The full path chosen, or none for Cancel.
  virtual std::optional<std::string> AskOpenFile(const FileDialogRequest& request) = 0;
  virtual std::optional<std::string> AskSaveFile(const FileDialogRequest& request) = 0;
  // The framework's prompt to save changes to the document `title`:
  // Yes, No or Cancel.
  virtual MessageAnswer AskSaveChanges(const std::string& title) = 0;

  // Repaint every view: the layout, the diagram and the sequence panes.
  virtual void UpdateAllViews() = 0;

  // The drawing program that the drawing command (32803) draws into, or none
  // when there is none. By default a Visio XML drawing that is handed to the
  // desktop's viewer.
  virtual std::unique_ptr<CDrawingAutomation> CreateDrawingProgram();
};

}  // namespace lodex
