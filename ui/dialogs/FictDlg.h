// The fictitious-input dialog "Проверка наличия фиктивных входов": the
// grid of each input's dependency, and the list in which one fictitious
// input is picked for removal.
#pragma once

#include <QDialog>

#include "app/dialogs/FictDialog.h"

class QListWidget;
class QPushButton;

namespace lodex {

class CGridView;

class CFictDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CFictDlg(const CLogicalBlock& block, QWidget* parent = nullptr);

  // The request that removes the picked input (group 2's output mask is 0).
  const SplitRequest& Choice() const { return m_model.Choice(); }

  CGridView* Grid() const { return m_grid; }
  QListWidget* InputList() const { return m_inputs; }
  QPushButton* OkButton() const { return m_ok; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // A pick of list item `item` by a click or the space bar.
  void OnPick(int item);

  CFictDialogModel m_model;
  CGridView* m_grid;
  QListWidget* m_inputs;
  QPushButton* m_ok;
};

}  // namespace lodex
