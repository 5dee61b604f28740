// The parallel decomposition dialog "Выделение параллельного блока": check
// lists of the block's inputs and outputs, the preview of the split they
// give, and the essential-dependency table beside it while it runs.
#pragma once

#include <QDialog>
#include <QPointer>

#include "app/dialogs/ParallelDialog.h"

class QListWidget;
class QPushButton;

namespace lodex {

class CDepTabDlg;
class CParallelPrewWnd;

class CParallelDecDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CParallelDecDlg(const CLogicalBlock& block, QWidget* parent = nullptr);
  ~CParallelDecDlg() override;

  // The split request of the marks: group 1 = all inputs and the unmarked
  // outputs, group 2 = the marked inputs and outputs.
  const SplitRequest& Choice() const { return m_model.Choice(); }

  QListWidget* InputList() const { return m_inputs; }
  QListWidget* OutputList() const { return m_outputs; }
  QPushButton* OkButton() const { return m_ok; }
  CParallelPrewWnd* Preview() const { return m_preview; }
  // The dependency table while the dialog runs; null once it has closed.
  CDepTabDlg* Table() const;

  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void OnCheckChange();
  void CloseTable();

  CParallelDialogModel m_model;
  QPointer<CDepTabDlg> m_table;
  QListWidget* m_inputs;
  QListWidget* m_outputs;
  CParallelPrewWnd* m_preview;
  QPushButton* m_ok;
};

}  // namespace lodex
