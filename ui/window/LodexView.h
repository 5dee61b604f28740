// The scheme view: the document's scheme drawn as a diagram that scrolls,
// pans and zooms; block selection with the mouse and the keyboard, the
// selected block's signals highlighted, and its context menu.
#pragma once

#include <QAbstractScrollArea>
#include <QPoint>
#include <QString>
#include <vector>

#include "app/CommandIds.h"
#include "app/LodexDoc.h"
#include "drawing/SchemeDrawing.h"
#include "drawing/SignalHighlight.h"

namespace lodex {

class CLodexView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  // No upper limit is needed by the arithmetic, but beyond this the scroll
  // sizes of a large scheme would overflow.
  static constexpr double kMaximumZoom = 2000;
  static constexpr double kZoomStep = 10;

  explicit CLodexView(CLodexDoc& doc, QWidget* parent = nullptr);

  // The document changed: lays the scheme out again, sets the scroll ranges
  // and repaints; when the document's layout is dirty it emits
  // LayoutRefreshed(first state) and clears the flag.
  void OnUpdate();

  double Zoom() const { return m_zoom; }
  // The diagram's top-left corner in the viewport at the current scroll
  // position (negative while scrolled; positive while a fitted diagram is
  // centred).
  QPoint Origin() const;
  // The viewport point that shows diagram point (x, y).
  QPoint ToViewport(int x, int y) const;
  // The wires drawn highlighted: the selected block's, or those of the
  // primary input under the mouse.
  std::vector<PinRef> Highlight() const;

  // Whether the diagram at 100 % is larger than the viewport's room
  // without scroll bars.
  bool LargerThanViewport() const;
  // Selects logic block `index` and scrolls it to the viewport's centre.
  void SelectAndCentre(int index);
  // Scrolls so that diagram point (x, y) is at the viewport's centre.
  void CentreOn(int x, int y);

  // The diagram at 100 % without the selection, as SVG or PNG by the file's
  // extension; false and a reason when it is not written. The file is
  // replaced only once it has been written completely.
  bool SaveImage(const QString& path, QString* error) const;

  const CSchemeDrawing& Drawing() const { return m_drawing; }

 public slots:
  // Between kMinimumZoom and kMaximumZoom, keeping the diagram point at the
  // viewport's centre where it is.
  void SetZoom(double percent);
  void ZoomIn();     // +10
  void ZoomOut();    // -10
  void ZoomReset();  // 100 %
  // The zoom at which the whole diagram fits the viewport, the diagram
  // centred in it.
  void FitToWindow();
  // "По размеру окна" for a diagram larger than the viewport, else 100 %:
  // what a scheme shows when it is opened or changes size a lot.
  void ShowWhole();

 signals:
  void LayoutRefreshed(bool firstState);
  void CommandRequested(lodex::CommandId id);
  void ZoomChanged(double percent);
  // The part of the diagram in sight changed (scrolling, zoom, size).
  void VisibleAreaChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  // Tab and Shift+Tab walk the blocks in scheme order.
  bool focusNextPrevChild(bool next) override;
  void wheelEvent(QWheelEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  Point ScrollPosition() const;
  void UpdateScrollRanges();
  // Zooms to `percent` (clamped) keeping the diagram point under the
  // viewport point `anchor` where it is.
  void ZoomAround(double percent, Point anchor);

  void SetHoveredInput(int input);
  // `zoom` from the diagram's top-left corner, centred where it is smaller
  // than the viewport when `centred`.
  void ShowFromCorner(double zoom, bool centred);

  CLodexDoc& m_doc;
  double m_zoom = 100;
  bool m_centred = false;  // set by FitToWindow until the next zoom
  QPoint m_offset;         // where a centred diagram starts in the viewport
  CSchemeDrawing m_drawing;
  Point m_laidOutSize;  // the diagram's size at the last layout
  int m_wheelRest = 0;  // a turn of less than a zoom step, kept for the next event
  bool m_panning = false;
  QPoint m_panFrom;  // the mouse position the pan last moved to
  int m_hoveredInput = -1;
};

}  // namespace lodex
