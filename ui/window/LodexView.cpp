#include "ui/window/LodexView.h"

#include <QBuffer>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QSaveFile>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <map>

#include "app/CommandTable.h"
#include "drawing/ViewGeometry.h"
#include "export/SvgCanvas.h"
#include "model/PrintableText.h"
#include "ui/widgets/QPainterCanvas.h"

namespace lodex {
namespace {

// A path as the messages quote it, on one visible line.
QString Shown(const QString& path) { return QString::fromStdString(PrintableText(path.toStdString())); }

// Writes through a temporary file beside `path` that replaces it only once
// complete.
bool WriteWhole(const QString& path, const QByteArray& bytes, QString* error) {
  QSaveFile file(path);
  if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit()) return true;
  if (error) *error = QStringLiteral("Не удалось записать файл %1: %2").arg(Shown(path), file.errorString());
  return false;
}

}  // namespace

CLodexView::CLodexView(CLodexDoc& doc, QWidget* parent) : QAbstractScrollArea(parent), m_doc(doc) {
  viewport()->setAutoFillBackground(false);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  horizontalScrollBar()->setSingleStep(20);
  verticalScrollBar()->setSingleStep(20);
}

void CLodexView::OnUpdate() {
  m_drawing.Layout(m_doc.Scheme(), m_doc.LibraryBlocks());
  UpdateScrollRanges();
  viewport()->update();
  // An empty scheme has nothing for the sequence panes; its flag waits for
  // the first scheme.
  if (!m_doc.Scheme().IsEmpty() && m_doc.IsLayoutDirty()) {
    emit LayoutRefreshed(m_doc.IsFirstState());
    m_doc.ClearLayoutDirty();
  }
}

Point CLodexView::ScrollPosition() const { return {horizontalScrollBar()->value(), verticalScrollBar()->value()}; }

void CLodexView::UpdateScrollRanges() {
  const Point size =
      m_doc.Scheme().IsEmpty() ? Point{} : ScaledDiagramSize(m_drawing.Width(), m_drawing.Height(), m_zoom);
  const QSize page = viewport()->size();
  horizontalScrollBar()->setPageStep(page.width());
  verticalScrollBar()->setPageStep(page.height());
  horizontalScrollBar()->setRange(0, std::max(0, size.x - page.width()));
  verticalScrollBar()->setRange(0, std::max(0, size.y - page.height()));
}

void CLodexView::ZoomAround(unsigned percent, Point anchor) {
  const unsigned target = std::clamp(percent, kMinimumZoom, kMaximumZoom);
  if (target == m_zoom) return;
  const int delta = (static_cast<int>(target) - static_cast<int>(m_zoom)) * 12;
  const WheelZoom next = ZoomByWheel(m_zoom, delta, ScrollPosition(), anchor);
  m_zoom = next.zoom;
  UpdateScrollRanges();
  horizontalScrollBar()->setValue(next.scroll.x);
  verticalScrollBar()->setValue(next.scroll.y);
  viewport()->update();
  emit ZoomChanged(m_zoom);
}

void CLodexView::SetZoom(unsigned percent) {
  const QSize page = viewport()->size();
  ZoomAround(percent, {page.width() / 2, page.height() / 2});
}

void CLodexView::ZoomIn() { SetZoom(m_zoom + kZoomStep); }

void CLodexView::ZoomOut() { SetZoom(m_zoom > kMinimumZoom + kZoomStep ? m_zoom - kZoomStep : kMinimumZoom); }

void CLodexView::ZoomReset() { SetZoom(100); }

void CLodexView::FitToWindow() {
  if (m_doc.Scheme().IsEmpty()) return;
  const Point whole = ScaledDiagramSize(m_drawing.Width(), m_drawing.Height(), 100);
  // The viewport as it is once the whole diagram fits, without scroll bars.
  const QSize room = maximumViewportSize();
  const int64_t byWidth = int64_t{room.width()} * 100 / std::max(whole.x, 1);
  const int64_t byHeight = int64_t{room.height()} * 100 / std::max(whole.y, 1);
  const int64_t fit = std::clamp<int64_t>(std::min(byWidth, byHeight), kMinimumZoom, kMaximumZoom);
  ZoomAround(static_cast<unsigned>(fit), {0, 0});
  horizontalScrollBar()->setValue(0);
  verticalScrollBar()->setValue(0);
}

