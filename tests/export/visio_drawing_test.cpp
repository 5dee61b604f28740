#include <gtest/gtest.h>

#include <algorithm>
#include <deque>

#include "RecordingAutomation.h"
#include "app/LodexDoc.h"
#include "app/ScriptedHost.h"
#include "drawing/SchemeBuilders.h"
#include "export/VisioDrawing.h"

namespace lodex {
namespace {

using testing::CRecordingAutomation;
using testing::LogicBlock;
using testing::MakeScheme;

TEST(VisioDrawing, PagePointsAreInchesFromThePageTop) {
  // The block at (20, 20, 70, 60) becomes the rectangle (0.2, 11.0)-(0.7, 11.4).
  EXPECT_DOUBLE_EQ(PageX(20), 0.2);
  EXPECT_DOUBLE_EQ(PageY(60), 11.0);
  EXPECT_DOUBLE_EQ(PageX(70), 0.7);
  EXPECT_DOUBLE_EQ(PageY(20), 11.4);
}

TEST(VisioDrawing, OneBlockProjectCallByCall) {
  CRecordingAutomation a;
  ASSERT_TRUE(DrawSchemeInVisio(CLogicalScheme(2, 1, "Bl_1", "0110"), true, a));
  const std::vector<std::string> expected = {
      "Start", "Visible 1", "Document Basic Diagram.vst", "Page",
      // the block, its label and white fill
      "Rect 0.60 10.80 1.10 11.40", "Text =1", "Cell FillForegnd RGB(255; 255; 255)",
      // input 0: the stub and its weight box
      "Line 0.60 11.00 0.34 11.00", "Rect 0.10 11.08 0.40 10.90", "Text 1", "Cell FillForegnd RGB(255; 255; 255)",
      "Style None",
      // input 1
      "Line 0.60 11.20 0.34 11.20", "Rect 0.10 11.28 0.40 11.10", "Text 2", "Cell FillForegnd RGB(255; 255; 255)",
      "Style None",
      // the output wire and the output's weight box right of the diagram
      "Line 1.60 11.10 1.49 11.10", "Line 1.10 11.10 1.50 11.10", "Rect 1.70 11.18 2.00 11.00", "Text 1",
      "Cell FillForegnd RGB(255; 255; 255)", "Style None", "Finish"};
  EXPECT_EQ(a.calls, expected);
}

TEST(VisioDrawing, WithoutLevelsThereAreNoJunctionsOrSegments) {
  CRecordingAutomation a;
  DrawSchemeInVisio(
      MakeScheme(3, {LogicBlock("P", "0001", {{0, "I"}, {1, "I"}}), LogicBlock("Q", "0111", {{1, "I"}, {2, "I"}})},
                 {{0, "P"}, {0, "Q"}}),
      true, a);
  EXPECT_EQ(a.Count("Oval"), 0u);
  EXPECT_EQ(a.Count("Cell FillForegnd RGB(0; 0; 0)"), 0u);
  // Four stubs of one line each; two output wires of two lines each (into
  // the right edge, and out of the block).
  EXPECT_EQ(a.Count("Line"), 4u + 2 * 2);
  EXPECT_EQ(a.Count("Rect"), 2u + 4 + 2);
}

TEST(VisioDrawing, JunctionsAreBlackCirclesAndInversionsPlainOnes) {
  CRecordingAutomation a;
  DrawSchemeInVisio(
      MakeScheme(2,
                 {LogicBlock("B", "1001", {{0, "A"}, {0, "S"}}), LogicBlock("A", "0010", {{0, "S"}, {0, "I"}}),
                  LogicBlock("S", "0111", {{0, "I"}, {1, "I"}})},
                 {{0, "B"}}),
      true, a);
  // The junction at (130, 120), radius 2.
  const auto at = std::find(a.calls.begin(), a.calls.end(), "Oval 1.32 10.42 1.28 10.38");
  ASSERT_NE(at, a.calls.end());
  EXPECT_EQ(*(at + 1), "Cell FillForegnd RGB(0; 0; 0)");
  // A's input 0 is inverted: on the pin (150, 120); B is an inverted
  // exclusive-OR: centred on its output (290, 50).
  EXPECT_TRUE(a.Has("Oval 1.46 10.44 1.54 10.36"));
  EXPECT_TRUE(a.Has("Oval 2.86 11.14 2.94 11.06"));
  EXPECT_EQ(a.Count("Oval"), 3u);
  EXPECT_EQ(a.Count("Cell FillForegnd RGB(0; 0; 0)"), 1u);
}

// A host whose drawing program is a recording that outlives the command.
class CDrawingHost : public test::CScriptedHost {
 public:
  std::unique_ptr<CDrawingAutomation> CreateDrawingProgram() override {
    auto program = std::make_unique<CRecordingAutomation>();
    program->copy = &programs.emplace_back();
    return program;
  }
  std::deque<std::vector<std::string>> programs;  // the calls each program received
};

// A host whose drawing program is a recording that fails to start or to
// take the drawing.
class CFailingDrawingHost : public test::CScriptedHost {
 public:
  bool startable = true;
  std::unique_ptr<CDrawingAutomation> CreateDrawingProgram() override {
    auto program = std::make_unique<CRecordingAutomation>();
    program->startable = startable;
    program->finishes = false;
    return program;
  }
};

TEST(VisioDrawing, AProgramThatCannotStartOrTakeTheDrawingIsReported) {
  CRecordingAutomation missing;
  missing.startable = false;
  EXPECT_FALSE(DrawSchemeInVisio(CLogicalScheme(2, 1, "Bl_1", "0110"), true, missing));
  EXPECT_EQ(missing.calls, std::vector<std::string>{"Start"});

  CFailingDrawingHost host;
  CLodexDoc doc(host);
  ASSERT_TRUE(doc.FinishNewProject({"xor", 2, 1, "0110"}));
  for (bool startable : {false, true}) {
    host.startable = startable;
    host.messages.clear();
    EXPECT_TRUE(doc.OnCommand(CommandId::Visio));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(MessageText(host.messages[0]), "Ошибка при старте Visio!");
    EXPECT_EQ(host.messages[0].caption, "Lodex");
    EXPECT_EQ(host.messages[0].buttons, MessageButtons::Ok);
  }
}

TEST(VisioDrawing, DocumentCommandDrawsANewDrawingEachTime) {
  CDrawingHost host;
  CLodexDoc doc(host);
  doc.OnNewDocument();
  EXPECT_FALSE(doc.IsEnabled(CommandId::Visio));
  EXPECT_FALSE(doc.OnCommand(CommandId::Visio));
  EXPECT_TRUE(host.programs.empty());

  ASSERT_TRUE(doc.FinishNewProject({"xor", 2, 1, "0110"}));
  doc.SetModifiedFlag(false);
  host.settings = SettingsChoice{true, false};
  doc.OnCommand(CommandId::Settings);
  const CLogicalScheme before = doc.Scheme();
  ASSERT_TRUE(doc.IsEnabled(CommandId::Visio));
  EXPECT_TRUE(doc.OnCommand(CommandId::Visio));
  EXPECT_TRUE(doc.OnCommand(CommandId::Visio));
  ASSERT_EQ(host.programs.size(), 2u);
  for (const auto& calls : host.programs) {
    EXPECT_EQ(calls.front(), "Start");
    EXPECT_EQ(calls[2], "Document Basic Diagram.vst");
    EXPECT_NE(std::find(calls.begin(), calls.end(), "Text " + before.GetBlock(1).m_caption), calls.end());
    EXPECT_EQ(calls.back(), "Finish");
  }
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(doc.Scheme(), before);
  EXPECT_FALSE(doc.IsModified());
}

}  // namespace
}  // namespace lodex
