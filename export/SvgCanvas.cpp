#include "export/SvgCanvas.h"

#include <algorithm>
#include <cstdlib>

#include "export/XmlText.h"
#include "model/FileIo.h"
#include "model/WeightText.h"

namespace lodex {
namespace {

std::string Num(int v) { return std::to_string(v); }

// The family the program asks for, then metric-compatible and generic ones,
// so that any desktop finds a font with Cyrillic letters.
std::string FamilyList(const std::string& family) {
  std::string list = "'" + XmlEscape(family) + "'";
  if (family != "Arial") list += ", Arial";
  return list + ", 'Liberation Sans', 'DejaVu Sans', sans-serif";
}

}  // namespace

CSvgCanvas::CSvgCanvas(int width, int height) : m_width(std::max(width, 1)), m_height(std::max(height, 1)) {}

std::string CSvgCanvas::Stroke() const {
  if (!m_pen.visible) return " stroke=\"none\"";
  return " stroke=\"" + HexColour(m_pen.colour) + "\" stroke-width=\"" + Num(std::max(m_pen.width, 1)) + "\"";
}

std::string CSvgCanvas::FillAndStroke() const {
  return std::string(" fill=\"") + (m_brush.visible ? HexColour(m_brush.colour) : "none") + "\"" + Stroke();
}

void CSvgCanvas::Rectangle(int left, int top, int right, int bottom) {
  const int l = std::min(left, right), t = std::min(top, bottom);
  m_body += "<rect x=\"" + Num(l) + "\" y=\"" + Num(t) + "\" width=\"" + Num(std::abs(right - left)) + "\" height=\"" +
            Num(std::abs(bottom - top)) + "\"" + FillAndStroke() + "/>\n";
}

void CSvgCanvas::Line(int x1, int y1, int x2, int y2) {
  m_body += "<line x1=\"" + Num(x1) + "\" y1=\"" + Num(y1) + "\" x2=\"" + Num(x2) + "\" y2=\"" + Num(y2) + "\"" +
            Stroke() + "/>\n";
}

void CSvgCanvas::Ellipse(int left, int top, int right, int bottom) {
  m_body += "<ellipse cx=\"" + XmlNumber((left + right) / 2.0) + "\" cy=\"" + XmlNumber((top + bottom) / 2.0) +
            "\" rx=\"" + XmlNumber(std::abs(right - left) / 2.0) + "\" ry=\"" +
            XmlNumber(std::abs(bottom - top) / 2.0) + "\"" + FillAndStroke() + "/>\n";
}

void CSvgCanvas::Text(int x, int y, const std::string& text, TextAlign align) {
  // The font height is the character cell; the em is about 0.9 of it and
  // the baseline about 0.8 of it below the cell's top.
  const double size = m_font.height * 0.9;
  m_body += "<text x=\"" + Num(x) + "\" y=\"" + XmlNumber(y + m_font.height * 0.8, 1) + "\" font-family=\"" +
            FamilyList(m_font.family) + "\" font-size=\"" + XmlNumber(size, 1) + "\" font-weight=\"" +
            Num(m_font.weight) + "\"" + (align == TextAlign::Centre ? " text-anchor=\"middle\"" : "") +
            " fill=\"#000000\" stroke=\"none\">" + XmlEscape(text) + "</text>\n";
}

std::string CSvgCanvas::Svg() const {
  std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  svg += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + Num(m_width) + "\" height=\"" +
         Num(m_height) + "\" viewBox=\"0 0 " + Num(m_width) + " " + Num(m_height) + "\">\n";
  svg += "<rect x=\"0\" y=\"0\" width=\"" + Num(m_width) + "\" height=\"" + Num(m_height) + "\" fill=\"#ffffff\"/>\n";
  // Half a unit across, so one-unit lines on whole coordinates stay sharp.
  svg += "<g transform=\"translate(0.5 0.5)\">\n" + m_body + "</g>\n</svg>\n";
  return svg;
}

Point SchemePictureSize(const CSchemeDrawing& drawing) {
  // An output label "2048" needs about 8 units a character after its 10.
  size_t longest = 0;
  for (int k : drawing.OutputWeights()) longest = std::max(longest, WeightText(k).size());
  return {std::max(drawing.Width() + 30, drawing.Width() + 10 + 8 * static_cast<int>(longest) + 8),
          drawing.Height() + 20};
}

std::string SchemeSvg(const CSchemeDrawing& drawing, int selectedIndex) {
  const Point size = SchemePictureSize(drawing);
  CSvgCanvas canvas(size.x, size.y);
  drawing.Paint(canvas, selectedIndex);
  drawing.PaintWires(canvas);
  return canvas.Svg();
}

Status CSvgCanvas::Save(const std::string& path) const { return WriteFileAtomically(path, Svg()); }

}  // namespace lodex
