// The sequence entry dialog "Ввод логической последовательности": 2^n words
// typed into a field with one position per digit, or the words a schematic
// gave, shown for confirmation. OK returns the sequence without separators.
#pragma once

#include <QDialog>
#include <string>

#include "app/TarrowLoader.h"
#include "model/MessageSink.h"

class QLabel;

namespace lodex {

class CSequenceEdit;

class CEditLPDlg : public QDialog {
  Q_OBJECT
 public:
  // Keyboard mode: 2^inputs empty words for `outputs` outputs, or the words
  // of `previous` when it has exactly that many digits. A digit that would
  // make a word above 2^outputs - 1 is not taken.
  CEditLPDlg(int inputs, int outputs, const std::string& previous, CMessageSink& sink, QWidget* parent = nullptr);
  // Schematic mode: the words and counts the schematic gave.
  CEditLPDlg(const SchematicSequence& imported, CMessageSink& sink, QWidget* parent = nullptr);

  int Inputs() const { return m_inputs; }
  int Outputs() const { return m_outputs; }
  int WordDigits() const { return m_wordDigits; }
  bool FromSchematic() const { return m_fromSchematic != 0; }
  // The sequence after OK.
  const std::string& Sequence() const { return m_lp; }
  CSequenceEdit* Editor() const { return m_edit; }
  QLabel* MissingLabel() const { return m_missing; }
  // The inputs of an import of chosen outputs, in order; hidden otherwise.
  QLabel* InputsLabel() const { return m_inputsUsed; }

  // OK: refused while words are missing, since a sequence with gaps cannot
  // become a project.
  void accept() override;

  // What the dialog says when a schematic gave no sequence: the library's
  // reason in the interface's language (its English line when it gives no
  // code), or where to read the reason when it does not say.
  static QString RefusalText(const SchematicSequence& imported);

 private:
  void Build(const std::string& digits);
  void ShowMissing();

  CMessageSink& m_sink;
  int m_wordDigits = 1;
  int m_outputs = 0;
  int m_inputs = 0;
  int m_fromSchematic = 0;
  std::string m_lp;
  CSequenceEdit* m_edit;
  QLabel* m_missing;
  QLabel* m_inputsUsed;
};

}  // namespace lodex
