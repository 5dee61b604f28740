// Page 1 of the new-project wizard "Создание проекта": the project name, the
// numbers of inputs and outputs, and where the logic sequence comes from (a
// sequence file, the keyboard, or a schematic evaluated by tarrow).
#pragma once

#include <QWizardPage>
#include <optional>
#include <string>

#include "app/DocumentHost.h"
#include "app/Wizard.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace lodex {

// The file dialog of "Из SCH файла": SCH files, so as not to be taken for the
// program's own scheme files.
inline const FileDialogRequest kSchematicDialog{
    QT_TRANSLATE_NOOP("lodex::App", "Открыть SCH файл"), "*.sch", "sch",
    QT_TRANSLATE_NOOP("lodex::App", "Файлы SCH (*.sch)|*.sch|Все файлы (*.*)|*.*||")};
// The browse button of the sequence file field.
inline const FileDialogRequest kSequenceFileDialog{QT_TRANSLATE_NOOP("lodex::App", "Открыть"), "*.lof", "lof",
                                                   kSequenceFileFilter};

class CWizPage1 : public QWizardPage {
  Q_OBJECT
 public:
  // `host` asks for files and shows the messages.
  explicit CWizPage1(CDocumentHost& host, QWidget* parent = nullptr);

  void SetName(const std::string& name);
  std::string Name() const;
  // 0 file, 1 keyboard or schematic, -1 no choice yet.
  int Source() const;
  // The counts chosen in the combos (0 without a choice).
  int Inputs() const;
  int Outputs() const;
  // The sequence collected so far; after Next the one page 2 checks.
  const std::string& Sequence() const { return m_lp; }

  // tarrow is loaded from the program's folder unless tests name another.
  void SetTarrowFolder(std::string folder) { m_tarrowFolder = std::move(folder); }

  // "С клавиатуры": the entry dialog for the chosen counts.
  void OnKeyboard();
  // "Из SCH файла": asks for a schematic and imports it.
  void OnSchematic();
  // Evaluates the schematic at `path`, shows its sequence in the entry
  // dialog, and on OK takes the sequence and the counts. A library that
  // cannot be used is reported and leaves the sequence empty.
  void ImportSchematic(const std::string& path);

  // Next: the sequence from the chosen source, or a message that keeps the
  // page.
  bool validatePage() override;

 private:
  void OnSourceChosen();
  void OnBrowse();
  void Tell(const Phrase& phrase);

  CDocumentHost& m_host;
  std::string m_lp;
  std::optional<std::string> m_tarrowFolder;
  QLineEdit* m_name;
  QRadioButton* m_fromFile;
  QRadioButton* m_fromEntry;
  QLineEdit* m_file;
  QToolButton* m_browse;
  QPushButton* m_keyboard;
  QPushButton* m_schematic;
  QComboBox* m_inputs;
  QComboBox* m_outputs;
};

}  // namespace lodex
