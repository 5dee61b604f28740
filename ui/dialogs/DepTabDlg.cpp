#include "ui/dialogs/DepTabDlg.h"

#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/DependencyTable.h"
#include "ui/widgets/HelpDesk.h"
#include "ui/widgets/Language.h"

namespace lodex {

CDepTabDlg::CDepTabDlg(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_grid(new QTableWidget(this)) {
  setWindowTitle(AppText(kDependencyTableCaption));
  setObjectName("DepTabDlg");
  SetHelpTopic(this, help::kDependencyTable);
  m_grid->setToolTip(tr("Для каждого выхода блока — входы, от которых он действительно зависит"));
  m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  m_grid->setSelectionMode(QAbstractItemView::NoSelection);
  m_grid->setFocusPolicy(Qt::NoFocus);
  m_grid->horizontalHeader()->setDefaultSectionSize(44);
  m_grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  m_grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(10, 8, 10, 10);
  layout->addWidget(m_grid);
  resize(594, 262);
}

void CDepTabDlg::ShowTable(const CLogicalBlock& block) {
  // Row 0 and column 0 of the table are its headers.
  const CDependencyTable table(block);
  m_grid->clear();
  m_grid->setColumnCount(table.Columns() - 1);
  m_grid->setRowCount(table.Rows() - 1);
  for (int c = 1; c < table.Columns(); ++c)
    m_grid->setHorizontalHeaderItem(c - 1, new QTableWidgetItem(QString::fromStdString(table.Cell(0, c))));
  for (int r = 1; r < table.Rows(); ++r) {
    m_grid->setVerticalHeaderItem(r - 1, new QTableWidgetItem(QString::fromStdString(table.Cell(r, 0))));
    for (int c = 1; c < table.Columns(); ++c)
      m_grid->setItem(r - 1, c - 1, new QTableWidgetItem(QString::fromStdString(table.Cell(r, c))));
  }
}

}  // namespace lodex
