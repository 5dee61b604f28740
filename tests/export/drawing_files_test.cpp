// The drawing files as other programs read them: the Visio XML drawings
// through libvisio's command-line tools, the SVG pictures through an XML
// checker and an SVG renderer.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>

#include "ToolRunner.h"
#include "drawing/SchemeBuilders.h"
#include "export/SvgCanvas.h"
#include "export/VdxDrawing.h"
#include "export/VisioDrawing.h"
#include "export/XmlText.h"
#include "model/FileIo.h"

namespace lodex {
namespace {

using testing::CTempDir;
using testing::RunTool;

std::vector<CLogicalScheme> SampleSchemes() {
  using testing::LogicBlock;
  std::vector<CLogicalScheme> schemes;
  schemes.push_back(CLogicalScheme(2, 1, "Bl_1", "0110"));
  schemes.push_back(testing::MakeScheme(
      3, {LogicBlock("M", "00110101", {{0, "I"}, {1, "I"}, {2, "I"}}), LogicBlock("G", "0010", {{0, "I"}, {1, "I"}})},
      {{0, "M"}, {0, "G"}, {2, "I"}}));
  for (unsigned seed : {7u, 38u}) {
    std::mt19937 rng(seed);
    schemes.push_back(testing::DecomposedScheme(rng, 6, 2, seed == 38));
  }
  return schemes;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);)
    if (!line.empty()) lines.push_back(line);
  return lines;
}

size_t Occurrences(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size())) ++n;
  return n;
}

TEST(DrawingFiles, VisioDrawingsAreReadByLibvisio) {
  ASSERT_TRUE(testing::ToolInstalled("vsd2text") && testing::ToolInstalled("vsd2raw"))
      << "libvisio-tools is missing: run scripts/install-deps.sh";
  CTempDir dir;
  int index = 0;
  for (const CLogicalScheme& scheme : SampleSchemes()) {
    SCOPED_TRACE("scheme " + std::to_string(index));
    CVdxDrawing vdx;
    ASSERT_TRUE(DrawSchemeInVisio(scheme, true, vdx));
    const std::string path = dir.File("scheme" + std::to_string(index++) + ".vdx");
    ASSERT_TRUE(vdx.Save(path));

    std::vector<std::string> texts;
    size_t lines = 0, ovals = 0, outlined = 0;
    for (const CVdxDrawing::Shape& s : vdx.Shapes()) {
      if (!s.text.empty()) texts.push_back(s.text);
      if (s.kind == CVdxDrawing::ShapeKind::Line) ++lines;
      if (s.kind == CVdxDrawing::ShapeKind::Oval) ++ovals;
      if (s.kind == CVdxDrawing::ShapeKind::Rectangle && !s.plain) ++outlined;
    }
    ASSERT_GT(lines, 0u);

    // Every text comes back, Cyrillic included, in drawing order.
    const testing::CliResult text = RunTool("vsd2text", {path});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(Lines(text.out), texts);

    // The shapes: a line is one path; a filled, outlined shape is a fill
    // path and an outline path; a borderless text box is text only.
    const testing::CliResult raw = RunTool("vsd2raw", {path});
    ASSERT_EQ(raw.status, 0) << raw.err;
    EXPECT_EQ(Occurrences(raw.out, "drawPath"), lines + 2 * (ovals + outlined));
    EXPECT_EQ(Occurrences(raw.out, "insertText"), texts.size());
    EXPECT_EQ(Occurrences(raw.out, "startPage"), 1u);
  }
}

TEST(DrawingFiles, SvgPicturesAreWellFormedAndRender) {
  ASSERT_TRUE(testing::ToolInstalled("rsvg-convert") && testing::ToolInstalled("xmllint"))
      << "librsvg2-bin or libxml2-utils is missing: run scripts/install-deps.sh";
  CTempDir dir;
  int index = 0;
  for (const CLogicalScheme& scheme : SampleSchemes()) {
    SCOPED_TRACE("scheme " + std::to_string(index));
    CSchemeDrawing drawing;
    drawing.Layout(scheme, true);
    const std::string svg = dir.File("scheme" + std::to_string(index) + ".svg");
    const std::string png = dir.File("scheme" + std::to_string(index++) + ".png");
    ASSERT_TRUE(WriteFileAtomically(svg, SchemeSvg(drawing, 1)));
    const testing::CliResult lint = RunTool("xmllint", {"--noout", svg});
    EXPECT_EQ(lint.status, 0) << lint.err;
    const testing::CliResult render = RunTool("rsvg-convert", {"-o", png, svg});
    ASSERT_EQ(render.status, 0) << render.err;
    const std::string image = testing::ReadBytes(png);
    ASSERT_GT(image.size(), 24u);
    EXPECT_EQ(image.substr(1, 3), "PNG");
    // The picture's size from the image header: the diagram and its margins.
    auto big = [&](size_t at) {
      return (static_cast<uint8_t>(image[at]) << 24) | (static_cast<uint8_t>(image[at + 1]) << 16) |
             (static_cast<uint8_t>(image[at + 2]) << 8) | static_cast<uint8_t>(image[at + 3]);
    };
    EXPECT_GE(static_cast<int>(big(16)), drawing.Width() + 30);
    EXPECT_EQ(static_cast<int>(big(20)), drawing.Height() + 20);
  }
}

