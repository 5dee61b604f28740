// Analyses, elaborates and runs an exported design with its testbench under
// GHDL, the way a user checks an export in a simulator.
#pragma once

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>

#include "export/VhdlGenerator.h"
#include "model/TempDir.h"

namespace lodex::testing {

struct GhdlRun {
  bool analysed = false;
  bool passed = false;
  std::string log;
};

inline int Shell(const std::string& cmd) {
  const int raw = std::system(cmd.c_str());
  return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

inline bool HaveGhdl() { return Shell("command -v ghdl >/dev/null 2>&1") == 0; }

// The options the IEEE clauses of the exported header need.
inline const char* kGhdlOptions = "--std=93c --ieee=synopsys -fexplicit";

inline GhdlRun SimulateExport(const CLogicalScheme& scheme, const std::string& title) {
  CTempDir dir;
  GhdlRun run;
  const std::string design = dir.File("design.vhd"), bench = dir.File("bench.vhd"), log = dir.File("ghdl.log");
  EXPECT_TRUE(CVhdlGenerator::WriteFile(design, CVhdlGenerator::Text(scheme, title, TodayForVhdl())).ok());
  EXPECT_TRUE(CVhdlGenerator::WriteFile(bench, CVhdlGenerator::Testbench(scheme, title)).ok());
  const std::string top = VhdlDesignName(VhdlTitleStem(title)) + "_tb";
  const std::string in = "cd '" + dir.Path().string() + "' && ";
  const std::string opts = std::string(kGhdlOptions) + " --workdir=.";
  run.analysed = Shell(in + "ghdl -a " + opts + " design.vhd bench.vhd >ghdl.log 2>&1 && ghdl -e " + opts + " " + top +
                       " >>ghdl.log 2>&1") == 0;
  if (run.analysed)
    run.passed = Shell(in + "ghdl -r " + opts + " " + top + " >>ghdl.log 2>&1") == 0;
  run.log = ReadBytes(log);
  return run;
}

}  // namespace lodex::testing
