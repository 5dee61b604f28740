// A canvas that records every call, for assertions on coordinates.
#pragma once

#include <string>
#include <vector>

#include "drawing/Canvas.h"

namespace lodex::testing {

class CRecordingCanvas : public CCanvas {
 public:
  enum class Kind { Rectangle, Line, Ellipse, Text };
  struct Op {
    Kind kind;
    int a, b, c, d;  // box or end points; text: x, y
    std::string text;
    TextAlign align = TextAlign::Left;
    Pen pen;
    Brush brush;
    Font font;
  };

  void SetPen(const Pen& pen) override { m_pen = pen; }
  void SetBrush(const Brush& brush) override { m_brush = brush; }
  void SetFont(const Font& font) override { m_font = font; }
  void Rectangle(int l, int t, int r, int b) override { Add(Kind::Rectangle, l, t, r, b); }
  void Line(int x1, int y1, int x2, int y2) override { Add(Kind::Line, x1, y1, x2, y2); }
  void Ellipse(int l, int t, int r, int b) override { Add(Kind::Ellipse, l, t, r, b); }
  void Text(int x, int y, const std::string& text, TextAlign align) override {
    Add(Kind::Text, x, y, 0, 0);
    ops.back().text = text;
    ops.back().align = align;
  }

  std::vector<Op> Of(Kind kind) const {
    std::vector<Op> out;
    for (const Op& op : ops)
      if (op.kind == kind) out.push_back(op);
    return out;
  }
  // The text drawn at (x, y), or "" when there is none.
  std::string TextAt(int x, int y) const {
    for (const Op& op : ops)
      if (op.kind == Kind::Text && op.a == x && op.b == y) return op.text;
    return {};
  }
  bool HasEllipse(int l, int t, int r, int b) const {
    for (const Op& op : ops)
      if (op.kind == Kind::Ellipse && op.a == l && op.b == t && op.c == r && op.d == b) return true;
    return false;
  }

  std::vector<Op> ops;

 private:
  void Add(Kind kind, int a, int b, int c, int d) {
    ops.push_back({kind, a, b, c, d, {}, TextAlign::Left, m_pen, m_brush, m_font});
  }

  Pen m_pen;
  Brush m_brush;
  Font m_font;
};

}  // namespace lodex::testing
