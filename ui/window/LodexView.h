// The scheme view: the document's scheme drawn as a diagram that scrolls and
// zooms, block selection with the mouse, and the selected block's context
// menu.
#pragma once

#include <QAbstractScrollArea>
#include <QString>

#include "app/CommandIds.h"
#include "app/LodexDoc.h"
#include "drawing/SchemeDrawing.h"

namespace lodex {

class CLodexView : public QAbstractScrollArea {
  Q_OBJECT

 public:
  // No upper limit is needed by the arithmetic, but beyond this the scroll
  // sizes of a large scheme would overflow.
  static constexpr unsigned kMaximumZoom = 2000;
  static constexpr unsigned kZoomStep = 10;

  explicit CLodexView(CLodexDoc& doc, QWidget* parent = nullptr);

  // The document changed: lays the scheme out again, sets the scroll ranges
  // and repaints; when the document's layout is dirty it emits
  // LayoutRefreshed(first state) and clears the flag.
  void OnUpdate();

  unsigned Zoom() const { return m_zoom; }

  // The diagram at 100 % without the selection, as SVG or PNG by the file's
  // extension; false and a reason when it is not written. The file is
  // replaced only once it has been written completely.
  bool SaveImage(const QString& path, QString* error) const;

  const CSchemeDrawing& Drawing() const { return m_drawing; }

 public slots:
  // Between 10 % and kMaximumZoom, keeping the diagram point at the
  // viewport's centre where it is.
  void SetZoom(unsigned percent);
  void ZoomIn();     // +10
  void ZoomOut();    // -10
  void ZoomReset();  // 100 %
  // The zoom at which the whole diagram fits the viewport, not below 10 %.
  void FitToWindow();

 signals:
  void LayoutRefreshed(bool firstState);
  void CommandRequested(lodex::CommandId id);
  void ZoomChanged(unsigned percent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  Point ScrollPosition() const;
  void UpdateScrollRanges();
  // Zooms to `percent` (clamped) keeping the diagram point under the
  // viewport point `anchor` where it is.
  void ZoomAround(unsigned percent, Point anchor);

  CLodexDoc& m_doc;
  unsigned m_zoom = 100;  // kept across documents
  CSchemeDrawing m_drawing;
  int m_wheelRest = 0;  // a turn of less than a zoom step, kept for the next event
};

}  // namespace lodex