void CLodexView::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  if (m_doc.Scheme().IsEmpty()) {
    painter.fillRect(viewport()->rect(), Qt::white);
    return;
  }
  const Point s = ScrollPosition();
  PaintScheme(painter, m_drawing, m_doc.SelectedBlock(), m_zoom, QPoint(s.x, s.y));
}

void CLodexView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  UpdateScrollRanges();
}

void CLodexView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) {
    QAbstractScrollArea::mousePressEvent(event);
    return;
  }
  const QPoint p = event->position().toPoint();
  m_doc.SelectBlock(SelectAt(m_drawing, ScrollPosition(), {p.x(), p.y()}, m_zoom));
  event->accept();
}

void CLodexView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)
    event->accept();  // the press has selected
  else
    QAbstractScrollArea::mouseReleaseEvent(event);
}

void CLodexView::wheelEvent(QWheelEvent* event) {
  // Only Ctrl alone zooms; anything else scrolls as usual.
  if (event->modifiers() != Qt::ControlModifier || event->buttons() != Qt::NoButton) {
    m_wheelRest = 0;
    QAbstractScrollArea::wheelEvent(event);
    return;
  }
  event->accept();
  // Fine-grained wheels send fractions of a notch: they add up to steps.
  const int turn = m_wheelRest + event->angleDelta().y();
  m_wheelRest = turn % 12;
  if (turn - m_wheelRest == 0) return;
  const QPoint p = event->position().toPoint();
  const Point cursor{p.x(), p.y()};
  ZoomAround(ZoomByWheel(m_zoom, turn - m_wheelRest, ScrollPosition(), cursor).zoom, cursor);
}

void CLodexView::contextMenuEvent(QContextMenuEvent* event) {
  if (m_doc.Scheme().IsEmpty() || m_doc.SelectedLogicBlock() < 0) return;
  QMenu menu(this);
  std::map<QString, QMenu*> submenus{{QString(), &menu}};
  for (const CommandInfo& command : CommandTable()) {
    if (command.contextMenu == nullptr) continue;
    QMenu*& to = submenus[command.contextMenu];
    if (!to) to = menu.addMenu(command.contextMenu);
    QAction* action = to->addAction(command.contextCaption ? command.contextCaption : command.caption);
    action->setData(static_cast<int>(command.id));
    action->setEnabled(m_doc.IsContextEnabled(command.id));
  }
  event->accept();
  if (const QAction* chosen = menu.exec(event->globalPos()))
    emit CommandRequested(static_cast<CommandId>(chosen->data().toInt()));
}

bool CLodexView::SaveImage(const QString& path, QString* error) const {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix != QLatin1String("svg") && suffix != QLatin1String("png")) {
    if (error)
      *error = QStringLiteral("Неизвестный формат изображения «%1»: укажите файл .svg или .png").arg(Shown(path));
    return false;
  }
  if (m_doc.Scheme().IsEmpty()) {
    if (error) *error = QStringLiteral("Схема пуста: изображение не сохранено");
    return false;
  }
  // A layout of its own, so that the picture is the document's scheme even
  // before the view has been updated.
  CSchemeDrawing drawing;
  drawing.Layout(m_doc.Scheme(), m_doc.LibraryBlocks());
  if (suffix == QLatin1String("svg")) return WriteWhole(path, QByteArray::fromStdString(SchemeSvg(drawing)), error);

  const Point size = SchemePictureSize(drawing);
  QImage image(size.x, size.y, QImage::Format_RGB32);
  if (image.isNull()) {
    if (error) *error = QStringLiteral("Изображение схемы слишком велико");
    return false;
  }
  {
    QPainter painter(&image);
    PaintScheme(painter, drawing, -1);
  }
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) {
    if (error) *error = QStringLiteral("Не удалось построить изображение PNG");
    return false;
  }
  return WriteWhole(path, bytes, error);
}

}  // namespace lodex
