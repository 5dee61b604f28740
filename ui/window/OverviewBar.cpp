#include "ui/window/OverviewBar.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "ui/widgets/QPainterCanvas.h"
#include "ui/window/LodexView.h"

namespace lodex {

COverviewMap::COverviewMap(CLodexView& view, QWidget* parent) : QWidget(parent), m_view(view) {
  setMinimumSize(120, 80);
  setCursor(Qt::PointingHandCursor);
  connect(&m_view, &CLodexView::VisibleAreaChanged, this, qOverload<>(&QWidget::update));
}

void COverviewMap::Invalidate() {
  m_stale = true;
  update();
}

double COverviewMap::Scale() const {
  const CSchemeDrawing& d = m_view.Drawing();
  const double w = d.Width() + 30.0, h = d.Height() + 20.0;
  return std::max({w / std::max(width() - 4, 1), h / std::max(height() - 4, 1), 1e-9});
}

QPoint COverviewMap::PictureOrigin() const {
  const CSchemeDrawing& d = m_view.Drawing();
  const double scale = Scale();
  return {static_cast<int>((width() - (d.Width() + 30) / scale) / 2),
          static_cast<int>((height() - (d.Height() + 20) / scale) / 2)};
}

QRect COverviewMap::ViewFrame() const {
  const double scale = Scale();
  const double zoom = m_view.Zoom() / 100.0;
  const QPoint origin = m_view.Origin();
  const QSize page = m_view.viewport()->size();
  // The viewport in diagram units, then in this widget's pixels.
  const double left = -origin.x() / zoom, top = -origin.y() / zoom;
  const QPoint at = PictureOrigin();
  return QRect(at.x() + static_cast<int>(left / scale), at.y() + static_cast<int>(top / scale),
               std::max(2, static_cast<int>(page.width() / zoom / scale)),
               std::max(2, static_cast<int>(page.height() / zoom / scale)));
}

void COverviewMap::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().window());
  const CSchemeDrawing& d = m_view.Drawing();
  if (d.Entries().size() < 3) return;
  if (m_stale || m_picture.size() != size()) {
    // Drawn once per layout and size: a diagram of thousands of blocks costs
    // a full paint, too much for every scroll step.
    m_picture = QPixmap(size());
    m_picture.fill(palette().window().color());
    QPainter picture(&m_picture);
    const QPoint at = PictureOrigin();
    picture.translate(at);
    const double scale = 1.0 / Scale();
    picture.fillRect(QRectF(0, 0, (d.Width() + 30) * scale, (d.Height() + 20) * scale), Qt::white);
    picture.scale(scale, scale);
    CQPainterCanvas canvas(picture);
    d.Paint(canvas, -1);
    canvas.SetFade(WireOpacity(scale));
    d.PaintWires(canvas);
    m_stale = false;
  }
  painter.drawPixmap(0, 0, m_picture);
  painter.setPen(QPen(QColor(0, 120, 215), 2));
  painter.setBrush(QColor(0, 120, 215, 40));
  painter.drawRect(ViewFrame().intersected(rect().adjusted(1, 1, -1, -1)));
}

void COverviewMap::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  m_stale = true;
}

void COverviewMap::CentreViewAt(QPoint point) {
  const double scale = Scale();
  const QPoint at = PictureOrigin();
  m_view.CentreOn(static_cast<int>((point.x() - at.x()) * scale), static_cast<int>((point.y() - at.y()) * scale));
}

void COverviewMap::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  CentreViewAt(event->position().toPoint());
  event->accept();
}

void COverviewMap::mouseMoveEvent(QMouseEvent* event) {
  if (event->buttons() & Qt::LeftButton) CentreViewAt(event->position().toPoint());
}

COverviewBar::COverviewBar(CLodexView& view, QWidget* parent)
    : QDockWidget(tr("Обзор схемы"), parent), m_map(new COverviewMap(view, this)) {
  setObjectName(QStringLiteral("OverviewBar"));
  setAllowedAreas(Qt::AllDockWidgetAreas);
  setWidget(m_map);
}

}  // namespace lodex
