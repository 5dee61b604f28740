#include "app/ui/QPainterCanvas.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QString>
#include <algorithm>

namespace lodex {
namespace {

QColor ToQColor(Colour c) { return QColor(c.r, c.g, c.b); }

}  // namespace

CQPainterCanvas::CQPainterCanvas(QPainter& painter) : m_painter(painter) {
  m_painter.setRenderHint(QPainter::TextAntialiasing, true);
  SetPen(Pen{});
  SetBrush(Brush{});
  SetFont(SchemeFont());
}

void CQPainterCanvas::SetPen(const Pen& pen) {
  if (!pen.visible) {
    m_painter.setPen(Qt::NoPen);
    return;
  }
  QPen qpen(ToQColor(pen.colour));
  // Width in drawing units, as on a device context, but never thinner than
  // a device pixel when zoomed out.
  const double scale = std::abs(m_painter.worldTransform().m11());
  const double width = std::max(pen.width, 1);
  if (width * scale <= 1.0) {
    qpen.setCosmetic(true);
    qpen.setWidthF(1.0);
  } else {
    qpen.setWidthF(width);
  }
  qpen.setCapStyle(Qt::SquareCap);
  qpen.setJoinStyle(Qt::MiterJoin);
  m_painter.setPen(qpen);
}

void CQPainterCanvas::SetBrush(const Brush& brush) {
  m_painter.setBrush(brush.visible ? QBrush(ToQColor(brush.colour)) : QBrush(Qt::NoBrush));
}

QFont CQPainterCanvas::ToQFont(const Font& font) {
  QFont f;
  f.setFamilies({QString::fromStdString(font.family), QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                 QStringLiteral("DejaVu Sans")});
  f.setStyleHint(QFont::SansSerif);
  f.setWeight(static_cast<QFont::Weight>(std::clamp(font.weight, 1, 1000)));
  const int height = std::max(font.height, 1);
  f.setPixelSize(height);
  const QFontMetricsF metrics(f);
  const double cell = metrics.ascent() + metrics.descent();
  if (cell > 0) f.setPixelSize(std::max(1, static_cast<int>(height * height / cell + 0.5)));
  return f;
}

void CQPainterCanvas::SetFont(const Font& font) {
  // The drawing sets the same font at the start of each pass; measuring it
  // once is enough.
  if (!m_metrics || !(font == m_fontSpec)) {
    m_fontSpec = font;
    m_font = ToQFont(font);
    m_metrics.emplace(m_font);
  }
  m_painter.setFont(m_font);
}

void CQPainterCanvas::Rectangle(int left, int top, int right, int bottom) {
  m_painter.setRenderHint(QPainter::Antialiasing, false);
  m_painter.drawRect(QRect(QPoint(std::min(left, right), std::min(top, bottom)),
                           QSize(std::abs(right - left), std::abs(bottom - top))));
}

void CQPainterCanvas::Line(int x1, int y1, int x2, int y2) {
  m_painter.setRenderHint(QPainter::Antialiasing, false);
  m_painter.drawLine(x1, y1, x2, y2);
}

void CQPainterCanvas::Ellipse(int left, int top, int right, int bottom) {
  m_painter.setRenderHint(QPainter::Antialiasing, true);
  m_painter.drawEllipse(
      QRectF(std::min(left, right), std::min(top, bottom), std::abs(right - left), std::abs(bottom - top)));
}

void CQPainterCanvas::Text(int x, int y, const std::string& text, TextAlign align) {
  const QString s = QString::fromStdString(text);
  double left = x;
  if (align == TextAlign::Centre) left -= m_metrics->horizontalAdvance(s) / 2;
  const QPen pen = m_painter.pen();
  m_painter.setPen(Qt::black);
  m_painter.drawText(QPointF(left, y + m_metrics->ascent()), s);
  m_painter.setPen(pen);
}

void PaintScheme(QPainter& painter, const CSchemeDrawing& drawing, int selectedIndex, unsigned zoom, QPoint scroll) {
  painter.save();
  painter.fillRect(painter.window(), Qt::white);
  painter.translate(-scroll);
  const double scale = std::max(zoom, 1u) / 100.0;
  painter.scale(scale, scale);
  CQPainterCanvas canvas(painter);
  drawing.Paint(canvas, selectedIndex);
  drawing.PaintWires(canvas);
  painter.restore();
}

}  // namespace lodex
