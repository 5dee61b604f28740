// The trace of one computation ("generating.log"): one line per event.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarrow {

class SchLog {
 public:
  virtual ~SchLog() = default;
  // Writes `text` and a line break.
  virtual void Line(std::string_view text) = 0;
};

// Keeps the lines in memory, for tests.
class SchMemoryLog : public SchLog {
 public:
  void Line(std::string_view text) override { lines.emplace_back(text); }
  std::vector<std::string> lines;
};

// Drops every line.
class SchNullLog : public SchLog {
 public:
  void Line(std::string_view) override {}
};

// Ends the computation: logs the reason it fails and returns false.
inline bool LogFailure(SchLog& log, std::string_view reason) {
  log.Line(std::string("Error: ").append(reason));
  return false;
}

}  // namespace tarrow
