// The calls the drawing export makes on a drawing program's automation
// interface. Coordinates are page inches, y upwards; each Draw call makes the
// new shape the current one, and the text, cell and style calls act on it.
#pragma once

#include <string>

namespace lodex {

class CDrawingAutomation {
 public:
  virtual ~CDrawingAutomation() = default;
  // Starts or attaches to the program; false when it cannot be started.
  virtual bool Start() = 0;
  virtual void SetVisible(bool visible) = 0;
  // A new document from the named template, and its page as the target.
  virtual void NewDocument(const std::string& templateName) = 0;
  virtual void ActivePage() = 0;
  virtual void DrawRectangle(double x1, double y1, double x2, double y2) = 0;
  virtual void DrawLine(double x1, double y1, double x2, double y2) = 0;
  virtual void DrawOval(double x1, double y1, double x2, double y2) = 0;
  virtual void SetText(const std::string& text) = 0;
  // A formula such as "RGB(255; 255; 255)" into the named cell ("FillForegnd").
  virtual void SetCellFormula(const std::string& cell, const std::string& formula) = 0;
  virtual void SetStyle(const std::string& style) = 0;
  // The drawing is complete: the program shows it. False when that failed.
  virtual bool Finish() = 0;
};

}  // namespace lodex
