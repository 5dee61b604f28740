// Runs an installed command-line tool on a file and captures its output.
#pragma once

#include <cstdlib>
#include <string>

#include "cli/CliRunner.h"

namespace lodex::testing {

inline bool ToolInstalled(const std::string& tool) {
  return std::system(("command -v " + ShellQuote(tool) + " >/dev/null 2>&1").c_str()) == 0;
}

inline CliResult RunTool(const std::string& tool, const std::vector<std::string>& args) {
  return RunProgram(tool, args);
}

}  // namespace lodex::testing
