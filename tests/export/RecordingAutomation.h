// A drawing-automation back end that records every call as a line of text.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "export/DrawingAutomation.h"

namespace lodex::testing {

class CRecordingAutomation : public CDrawingAutomation {
 public:
  bool startable = true;
  bool finishes = true;
  std::vector<std::string> calls;
  // Receives a copy of every call too, so a host can keep the record of a
  // back end that the command destroys.
  std::vector<std::string>* copy = nullptr;

  bool Start() override {
    Push("Start");
    return startable;
  }
  void SetVisible(bool v) override { Push(std::string("Visible ") + (v ? "1" : "0")); }
  void NewDocument(const std::string& t) override { Push("Document " + t); }
  void ActivePage() override { Push("Page"); }
  void DrawRectangle(double a, double b, double c, double d) override { Push("Rect " + Box(a, b, c, d)); }
  void DrawLine(double a, double b, double c, double d) override { Push("Line " + Box(a, b, c, d)); }
  void DrawOval(double a, double b, double c, double d) override { Push("Oval " + Box(a, b, c, d)); }
  void SetText(const std::string& t) override { Push("Text " + t); }
  void SetCellFormula(const std::string& c, const std::string& f) override { Push("Cell " + c + " " + f); }
  void SetStyle(const std::string& s) override { Push("Style " + s); }
  bool Finish() override {
    Push("Finish");
    return finishes;
  }

  size_t Count(const std::string& prefix) const {
    size_t n = 0;
    for (const std::string& c : calls) n += c.rfind(prefix, 0) == 0;
    return n;
  }
  bool Has(const std::string& call) const {
    for (const std::string& c : calls)
      if (c == call) return true;
    return false;
  }

  void Push(const std::string& call) {
    calls.push_back(call);
    if (copy) copy->push_back(call);
  }

  static std::string Box(double a, double b, double c, double d) {
    char text[96];
    std::snprintf(text, sizeof text, "%.2f %.2f %.2f %.2f", a, b, c, d);
    return text;
  }
};

}  // namespace lodex::testing
