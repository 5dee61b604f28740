// The program's read-only grid: a table view whose Ctrl+C copies the
// selected cells (or all of them, when none is selected) as text that
// spreadsheets and editors paste as a table.
#pragma once

#include <QTableView>

class QKeyEvent;

namespace lodex {

class CGridView : public QTableView {
  Q_OBJECT
 public:
  explicit CGridView(QWidget* parent = nullptr);

  // One line per row, cells separated by tabs: the selected cells, or every
  // cell when none is selected. Headers are not part of it.
  QString SelectionText() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;  // Ctrl+C → clipboard
};

}  // namespace lodex
