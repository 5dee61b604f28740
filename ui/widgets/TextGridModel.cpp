#include "ui/widgets/TextGridModel.h"

#include <QColor>
#include <QFont>

namespace lodex {

CTextGridModel::CTextGridModel(CellText cell, int rows, int columns, QStringList headers, RowMarked marked,
                               QObject* parent)
    : QAbstractTableModel(parent),
      m_cell(std::move(cell)),
      m_rows(rows),
      m_columns(columns),
      m_headers(std::move(headers)),
      m_marked(std::move(marked)) {}

int CTextGridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_rows; }

int CTextGridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_columns; }

QVariant CTextGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= m_rows || index.column() >= m_columns) return {};
  switch (role) {
    case Qt::DisplayRole: return m_cell(index.row(), index.column());
    case Qt::BackgroundRole:
      if (m_marked && m_marked(index.row())) return QColor(255, 215, 215);
      break;
    case Qt::FontRole:
      if (m_marked && m_marked(index.row())) {
        QFont bold;
        bold.setBold(true);
        return bold;
      }
      break;
    default: break;
  }
  return {};
}

QVariant CTextGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
  if (orientation == Qt::Horizontal) return section < m_headers.size() ? m_headers[section] : QString();
  return QString::number(section + m_firstRowNumber);
}

Qt::ItemFlags CTextGridModel::flags(const QModelIndex& index) const {
  return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

}  // namespace lodex
