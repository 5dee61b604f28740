// The trace of one computation ("generating.log"): one line per event, and
// the reason the computation was refused.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/PrintableText.h"

namespace tarrow {

class SchLog {
 public:
  virtual ~SchLog() = default;
  // Writes `text` and a line break.
  virtual void Line(std::string_view text) = 0;
  // Writes "Error: " and the reason, and keeps the reason.
  virtual void Refuse(std::string_view reason) {
    m_refusal = reason;
    Line(std::string("Error: ").append(reason));
  }
  // False once lines are dropped (no trace, or a full one): a caller may
  // then skip building them.
  virtual bool Tracing() const { return true; }
  // The reason of the last refusal; empty when there was none.
  const std::string& Refusal() const { return m_refusal; }

 private:
  std::string m_refusal;
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
  bool Tracing() const override { return false; }
};

// Writes to another log, and puts `prefix` before its refusals: the trace of
// a sub-schematic inside the trace of the schematic that uses it.
class SchPrefixLog : public SchLog {
 public:
  SchPrefixLog(SchLog& to, std::string prefix) : m_to(to), m_prefix(std::move(prefix)) {}
  void Line(std::string_view text) override { m_to.Line(text); }
  bool Tracing() const override { return m_to.Tracing(); }
  void Refuse(std::string_view reason) override { m_to.Refuse(m_prefix + std::string(reason)); }

 private:
  SchLog& m_to;
  std::string m_prefix;
};

// Ends the computation: logs the reason it fails and returns false.
inline bool LogFailure(SchLog& log, std::string_view reason) {
  log.Refuse(reason);
  return false;
}

// A name from the schematic as a message shows it: control characters (and
// bytes that are not UTF-8) escaped as everywhere else in the program, so a
// message stays one line.
inline std::string ShownName(std::string_view name) { return lodex::PrintableText(name); }

}  // namespace tarrow
