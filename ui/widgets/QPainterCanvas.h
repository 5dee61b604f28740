// The drawing surface on a QPainter: the scheme view and its pictures paint
// through it, and so can any other drawing made for a CCanvas.
#pragma once

#include <QFont>
#include <QPen>
#include <QPoint>
#include <QRectF>
#include <QStaticText>
#include <string>
#include <unordered_map>

#include "drawing/Canvas.h"
#include "drawing/SchemeDrawing.h"
#include "drawing/SignalHighlight.h"

class QPainter;

namespace lodex {

// Lines and boxes are drawn without antialiasing, so that one-unit lines on
// whole coordinates stay one crisp pixel at 100 % (and two on a display of
// double density); circles and text are smoothed. A pen that zooming out
// would make thinner than a pixel of the screen is drawn one pixel wide.
// Shapes and texts wholly outside the device are skipped.
class CQPainterCanvas : public CCanvas {
 public:
  // Paints on `painter` in its current transformation; the painter must
  // outlive the canvas.
  explicit CQPainterCanvas(QPainter& painter);

  void SetPen(const Pen& pen) override;
  void SetBrush(const Brush& brush) override;
  void SetFont(const Font& font) override;
  void Rectangle(int left, int top, int right, int bottom) override;
  void Line(int x1, int y1, int x2, int y2) override;
  void Ellipse(int left, int top, int right, int bottom) override;
  void Text(int x, int y, const std::string& text, TextAlign align = TextAlign::Left) override;

  // The Qt font for `font`: its family with metric-compatible fallbacks, and
  // a pixel size at which the character cell (ascent + descent) is the
  // font's height, as the drawing means it.
  static QFont ToQFont(const Font& font);

  // Pens set from now on are drawn `opacity` (0..1) of the way from white
  // to their colour: opaque, so faded lines cost no blending.
  void SetFade(double opacity) { m_fade = opacity; }

 private:
  void Smooth(bool on);
  bool Visible(double left, double top, double right, double bottom) const;

  QPainter& m_painter;
  QRectF m_visible;  // the device's area in drawing units
  QPen m_pen;
  bool m_smooth = false;
  double m_fade = 1.0;
  Font m_fontSpec;
  QFont m_font;
  std::unordered_map<std::string, QStaticText> m_texts;
};

// How strongly the wires are drawn at `scale` (device pixels per diagram
// unit): below a fifth, wires 20 units apart fall closer than a pixel and
// would merge into a black band, so they are faded toward white.
double WireOpacity(double scale);

// The laid-out diagram as the view shows it: on white, at `zoom` percent,
// scrolled so that device point (0, 0) shows diagram point `scroll` (in
// zoomed units), with `selectedIndex` in blue and the wires of `highlight`
// over it. An empty layout paints only the white.
void PaintScheme(QPainter& painter, const CSchemeDrawing& drawing, int selectedIndex, double zoom = 100,
                 QPoint scroll = {}, const std::vector<PinRef>& highlight = {});

}  // namespace lodex
