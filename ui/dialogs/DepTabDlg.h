// The essential-dependency table of a block: which outputs depend on which
// inputs. A modeless window that the parallel decomposition dialog keeps
// beside itself while it runs.
#pragma once

#include <QDialog>

#include "model/LogicalBlock.h"

class QTableWidget;

namespace lodex {

class CDepTabDlg : public QDialog {
  Q_OBJECT
 public:
  // A window of its own, without a close button: its owner closes it.
  explicit CDepTabDlg(QWidget* parent = nullptr);

  // Fills the grid from the block's dependency matrix: a column per input
  // (In1, In2, In4, ...), a row per output, the highest output at the top.
  void ShowTable(const CLogicalBlock& block);
  QTableWidget* Grid() const { return m_grid; }

 private:
  QTableWidget* m_grid;
};

}  // namespace lodex
