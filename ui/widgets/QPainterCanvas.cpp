#include "ui/widgets/QPainterCanvas.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QString>
#include <algorithm>

#include "drawing/ViewGeometry.h"

namespace lodex {
namespace {

QColor ToQColor(Colour c) { return QColor(c.r, c.g, c.b); }

}  // namespace

CQPainterCanvas::CQPainterCanvas(QPainter& painter) : m_painter(painter) {
  m_painter.setRenderHint(QPainter::TextAntialiasing, true);
  m_painter.setRenderHint(QPainter::Antialiasing, m_smooth);
  // What lies outside the device is not drawn at all: a large diagram is
  // mostly out of sight.
  const QPaintDevice* device = m_painter.device();
  const QRectF deviceRect = device ? QRectF(0, 0, device->width(), device->height()) : QRectF();
  m_visible = m_painter.worldTransform().inverted().mapRect(deviceRect);
  SetPen(Pen{});
  SetBrush(Brush{});
  SetFont(SchemeFont());
}

void CQPainterCanvas::SetPen(const Pen& pen) {
  if (!pen.visible) {
    m_pen = QPen(Qt::NoPen);
    m_painter.setPen(m_pen);
    return;
  }
  QColor colour = ToQColor(pen.colour);
  if (m_fade < 1.0) {
    const auto toward = [this](int c) { return static_cast<int>(255 - (255 - c) * m_fade + 0.5); };
    colour = QColor(toward(colour.red()), toward(colour.green()), toward(colour.blue()));
  }
  QPen qpen(colour);
  // Width in drawing units, as on a device context, but when zoomed out
  // never thinner than a pixel of the screen (a cosmetic pen's width is in
  // device pixels, of which a dense display has several a pixel).
  const double scale = std::abs(m_painter.worldTransform().m11());
  const double width = std::max(pen.width, 1);
  if (width * scale < 1.0) {
    const QPaintDevice* device = m_painter.device();
    qpen.setCosmetic(true);
    qpen.setWidthF(device ? device->devicePixelRatioF() : 1.0);
  } else {
    qpen.setWidthF(width);
  }
  qpen.setCapStyle(Qt::SquareCap);
  qpen.setJoinStyle(Qt::MiterJoin);
  m_pen = qpen;
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
  // The drawing sets the same font at the start of each pass.
  if (!(font == m_fontSpec) || m_texts.empty()) {
    m_fontSpec = font;
    m_font = ToQFont(font);
    m_texts.clear();
  }
  m_painter.setFont(m_font);
}

void CQPainterCanvas::Smooth(bool on) {
  if (on == m_smooth) return;
  m_smooth = on;
  m_painter.setRenderHint(QPainter::Antialiasing, on);
}

bool CQPainterCanvas::Visible(double left, double top, double right, double bottom) const {
  // A pen reaches a little beyond the shape's outline.
  constexpr double kReach = 4;
  return right + kReach >= m_visible.left() && left - kReach <= m_visible.right() &&
         bottom + kReach >= m_visible.top() && top - kReach <= m_visible.bottom();
}

void CQPainterCanvas::Rectangle(int left, int top, int right, int bottom) {
  const int l = std::min(left, right), t = std::min(top, bottom), r = std::max(left, right), b = std::max(top, bottom);
  if (!Visible(l, t, r, b)) return;
  Smooth(false);
  m_painter.drawRect(QRect(l, t, r - l, b - t));
}

void CQPainterCanvas::Line(int x1, int y1, int x2, int y2) {
  if (!Visible(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2))) return;
  Smooth(false);
  m_painter.drawLine(x1, y1, x2, y2);
}

void CQPainterCanvas::Ellipse(int left, int top, int right, int bottom) {
  const int l = std::min(left, right), t = std::min(top, bottom), r = std::max(left, right), b = std::max(top, bottom);
  if (!Visible(l, t, r, b)) return;
  Smooth(true);
  m_painter.drawEllipse(QRectF(l, t, r - l, b - t));
}

void CQPainterCanvas::Text(int x, int y, const std::string& text, TextAlign align) {
  // Labels repeat ("&", "1", the weights): each is laid out once a paint.
  auto [it, added] = m_texts.try_emplace(text);
  QStaticText& laidOut = it->second;
  if (added) {
    laidOut.setTextFormat(Qt::PlainText);
    laidOut.setText(QString::fromStdString(text));
    laidOut.prepare(m_painter.worldTransform(), m_font);
  }
  const double width = laidOut.size().width();
  const double left = align == TextAlign::Centre ? x - width / 2 : x;
  if (!Visible(left, y, left + width, y + m_fontSpec.height)) return;
  // Text is black whatever the pen (the selection's is blue, a hidden one
  // would draw no text at all).
  const bool blackPen = m_pen.style() != Qt::NoPen && m_pen.color() == Qt::black;
  if (!blackPen) m_painter.setPen(Qt::black);
  m_painter.drawStaticText(QPointF(left, y), laidOut);
  if (!blackPen) m_painter.setPen(m_pen);
}

double WireOpacity(double scale) { return std::clamp(scale * 5, 0.2, 1.0); }

void PaintScheme(QPainter& painter, const CSchemeDrawing& drawing, int selectedIndex, double zoom, QPoint scroll,
                 const std::vector<PinRef>& highlight) {
  painter.save();
  painter.fillRect(painter.window(), Qt::white);
  painter.translate(-scroll);
  const double scale = std::max(zoom, kFitMinimumZoom) / 100.0;
  painter.scale(scale, scale);
  CQPainterCanvas canvas(painter);
  drawing.Paint(canvas, selectedIndex);
  canvas.SetFade(WireOpacity(scale));
  drawing.PaintWires(canvas);
  canvas.SetFade(1);
  PaintWires(canvas, drawing, highlight);
  painter.restore();
}

}  // namespace lodex
