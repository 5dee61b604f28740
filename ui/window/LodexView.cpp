#include "ui/window/LodexView.h"

#include <QBuffer>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <map>

#include "app/CommandTable.h"
#include "drawing/SignalHighlight.h"
#include "drawing/ViewGeometry.h"
#include "export/SvgCanvas.h"
#include "model/FileIo.h"
#include "model/PrintableText.h"
#include "ui/widgets/Language.h"
#include "ui/widgets/QPainterCanvas.h"
#include "ui/window/ReasonText.h"

namespace lodex {
namespace {

// A path as the messages quote it, on one visible line.
QString Shown(const QString& path) { return QString::fromStdString(PrintableText(path.toStdString())); }

// Writes through a temporary file beside `path` that replaces it only once
// complete; `error` gets the reason in the interface's language.
bool WriteWhole(const QString& path, const QByteArray& bytes, QString* error) {
  const Status written =
      WriteFileAtomically(path.toStdString(), std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
  if (written) return true;
  if (error) *error = WordReason(written.reason()).text;
  return false;
}

}  // namespace

CLodexView::CLodexView(CLodexDoc& doc, QWidget* parent) : QAbstractScrollArea(parent), m_doc(doc) {
  viewport()->setAutoFillBackground(false);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setMouseTracking(true);
  horizontalScrollBar()->setSingleStep(20);
  verticalScrollBar()->setSingleStep(20);
}

void CLodexView::OnUpdate() {
  m_drawing.Layout(m_doc.Scheme(), m_doc.LibraryBlocks());
  // A scheme just opened or made, or one whose diagram grew or shrank at
  // least twofold, is shown whole; its zoom is its own, not the last one's.
  const Point size{m_drawing.Width(), m_drawing.Height()};
  const bool resized = size.x >= 2 * m_laidOutSize.x || 2 * size.x <= m_laidOutSize.x ||
                       size.y >= 2 * m_laidOutSize.y || 2 * size.y <= m_laidOutSize.y;
  const bool fresh = m_doc.IsLayoutDirty() && m_doc.IsFirstState();
  m_laidOutSize = size;
  if (m_doc.Scheme().IsEmpty() || m_hoveredInput >= m_doc.Scheme().GetBlock(0).m_outputCount) m_hoveredInput = -1;
  if (!m_doc.Scheme().IsEmpty() && (fresh || resized))
    ShowWhole();
  else
    UpdateScrollRanges();
  viewport()->update();
  // An empty scheme has nothing for the sequence panes; its flag waits for
  // the first scheme.
  if (!m_doc.Scheme().IsEmpty() && m_doc.IsLayoutDirty()) {
    emit LayoutRefreshed(m_doc.IsFirstState());
    m_doc.ClearLayoutDirty();
  }
}

Point CLodexView::ScrollPosition() const {
  return {horizontalScrollBar()->value() - m_offset.x(), verticalScrollBar()->value() - m_offset.y()};
}

QPoint CLodexView::Origin() const {
  const Point s = ScrollPosition();
  return {-s.x, -s.y};
}

QPoint CLodexView::ToViewport(int x, int y) const {
  const Point s = ScrollPosition();
  return {static_cast<int>(x * m_zoom / 100) - s.x, static_cast<int>(y * m_zoom / 100) - s.y};
}

void CLodexView::UpdateScrollRanges() {
  const Point size =
      m_doc.Scheme().IsEmpty() ? Point{} : ScaledDiagramSize(m_drawing.Width(), m_drawing.Height(), m_zoom);
  const QSize page = viewport()->size();
  horizontalScrollBar()->setPageStep(page.width());
  verticalScrollBar()->setPageStep(page.height());
  horizontalScrollBar()->setRange(0, std::max(0, size.x - page.width()));
  verticalScrollBar()->setRange(0, std::max(0, size.y - page.height()));
  m_offset = m_centred ? QPoint(std::max(0, (page.width() - size.x) / 2), std::max(0, (page.height() - size.y) / 2))
                       : QPoint();
  emit VisibleAreaChanged();
}

void CLodexView::ZoomAround(double percent, Point anchor) {
  // A fitted zoom below the least step stays reachable from itself.
  const double target = std::clamp(percent, std::min(kMinimumZoom, m_zoom), kMaximumZoom);
  if (target == m_zoom && !m_centred) return;
  const Point scroll = ScrollPosition();
  m_centred = false;
  // The diagram point under the anchor stays there.
  const auto keep = [&](int s, int a) { return static_cast<int>(target * (int64_t{s} + a) / m_zoom - a); };
  const Point next{keep(scroll.x, anchor.x), keep(scroll.y, anchor.y)};
  m_zoom = target;
  UpdateScrollRanges();
  horizontalScrollBar()->setValue(next.x);
  verticalScrollBar()->setValue(next.y);
  viewport()->update();
  emit ZoomChanged(m_zoom);
}

void CLodexView::SetZoom(double percent) {
  const QSize page = viewport()->size();
  ZoomAround(percent, {page.width() / 2, page.height() / 2});
}

// Below 10 % a step is one point; from a fitted zoom below 1 %, in goes to
// 1 % and out stays.
void CLodexView::ZoomIn() {
  SetZoom(m_zoom < kMinimumZoom ? kMinimumZoom : m_zoom < 10 ? m_zoom + 1 : m_zoom + kZoomStep);
}

void CLodexView::ZoomOut() {
  SetZoom(m_zoom <= 10 ? std::max(m_zoom - 1, std::min(m_zoom, kMinimumZoom)) : m_zoom - kZoomStep);
}

void CLodexView::ZoomReset() { SetZoom(100); }

bool CLodexView::LargerThanViewport() const {
  const Point whole = ScaledDiagramSize(m_drawing.Width(), m_drawing.Height(), 100);
  const QSize room = maximumViewportSize();
  return whole.x > room.width() || whole.y > room.height();
}

void CLodexView::FitToWindow() {
  if (m_doc.Scheme().IsEmpty()) return;
  const Point whole = ScaledDiagramSize(m_drawing.Width(), m_drawing.Height(), 100);
  // The viewport as it is once the whole diagram fits, without scroll bars.
  const QSize room = maximumViewportSize();
  const double exact =
      std::min(room.width() * 100.0 / std::max(whole.x, 1), room.height() * 100.0 / std::max(whole.y, 1));
  // Whole points from 1 % up, hundredths of a point below, rounded down so
  // that it fits.
  const double fit = exact >= kMinimumZoom ? std::floor(exact) : std::floor(exact * 100) / 100;
  ShowFromCorner(std::clamp(fit, kFitMinimumZoom, kMaximumZoom), true);
}

void CLodexView::ShowWhole() {
  if (!m_doc.Scheme().IsEmpty() && LargerThanViewport())
    FitToWindow();
  else
    ShowFromCorner(100, false);
}

void CLodexView::ShowFromCorner(double zoom, bool centred) {
  m_zoom = zoom;
  m_centred = centred;
  horizontalScrollBar()->setValue(0);
  verticalScrollBar()->setValue(0);
  UpdateScrollRanges();
  viewport()->update();
  emit ZoomChanged(m_zoom);
}

void CLodexView::CentreOn(int x, int y) {
  // Along a side that fits (and is centred) the scroll bar's range is empty
  // and nothing moves.
  const QSize page = viewport()->size();
  horizontalScrollBar()->setValue(static_cast<int>(x * m_zoom / 100) - page.width() / 2);
  verticalScrollBar()->setValue(static_cast<int>(y * m_zoom / 100) - page.height() / 2);
  viewport()->update();
}

void CLodexView::SelectAndCentre(int index) {
  m_doc.SelectBlock(index);
  const int sel = m_doc.SelectedLogicBlock();
  if (sel < 1 || static_cast<size_t>(sel) >= m_drawing.Entries().size()) return;
  const Rect& r = m_drawing.Entries()[static_cast<size_t>(sel)].rect;
  CentreOn((r.left + r.right) / 2, (r.top + r.bottom) / 2);
}

std::vector<PinRef> CLodexView::Highlight() const {
  if (m_hoveredInput >= 0) return PrimaryInputWires(m_doc.Scheme(), m_hoveredInput);
  return BlockWires(m_doc.Scheme(), m_doc.SelectedLogicBlock());
}

void CLodexView::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  if (m_doc.Scheme().IsEmpty()) {
    painter.fillRect(viewport()->rect(), Qt::white);
    return;
  }
  const Point s = ScrollPosition();
  PaintScheme(painter, m_drawing, m_doc.SelectedBlock(), m_zoom, QPoint(s.x, s.y), Highlight());
}

void CLodexView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  // A fitted diagram stays fitted as the window changes size, until the
  // user zooms.
  if (m_centred && !m_doc.Scheme().IsEmpty())
    FitToWindow();
  else
    UpdateScrollRanges();
}