TEST(DrawingFiles, VisioPagesGrowAndMoveToHoldTallDiagrams) {
  CVdxDrawing vdx;
  vdx.NewDocument("Basic Diagram.vst");
  vdx.DrawRectangle(0.2, -3.0, 0.7, 11.4);
  const std::string xml = vdx.Xml();
  EXPECT_NE(xml.find("<PageHeight>15</PageHeight>"), std::string::npos);  // 14.4 tall and a margin each side
  EXPECT_NE(xml.find("<PinY>7.5</PinY>"), std::string::npos);             // moved up by 3.3
}

TEST(DrawingFiles, FillFormulasAndStyles) {
  EXPECT_EQ(ParseRgbFormula("RGB(255; 255; 255)"), (Colour{255, 255, 255}));
  EXPECT_EQ(ParseRgbFormula("rgb(0,0,0)"), (Colour{0, 0, 0}));
  EXPECT_EQ(ParseRgbFormula("RGB(1; 2, 3)"), std::nullopt);
  EXPECT_EQ(ParseRgbFormula("RGB(256; 0; 0)"), std::nullopt);
  EXPECT_EQ(ParseRgbFormula("RGB(1; 2; 3) + 1"), std::nullopt);
  CVdxDrawing vdx;
  vdx.SetText("ignored without a shape");
  vdx.DrawOval(0, 0, 1, 1);
  vdx.SetCellFormula("FillForegnd", "RGB(0; 0; 0)");
  vdx.DrawRectangle(0, 0, 1, 1);
  vdx.SetStyle("None");
  ASSERT_EQ(vdx.Shapes().size(), 2u);
  EXPECT_EQ(vdx.Shapes()[0].fill, (Colour{0, 0, 0}));
  EXPECT_TRUE(vdx.Shapes()[1].plain);
  EXPECT_NE(vdx.Xml().find("<FillForegnd>#000000</FillForegnd>"), std::string::npos);
}

TEST(DrawingFiles, XmlTextIsEscapedAndAlwaysValidUtf8) {
  EXPECT_EQ(XmlEscape("a<b & \"c\" 'd'>"), "a&lt;b &amp; &quot;c&quot; &apos;d&apos;&gt;");
  EXPECT_EQ(XmlEscape("Блок 1"), "Блок 1");
  EXPECT_EQ(XmlEscape("\xC1\xEB"), "\xEF\xBF\xBD\xEF\xBF\xBD");                  // Windows-1251 bytes, not UTF-8
  EXPECT_EQ(XmlEscape("\xD0"), "\xEF\xBF\xBD");                                  // cut short
  EXPECT_EQ(XmlEscape("\xED\xA0\x80"), "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD");  // a surrogate
  EXPECT_EQ(XmlEscape(std::string("a\x01\x1F"
                                  "b\tc")),
            "ab\tc");
  EXPECT_EQ(XmlNumber(11.6 - 0.2), "11.4");
  EXPECT_EQ(XmlNumber(-0.00001), "0");
  EXPECT_EQ(XmlNumber(3.0), "3");
  EXPECT_EQ(XmlNumber(0.125), "0.125");
}

// A caption's bytes that are not UTF-8, and its control characters, are
// drawn escaped, as the program's view shows them.
TEST(DrawingFiles, CaptionsThatAreNotUtf8StillGiveReadableFiles) {
  CLogicalScheme scheme(2, 1, "Bl_1", "0110");
  scheme.GetBlock(1).m_caption = "\xC1\xEB<&>\n";
  const std::string shown = "\\xC1\\xEB&lt;&amp;&gt;\\n";
  CVdxDrawing vdx;
  DrawSchemeInVisio(scheme, false, vdx);
  EXPECT_NE(vdx.Xml().find(shown), std::string::npos);
  CSchemeDrawing d;
  d.Layout(scheme, false);
  EXPECT_NE(SchemeSvg(d).find(shown), std::string::npos);
}

}  // namespace
}  // namespace lodex
