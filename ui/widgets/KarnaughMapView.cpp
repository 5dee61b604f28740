#include "ui/widgets/KarnaughMapView.h"

#include <QPainter>
#include <array>

namespace lodex {
namespace {

constexpr int kCell = 34;    // side of a cell
constexpr int kMargin = 6;   // around the map
constexpr int kHeader = 50;  // room for the axis labels left of and above the cells

// Frames told apart by colour, and by their inset when they overlap.
constexpr std::array<QRgb, 8> kGroupColours = {0xd62728, 0x1f77b4, 0x2ca02c, 0xff7f0e,
                                               0x9467bd, 0x8c564b, 0xe377c2, 0x17becf};

}  // namespace

CKarnaughMapView::CKarnaughMapView(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

void CKarnaughMapView::SetFunction(int inputs, const Words& words, int output, const SopCover& formula) {
  m_map = CKarnaughMap(inputs);
  m_words = words;
  m_output = output;
  m_formula = formula;
  m_empty = inputs > kMaxKarnaughInputs || words.size() != (size_t{1} << m_map.Inputs());
  updateGeometry();
  update();
}

void CKarnaughMapView::Clear() {
  m_empty = true;
  m_words.clear();
  m_formula = {};
  update();
}

QString CKarnaughMapView::CellText(int row, int column) const {
  if (m_empty) return {};
  const int32_t word = m_words[m_map.Combination(row, column)];
  if (word < 0) return QStringLiteral("–");
  return ((word >> m_output) & 1) ? QStringLiteral("1") : QStringLiteral("0");
}

QSize CKarnaughMapView::sizeHint() const {
  return {2 * kMargin + kHeader + m_map.Columns() * kCell, 2 * kMargin + kHeader + m_map.Rows() * kCell};
}

QRect CKarnaughMapView::CellArea(int row, int column) const {
  return {kMargin + kHeader + column * kCell, kMargin + kHeader + row * kCell, kCell, kCell};
}

void CKarnaughMapView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  if (m_empty) return;
  const QPalette& colours = palette();

  // The axes: the inputs of the rows and columns in the corner, their
  // values along the top and the left.
  const QRect corner(kMargin, kMargin, kHeader, kHeader);
  painter.setPen(colours.color(QPalette::Text));
  painter.drawLine(corner.topLeft(), corner.bottomRight());
  painter.drawText(corner.adjusted(2, 0, 0, -2), Qt::AlignRight | Qt::AlignTop,
                   QString::fromStdString(m_map.ColumnTitle()).remove(' '));
  painter.drawText(corner.adjusted(0, 0, -2, -2), Qt::AlignLeft | Qt::AlignBottom,
                   QString::fromStdString(m_map.RowTitle()).remove(' '));
  for (int c = 0; c < m_map.Columns(); ++c) {
    const QRect cell = CellArea(0, c);
    painter.drawText(QRect(cell.left(), kMargin, kCell, kHeader), Qt::AlignHCenter | Qt::AlignBottom,
                     QString::fromStdString(m_map.ColumnLabel(c)));
  }
  for (int r = 0; r < m_map.Rows(); ++r) {
    const QRect cell = CellArea(r, 0);
    painter.drawText(QRect(kMargin, cell.top(), kHeader - 4, kCell), Qt::AlignRight | Qt::AlignVCenter,
                     QString::fromStdString(m_map.RowLabel(r)));
  }

  // The cells: ones stand out, undefined words are shaded.
  for (int r = 0; r < m_map.Rows(); ++r)
    for (int c = 0; c < m_map.Columns(); ++c) {
      const QRect cell = CellArea(r, c);
      const QString text = CellText(r, c);
      painter.fillRect(cell, text == "–" ? colours.color(QPalette::AlternateBase) : colours.color(QPalette::Base));
      painter.setPen(colours.color(QPalette::Mid));
      painter.drawRect(cell);
      QFont bold = font();
      bold.setBold(text == "1");
      painter.setFont(bold);
      painter.setPen(text == "1" ? colours.color(QPalette::Text) : colours.color(QPalette::PlaceholderText));
      painter.drawText(cell, Qt::AlignCenter, text);
    }
  painter.setFont(font());

  // The groups: one frame per rectangle of each product.
  for (size_t g = 0; g < m_formula.products.size(); ++g) {
    QPen pen{QColor(kGroupColours[g % kGroupColours.size()])};
    pen.setWidthF(2.0);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    const int inset = 3 + static_cast<int>(g % 4) * 2;
    for (const CellRect& rect : m_map.GroupRects(m_formula.products[g])) {
      const QRect area =
          CellArea(rect.row, rect.column).united(CellArea(rect.row + rect.rows - 1, rect.column + rect.columns - 1));
      painter.drawRoundedRect(QRectF(area).adjusted(inset, inset, -inset, -inset), 8, 8);
    }
  }
}

}  // namespace lodex
