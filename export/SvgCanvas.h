// A canvas that writes an SVG picture, one unit a pixel.
#pragma once

#include <string>

#include "drawing/Canvas.h"
#include "drawing/SchemeDrawing.h"
#include "model/Status.h"

namespace lodex {

class CSvgCanvas : public CCanvas {
 public:
  // A white picture of width x height units.
  CSvgCanvas(int width, int height);

  void SetPen(const Pen& pen) override { m_pen = pen; }
  void SetBrush(const Brush& brush) override { m_brush = brush; }
  void SetFont(const Font& font) override { m_font = font; }
  void Rectangle(int left, int top, int right, int bottom) override;
  void Line(int x1, int y1, int x2, int y2) override;
  void Ellipse(int left, int top, int right, int bottom) override;
  void Text(int x, int y, const std::string& text, TextAlign align) override;

  // The whole document, UTF-8.
  std::string Svg() const;
  Status Save(const std::string& path) const;

 private:
  std::string Stroke() const;
  std::string FillAndStroke() const;

  int m_width;
  int m_height;
  Pen m_pen;
  Brush m_brush;
  Font m_font{"Arial", 14, 400};
  std::string m_body;
};

// The size of a picture of the laid-out diagram at 100 %: the view's scroll
// size, widened where the output labels right of the diagram need more room.
Point SchemePictureSize(const CSchemeDrawing& drawing);

// The laid-out diagram as the view paints it at 100 %, in a picture of
// SchemePictureSize.
std::string SchemeSvg(const CSchemeDrawing& drawing, int selectedIndex = -1);

}  // namespace lodex
