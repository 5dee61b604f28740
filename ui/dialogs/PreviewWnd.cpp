#include "ui/dialogs/PreviewWnd.h"

#include <QPainter>

#include "app/dialogs/PreviewDrawing.h"
#include "ui/widgets/QPainterCanvas.h"

namespace lodex {

CPreviewWnd::CPreviewWnd(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CPreviewWnd::SetPreview(std::optional<SerialPreview> preview) {
  m_preview = std::move(preview);
  update();
}

// A pane for a small block; the dialog asks more of larger ones.
QSize CPreviewWnd::sizeHint() const { return {260, 240}; }

void CPreviewWnd::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect area = contentsRect();
  painter.fillRect(area, Qt::white);
  if (m_preview) {
    // The drawing works in the pane's client pixels, inside the frame.
    painter.save();
    painter.setClipRect(area);
    painter.translate(area.topLeft());
    {
      CQPainterCanvas canvas(painter);
      PaintSerialPreview(canvas, *m_preview, area.width(), area.height());
    }
    painter.restore();
  }
  drawFrame(&painter);
}

}  // namespace lodex
