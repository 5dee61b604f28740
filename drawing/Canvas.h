// The surface that the scheme drawing and the dialog previews paint on.
//
// Coordinates are integers in the drawing's own units (logical pixels);
// the surface maps them to the screen, a file or a recording. State works as
// on a device context: the pen, brush and font set last stay in force.
#pragma once

#include <cstdint>
#include <string>

namespace lodex {

struct Colour {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  bool operator==(const Colour&) const = default;
};

inline constexpr Colour kBlack{0, 0, 0};
inline constexpr Colour kWhite{255, 255, 255};
inline constexpr Colour kBlue{0, 0, 255};

// A solid pen; an invisible pen draws no outlines.
struct Pen {
  Colour colour = kBlack;
  int width = 1;
  bool visible = true;
  bool operator==(const Pen&) const = default;
};

// A solid brush; an invisible brush leaves shapes unfilled.
struct Brush {
  Colour colour = kWhite;
  bool visible = true;
  bool operator==(const Brush&) const = default;
};

// A font by family, cell height in units and weight (400 normal, 700 bold).
struct Font {
  std::string family;
  int height = 14;
  int weight = 400;
  bool operator==(const Font&) const = default;
};

// Horizontal placement of a text against its x; y is always the text's top.
enum class TextAlign { Left, Centre };

class CCanvas {
 public:
  virtual ~CCanvas() = default;
  virtual void SetPen(const Pen& pen) = 0;
  virtual void SetBrush(const Brush& brush) = 0;
  virtual void SetFont(const Font& font) = 0;
  // Outlined with the pen and filled with the brush.
  virtual void Rectangle(int left, int top, int right, int bottom) = 0;
  virtual void Line(int x1, int y1, int x2, int y2) = 0;
  // The ellipse inscribed in the box, outlined and filled like a rectangle.
  virtual void Ellipse(int left, int top, int right, int bottom) = 0;
  // UTF-8 text in black.
  virtual void Text(int x, int y, const std::string& text, TextAlign align = TextAlign::Left) = 0;
};

}  // namespace lodex
