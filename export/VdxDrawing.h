// A drawing-automation back end that builds a Visio XML drawing (*.vdx), the
// plain-XML drawing format that Visio and LibreOffice Draw both open.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "drawing/Canvas.h"
#include "export/DrawingAutomation.h"
#include "model/Status.h"

namespace lodex {

class CVdxDrawing : public CDrawingAutomation {
 public:
  enum class ShapeKind { Rectangle, Line, Oval };
  struct Shape {
    ShapeKind kind = ShapeKind::Rectangle;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::string text;
    std::optional<Colour> fill;  // from a "FillForegnd" formula
    bool plain = false;          // style "None": no line, no fill
  };

  bool Start() override { return true; }
  void SetVisible(bool) override {}
  void NewDocument(const std::string& templateName) override;
  void ActivePage() override {}
  void DrawRectangle(double x1, double y1, double x2, double y2) override;
  void DrawLine(double x1, double y1, double x2, double y2) override;
  void DrawOval(double x1, double y1, double x2, double y2) override;
  void SetText(const std::string& text) override;
  void SetCellFormula(const std::string& cell, const std::string& formula) override;
  void SetStyle(const std::string& style) override;
  bool Finish() override { return true; }

  const std::vector<Shape>& Shapes() const { return m_shapes; }
  // The document: one page that holds every shape. The page grows to the
  // drawing, and a drawing that reaches below the page's bottom is moved up
  // as a whole, so nothing falls off the page.
  std::string Xml() const;
  Status Save(const std::string& path) const;

 private:
  void Add(ShapeKind kind, double x1, double y1, double x2, double y2);

  std::string m_template;
  std::vector<Shape> m_shapes;
};

// "RGB(r; g; b)" or "RGB(r, g, b)" with components 0..255.
std::optional<Colour> ParseRgbFormula(const std::string& formula);

// The *.vdx back end that stands in for the drawing program on the desktop:
// it writes the finished drawing to a new temporary file and hands that to
// `opener` (by default the desktop's "xdg-open"), run directly without a shell.
// It cannot start when the opener is not on the search path; it fails to
// finish when the file cannot be written or the opener reports failure.
class CVdxViewer : public CVdxDrawing {
 public:
  explicit CVdxViewer(std::string opener = "xdg-open") : m_opener(std::move(opener)) {}
  bool Start() override;
  bool Finish() override;
  // The file handed to the opener by the last Finish.
  const std::string& FilePath() const { return m_path; }

 private:
  std::string m_opener;
  std::string m_path;
};

}  // namespace lodex
