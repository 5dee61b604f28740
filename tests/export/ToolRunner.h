// Runs an installed command-line tool on a file and captures its output.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "cli/CliRunner.h"
#include "model/TempDir.h"

namespace lodex::testing {

inline bool ToolInstalled(const std::string& tool) {
  return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0;
}

// `tool args...` with standard output captured; the arguments are quoted.
inline CliResult RunTool(const std::string& tool, const std::vector<std::string>& args) {
  static CTempDir scratch;
  std::string cmd = tool;
  for (const std::string& a : args) cmd += " " + ShellQuote(a);
  const std::string out = scratch.File("tool-out"), err = scratch.File("tool-err");
  cmd += " </dev/null >" + ShellQuote(out) + " 2>" + ShellQuote(err);
  const int raw = std::system(cmd.c_str());
  CliResult r;
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  r.out = ReadBytes(out);
  r.err = ReadBytes(err);
  return r;
}

}  // namespace lodex::testing
