#include "ui/widgets/GridView.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <map>
#include <numeric>
#include <set>
#include <vector>

namespace lodex {

CGridView::CGridView(QWidget* parent) : QTableView(parent) {
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setWordWrap(false);
  // Fixed row heights: the view never measures rows, however many there are.
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  horizontalHeader()->setHighlightSections(false);
}

QString CGridView::SelectionText() const {
  const QAbstractItemModel* m = model();
  if (m == nullptr) return {};
  auto line = [m](int row, auto&& columns) {
    QStringList cells;
    for (int c : columns) cells << m->index(row, c).data().toString();
    return cells.join('\t') + '\n';
  };
  QString text;
  const QItemSelection selection = selectionModel() ? selectionModel()->selection() : QItemSelection();
  if (selection.isEmpty()) {
    std::vector<int> all(static_cast<size_t>(m->columnCount()));
    std::iota(all.begin(), all.end(), 0);
    for (int r = 0; r < m->rowCount(); ++r) text += line(r, all);
    return text;
  }
  // Rows in order, each with its selected columns in order; the ranges are
  // walked rather than single indexes, so selecting everything stays cheap.
  std::map<int, std::set<int>> cells;
  for (const QItemSelectionRange& range : selection)
    for (int r = range.top(); r <= range.bottom(); ++r)
      for (int c = range.left(); c <= range.right(); ++c) cells[r].insert(c);
  for (const auto& [row, columns] : cells) text += line(row, columns);
  return text;
}

void CGridView::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    QApplication::clipboard()->setText(SelectionText());
    event->accept();
    return;
  }
  QTableView::keyPressEvent(event);
}

}  // namespace lodex
