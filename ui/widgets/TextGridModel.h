// A read-only table whose cells are computed on demand, so that a grid of
// tens of thousands of rows costs nothing until it is shown.
#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <functional>

namespace lodex {

class CTextGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  using CellText = std::function<QString(int row, int column)>;
  using RowMarked = std::function<bool(int row)>;

  // `headers` are the column headers (missing ones are empty); rows for
  // which `marked` holds get a light red background and bold text.
  CTextGridModel(CellText cell, int rows, int columns, QStringList headers = {}, RowMarked marked = {},
                 QObject* parent = nullptr);

  // The number the first row's header shows (1 unless set; a truth table
  // numbers its rows by combination, from 0).
  void SetFirstRowNumber(int number) { m_firstRowNumber = number; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  CellText m_cell;
  int m_rows;
  int m_firstRowNumber = 1;
  int m_columns;
  QStringList m_headers;
  RowMarked m_marked;
};

}  // namespace lodex