void CLodexView::scrollContentsBy(int, int) {
  viewport()->update();
  emit VisibleAreaChanged();
}

void CLodexView::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  const bool onEmpty =
      event->button() == Qt::LeftButton && SelectAt(m_drawing, ScrollPosition(), {p.x(), p.y()}, m_zoom) < 0;
  if (event->button() == Qt::MiddleButton || onEmpty) {
    // Middle button anywhere, left button on empty space: pan.
    m_panning = true;
    m_panFrom = p;
    viewport()->setCursor(Qt::ClosedHandCursor);
    if (onEmpty) m_doc.SelectBlock(-1);
    event->accept();
    return;
  }
  if (event->button() != Qt::LeftButton && event->button() != Qt::RightButton) {
    QAbstractScrollArea::mousePressEvent(event);
    return;
  }
  m_doc.SelectBlock(SelectAt(m_drawing, ScrollPosition(), {p.x(), p.y()}, m_zoom));
  event->accept();
}

void CLodexView::mouseMoveEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  if (m_panning) {
    const QPoint moved = p - m_panFrom;
    m_panFrom = p;
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() - moved.x());
    verticalScrollBar()->setValue(verticalScrollBar()->value() - moved.y());
    event->accept();
    return;
  }
  // Over empty space the cursor offers to pan; over a primary input's stub
  // every stub of that input lights up.
  const Point d = ViewToDiagram(ScrollPosition(), {p.x(), p.y()}, m_zoom);
  const bool onBlock = m_drawing.HitTest(d.x, d.y) >= 0;
  viewport()->setCursor(m_doc.Scheme().IsEmpty() || onBlock ? Qt::ArrowCursor : Qt::OpenHandCursor);
  SetHoveredInput(onBlock ? -1 : PrimaryInputAt(m_doc.Scheme(), m_drawing, d.x, d.y));
  QAbstractScrollArea::mouseMoveEvent(event);
}

