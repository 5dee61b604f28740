// The trace of one computation ("generating.log"): one line per event, and
// the reason the computation was refused.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/PrintableText.h"
#include "model/Status.h"

namespace tarrow {

using lodex::Reason;
using lodex::ReasonCode;

class SchLog {
 public:
  virtual ~SchLog() = default;
  // Writes `text` and a line break.
  virtual void Line(std::string_view text) = 0;
  // Writes "Error: " and the reason in English, and keeps the reason.
  virtual void Refuse(const Reason& reason) {
    m_refusal = reason;
    Line("Error: " + lodex::EnglishText(reason));
  }
  // False once lines are dropped (no trace, or a full one): a caller may
  // then skip building them.
  virtual bool Tracing() const { return true; }
  // The reason of the last refusal; none when there was none.
  const std::optional<Reason>& Refusal() const { return m_refusal; }

 private:
  std::optional<Reason> m_refusal;
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

// Writes to another log, and refuses there with the file named: the trace of
// a sub-schematic inside the trace of the schematic that uses it.
class SchSubLog : public SchLog {
 public:
  SchSubLog(SchLog& to, std::string file) : m_to(to), m_file(std::move(file)) {}
  void Line(std::string_view text) override { m_to.Line(text); }
  bool Tracing() const override { return m_to.Tracing(); }
  void Refuse(const Reason& reason) override { m_to.Refuse(Reason(ReasonCode::SchInSubSchematic, {m_file, reason})); }

 private:
  SchLog& m_to;
  std::string m_file;
};

// Ends the computation: logs the reason it fails and returns false.
inline bool LogFailure(SchLog& log, const Reason& reason) {
  log.Refuse(reason);
  return false;
}

// A name from the schematic as a message shows it: control characters (and
// bytes that are not UTF-8) escaped as everywhere else in the program, so a
// message stays one line.
inline std::string ShownName(std::string_view name) { return lodex::PrintableText(name); }

}  // namespace tarrow
