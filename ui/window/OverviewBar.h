// The overview pane "Обзор схемы": the whole diagram in small with the part
// the view shows framed; a click or a drag there moves the view.
#pragma once

#include <QDockWidget>
#include <QPixmap>
#include <QWidget>

namespace lodex {

class CLodexView;

// The picture inside the pane.
class COverviewMap : public QWidget {
  Q_OBJECT
 public:
  explicit COverviewMap(CLodexView& view, QWidget* parent = nullptr);

  // The diagram was laid out again: the picture is redrawn when next shown.
  void Invalidate();
  // The view's visible part as a rectangle of this widget.
  QRect ViewFrame() const;

  QSize sizeHint() const override { return {220, 160}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  // Diagram units per widget pixel, and the picture's place in the widget.
  double Scale() const;
  QPoint PictureOrigin() const;
  void CentreViewAt(QPoint point);

  CLodexView& m_view;
  QPixmap m_picture;
  bool m_stale = true;
};

class COverviewBar : public QDockWidget {
  Q_OBJECT
 public:
  explicit COverviewBar(CLodexView& view, QWidget* parent = nullptr);
  COverviewMap* Map() const { return m_map; }

 private:
  COverviewMap* m_map;
};

}  // namespace lodex
