// Runs the built lodex-cli and captures its status and output.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "model/TempDir.h"

namespace lodex::testing {

struct CliResult {
  int status = -1;
  std::string out;
  std::string err;
};

inline std::string ShellQuote(const std::string& s) {
  std::string q = "'";
  for (char c : s) q += (c == '\'') ? std::string("'\\''") : std::string(1, c);
  return q + "'";
}

// Runs `program` (a path, or a name looked up on PATH) with `args` in the
// current directory; `env` ("NAME=value ...", already quoted) is set for it.
inline CliResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                            const std::string& env = "") {
  static CTempDir scratch;
  std::string cmd = (env.empty() ? "" : env + " ") + ShellQuote(program);
  // Appended piece by piece: a literal + temporary string here makes GCC 12
  // warn falsely (-Wrestrict) at -O3.
  for (const std::string& a : args) cmd.append(" ").append(ShellQuote(a));
  const std::string out = scratch.File("stdout"), err = scratch.File("stderr");
  cmd.append(" </dev/null >").append(ShellQuote(out)).append(" 2>").append(ShellQuote(err));
  const int raw = std::system(cmd.c_str());
  CliResult r;
  r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
  r.out = ReadBytes(out);
  r.err = ReadBytes(err);
  return r;
}

inline CliResult RunCli(const std::vector<std::string>& args, const std::string& program = "lodex-cli") {
  return RunProgram(std::string(LODEX_BIN_DIR) + "/" + program, args);
}

}  // namespace lodex::testing
