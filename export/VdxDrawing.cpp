#include "export/VdxDrawing.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>

#include "export/DesktopOpen.h"
#include "export/XmlText.h"
#include "model/FileIo.h"

namespace lodex {
namespace {

constexpr double kMargin = 0.3;       // inches around the drawing
constexpr double kLineWeight = 0.01;  // inches
constexpr double kTextSize = 0.12;    // inches, near the screen's 14 units

std::string Cell(const char* name, double value) {
  return std::string("<") + name + ">" + XmlNumber(value) + "</" + name + ">";
}

std::string GeomPoint(const char* element, int ix, double x, double y) {
  return std::string("<") + element + " IX=\"" + std::to_string(ix) + "\">" + Cell("X", x) + Cell("Y", y) + "</" +
         element + ">";
}

}  // namespace

std::optional<Colour> ParseRgbFormula(const std::string& formula) {
  std::string f;
  for (char c : formula)
    if (!std::isspace(static_cast<unsigned char>(c)))
      f += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  int r = -1, g = -1, b = -1;
  char s1 = 0, s2 = 0, close = 0;
  int used = 0;
  if (std::sscanf(f.c_str(), "RGB(%d%c%d%c%d%c%n", &r, &s1, &g, &s2, &b, &close, &used) != 6) return std::nullopt;
  if (static_cast<size_t>(used) != f.size() || close != ')') return std::nullopt;
  if ((s1 != ';' && s1 != ',') || s2 != s1) return std::nullopt;
  if (r < 0 || r > 255 || g < 0 || g > 255 || b < 0 || b > 255) return std::nullopt;
  return Colour{static_cast<uint8_t>(r), static_cast<uint8_t>(g), static_cast<uint8_t>(b)};
}

void CVdxDrawing::NewDocument(const std::string& templateName) {
  m_template = templateName;
  m_shapes.clear();
}

void CVdxDrawing::Add(ShapeKind kind, double x1, double y1, double x2, double y2) {
  Shape s;
  s.kind = kind;
  s.x1 = x1;
  s.y1 = y1;
  s.x2 = x2;
  s.y2 = y2;
  m_shapes.push_back(std::move(s));
}

void CVdxDrawing::DrawRectangle(double x1, double y1, double x2, double y2) {
  Add(ShapeKind::Rectangle, x1, y1, x2, y2);
}
void CVdxDrawing::DrawLine(double x1, double y1, double x2, double y2) { Add(ShapeKind::Line, x1, y1, x2, y2); }
void CVdxDrawing::DrawOval(double x1, double y1, double x2, double y2) { Add(ShapeKind::Oval, x1, y1, x2, y2); }

void CVdxDrawing::SetText(const std::string& text) {
  if (!m_shapes.empty()) m_shapes.back().text = text;
}

void CVdxDrawing::SetCellFormula(const std::string& cell, const std::string& formula) {
  if (m_shapes.empty() || cell != "FillForegnd") return;
  if (auto colour = ParseRgbFormula(formula)) m_shapes.back().fill = colour;
}

void CVdxDrawing::SetStyle(const std::string& style) {
  if (!m_shapes.empty() && style == "None") m_shapes.back().plain = true;
}

std::string CVdxDrawing::Xml() const {
  double minX = 0, minY = 0, maxX = 8.26, maxY = 11.6;
  for (const Shape& s : m_shapes) {
    minX = std::min({minX, s.x1, s.x2});
    minY = std::min({minY, s.y1, s.y2});
    maxX = std::max({maxX, s.x1 + kMargin, s.x2 + kMargin});
    maxY = std::max({maxY, s.y1 + kMargin, s.y2 + kMargin});
  }
  const double dx = minX < 0 ? kMargin - minX : 0;
  const double dy = minY < 0 ? kMargin - minY : 0;

  std::string x;
  x += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  x += "<VisioDocument xmlns=\"http://schemas.microsoft.com/visio/2003/core\" xml:space=\"preserve\">\n";
  x += "<DocumentProperties><Title>" + XmlEscape(m_template) + "</Title></DocumentProperties>\n";
  x += "<FaceNames><FaceName ID=\"0\" Name=\"Arial\"/></FaceNames>\n";
  x += "<Pages><Page ID=\"0\" NameU=\"Page-1\" Name=\"Page-1\">\n<PageSheet><PageProps>" +
       Cell("PageWidth", maxX + dx) + Cell("PageHeight", maxY + dy) +
       "<PageScale>1</PageScale><DrawingScale>1</DrawingScale></PageProps></PageSheet>\n<Shapes>\n";
  int id = 1;
  for (const Shape& s : m_shapes) {
    const double left = std::min(s.x1, s.x2) + dx;
    const double bottom = std::min(s.y1, s.y2) + dy;
    const double w = std::abs(s.x2 - s.x1);
    const double h = std::abs(s.y2 - s.y1);
    x += "<Shape ID=\"" + std::to_string(id++) + "\" Type=\"Shape\">";
    x += "<XForm>" + Cell("PinX", left + w / 2) + Cell("PinY", bottom + h / 2) + Cell("Width", w) + Cell("Height", h) +
         Cell("LocPinX", w / 2) + Cell("LocPinY", h / 2) + "<Angle>0</Angle><FlipX>0</FlipX><FlipY>0</FlipY></XForm>";
    const bool line = s.kind == ShapeKind::Line;
    x += "<Line>" + Cell("LineWeight", kLineWeight) + "<LineColor>#000000</LineColor><LinePattern>" +
         (s.plain ? "0" : "1") + "</LinePattern></Line>";
    const Colour fill = s.fill.value_or(kWhite);
    x += "<Fill><FillForegnd>" + HexColour(fill) + "</FillForegnd><FillBkgnd>" + HexColour(fill) +
         "</FillBkgnd><FillPattern>" + (s.plain || line ? "0" : "1") + "</FillPattern></Fill>";
    if (!s.text.empty())
      x += "<Char IX=\"0\"><Font>0</Font><Color>#000000</Color>" + Cell("Size", kTextSize) + "</Char>";
    x += std::string("<Geom IX=\"0\"><NoFill>") + (line || s.plain ? "1" : "0") + "</NoFill><NoLine>" +
         (s.plain ? "1" : "0") + "</NoLine><NoShow>0</NoShow>";
    switch (s.kind) {
      case ShapeKind::Rectangle:
        x += GeomPoint("MoveTo", 1, 0, 0) + GeomPoint("LineTo", 2, w, 0) + GeomPoint("LineTo", 3, w, h) +
             GeomPoint("LineTo", 4, 0, h) + GeomPoint("LineTo", 5, 0, 0);
        break;
      case ShapeKind::Line: {
        // Local coordinates of the two ends inside the shape's box.
        const double ax = s.x1 + dx - left, ay = s.y1 + dy - bottom;
        const double bx = s.x2 + dx - left, by = s.y2 + dy - bottom;
        x += GeomPoint("MoveTo", 1, ax, ay) + GeomPoint("LineTo", 2, bx, by);
        break;
      }
      case ShapeKind::Oval:
        x += "<Ellipse IX=\"1\">" + Cell("X", w / 2) + Cell("Y", h / 2) + Cell("A", w) + Cell("B", h / 2) +
             Cell("C", w / 2) + Cell("D", h) + "</Ellipse>";
        break;
    }
    x += "</Geom>";
    if (!s.text.empty()) x += "<Text>" + XmlEscape(s.text) + "</Text>";
    x += "</Shape>\n";
  }
  x += "</Shapes>\n</Page></Pages>\n</VisioDocument>\n";
  return x;
}

Status CVdxDrawing::Save(const std::string& path) const { return WriteFileAtomically(path, Xml()); }

bool CVdxViewer::Start() { return !FindProgram(m_opener).empty(); }

bool CVdxViewer::Finish() {
  m_path = CreateTemporaryFile("lodex-drawing-", ".vdx");
  if (m_path.empty() || !Save(m_path)) return false;
  return OpenWithProgram(m_opener, m_path);
}

}  // namespace lodex
