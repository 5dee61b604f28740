#include "ui/dialogs/ParallelPrewWnd.h"

#include <QPainter>

#include "app/dialogs/PreviewDrawing.h"
#include "ui/widgets/QPainterCanvas.h"

namespace lodex {

CParallelPrewWnd::CParallelPrewWnd(QWidget* parent) : QWidget(parent) {
  setMinimumSize(120, 160);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void CParallelPrewWnd::SetPictures(std::vector<BlockPicture> pictures) {
  if (pictures == m_pictures) return;
  m_pictures = std::move(pictures);
  update();
}

void CParallelPrewWnd::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  CQPainterCanvas canvas(painter);
  // A rectangle's outline covers its right and bottom coordinates: one
  // pixel less keeps the frame's right and bottom edges inside the window.
  PaintParallelPreview(canvas, m_pictures, width() - 1, height() - 1);
}

}  // namespace lodex
