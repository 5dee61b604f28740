// vhdl: the VHDL export, optionally with a self-checking testbench.
#include <filesystem>

#include "cli/Command.h"
#include "export/VhdlGenerator.h"
#include "model/FileIo.h"

namespace lodex::cli {
namespace {

struct VhdlArgs {
  std::string in;
  std::string out;
  std::string title;
  std::string testbench;
};

const CommandRegistration kVhdl([](CLI::App& app) {
  auto args = std::make_shared<VhdlArgs>();
  CLI::App* cmd = app.add_subcommand("vhdl", "Export the scheme as VHDL: one entity per block and a top-level entity");
  Explain(cmd,
          "Exports the scheme as VHDL: one entity with a truth-table architecture per logic block, then a structural "
          "top-level entity that wires them as the scheme does. The title names the design (default: IN's file name). "
          "--testbench also writes a self-checking testbench that applies every input combination and reports each "
          "defined word of the project that the design misses.",
          "lodex-cli vhdl adder.shc -o adder.vhd --testbench adder_tb.vhd");
  cmd->add_option("IN", args->in, "scheme file (*.shc)")->required();
  cmd->add_option("-o", args->out, "VHDL file to write (*.vhd)")->required();
  cmd->add_option("--title", args->title, "document title naming the design (default: IN's file name)");
  cmd->add_option("--testbench", args->testbench,
                  "also write a self-checking testbench that checks every defined word of the project's sequence");
  cmd->callback([args] {
    RefuseOutputOverInput(args->out, {args->in});
    RefuseOutputOverInput(args->testbench, {args->in});
    const CLogicalScheme scheme = LoadOrRefuse(args->in);
    if (scheme.IsEmpty()) Refuse("'" + args->in + "' holds no logic block to export");
    const std::string title = args->title.empty() ? std::filesystem::path(args->in).filename().string() : args->title;
    const std::string text = CVhdlGenerator::Text(scheme, title, TodayForVhdl());
    // Both files or neither: the design is not replaced when the testbench cannot be written.
    std::vector<FileOutput> files(1);
    if (!args->testbench.empty()) files.resize(2);
    if (Status s = CVhdlGenerator::Encode(args->out, text, files[0]); !s) Refuse(s.message());
    if (!args->testbench.empty())
      if (Status s = CVhdlGenerator::Encode(args->testbench, CVhdlGenerator::Testbench(scheme, title), files[1]); !s)
        Refuse(s.message());
    if (Status s = WriteFilesAtomically(files); !s) Refuse(s.message());
  });
});

}  // namespace
}  // namespace lodex::cli
