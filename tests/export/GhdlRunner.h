// Analyses, elaborates and runs an exported design with its testbench under
// GHDL, the way a user checks an export in a simulator.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ToolRunner.h"
#include "export/VhdlGenerator.h"
#include "model/TempDir.h"

namespace lodex::testing {

struct GhdlRun {
  bool analysed = false;
  bool passed = false;
  std::string log;
};

inline bool HaveGhdl() { return ToolInstalled("ghdl"); }

// Analysis, elaboration and run of the exported design and its testbench in
// a fresh work library; the log holds everything GHDL printed.
inline GhdlRun SimulateExport(const CLogicalScheme& scheme, const std::string& title) {
  CTempDir dir;
  GhdlRun run;
  const std::string design = dir.File("design.vhd"), bench = dir.File("bench.vhd");
  EXPECT_TRUE(CVhdlGenerator::WriteFile(design, CVhdlGenerator::Text(scheme, title, TodayForVhdl())).ok());
  EXPECT_TRUE(CVhdlGenerator::WriteFile(bench, CVhdlGenerator::Testbench(scheme, title)).ok());
  const std::string top = VhdlDesignName(VhdlTitleStem(title)) + "_tb";
  // The options the IEEE clauses of the exported header need.
  const std::vector<std::string> options = {"--std=93c", "--ieee=synopsys", "-fexplicit",
                                            "--workdir=" + dir.Path().string()};
  auto ghdl = [&](const char* step, std::vector<std::string> args) {
    args.insert(args.begin(), options.begin(), options.end());
    args.insert(args.begin(), step);
    const CliResult r = RunProgram("ghdl", args);
    run.log += r.out + r.err;
    return r.status == 0;
  };
  run.analysed = ghdl("-a", {design, bench}) && ghdl("-e", {top});
  if (run.analysed) run.passed = ghdl("-r", {top});
  return run;
}

}  // namespace lodex::testing