void CLodexView::leaveEvent(QEvent* event) {
  SetHoveredInput(-1);
  QAbstractScrollArea::leaveEvent(event);
}

void CLodexView::SetHoveredInput(int input) {
  if (input == m_hoveredInput) return;
  m_hoveredInput = input;
  viewport()->update();
}

void CLodexView::mouseReleaseEvent(QMouseEvent* event) {
  if (m_panning && (event->button() == Qt::LeftButton || event->button() == Qt::MiddleButton)) {
    m_panning = false;
    viewport()->setCursor(Qt::OpenHandCursor);
    event->accept();
  } else if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton) {
    event->accept();  // the press has selected
  } else {
    QAbstractScrollArea::mouseReleaseEvent(event);
  }
}

bool CLodexView::focusNextPrevChild(bool next) {
  const int logic = m_doc.Scheme().GetBlockCount() - 2;
  if (m_doc.Scheme().IsEmpty() || logic < 1) return QAbstractScrollArea::focusNextPrevChild(next);
  const int sel = m_doc.SelectedLogicBlock();
  const int target = sel < 1 ? (next ? 1 : logic) : (sel - 1 + (next ? 1 : logic - 1)) % logic + 1;
  SelectAndCentre(target);
  return true;
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
    if (!to) to = menu.addMenu(AppText(command.contextMenu));
    QAction* action = to->addAction(AppText(command.caption));
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
    if (error) *error = tr("Неизвестный формат изображения «%1»: укажите файл .svg или .png").arg(Shown(path));
    return false;
  }
  if (m_doc.Scheme().IsEmpty()) {
    if (error) *error = tr("Схема пуста: изображение не сохранено");
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
    if (error) *error = tr("Изображение схемы слишком велико");
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
    if (error) *error = tr("Не удалось построить изображение PNG");
    return false;
  }
  return WriteWhole(path, bytes, error);
}

}  // namespace lodex
