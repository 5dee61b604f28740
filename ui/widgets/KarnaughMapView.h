// The Karnaugh map of one output of a block, with the products of its
// minimum formula drawn on it as coloured frames.
#pragma once

#include <QWidget>

#include "drawing/KarnaughMap.h"
#include "model/LogicSequence.h"
#include "synthesis/SopMinimisation.h"

namespace lodex {

class CKarnaughMapView : public QWidget {
  Q_OBJECT
 public:
  explicit CKarnaughMapView(QWidget* parent = nullptr);

  // Output `output` of the function whose word for combination c is
  // words[c] (-1 undefined), of `inputs` inputs (at most
  // kMaxKarnaughInputs), and the formula whose groups are drawn.
  void SetFunction(int inputs, const Words& words, int output, const SopCover& formula);
  void Clear();

  const CKarnaughMap& Map() const { return m_map; }
  // What cell (row, column) shows: "1", "0" or "–" for undefined.
  QString CellText(int row, int column) const;
  int GroupCount() const { return static_cast<int>(m_formula.products.size()); }

  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QRect CellArea(int row, int column) const;

  CKarnaughMap m_map{0};
  Words m_words;
  int m_output = 0;
  SopCover m_formula;
  bool m_empty = true;
};

}  // namespace lodex
