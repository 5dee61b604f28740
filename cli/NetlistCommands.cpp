// blif and verilog: the scheme as a netlist for logic-synthesis tools.
#include <filesystem>

#include "cli/Command.h"
#include "export/NetlistGenerator.h"
#include "model/PlaFile.h"

namespace lodex::cli {
namespace {

struct NetlistArgs {
  std::string in;
  std::string out;
  std::string pla;
  std::string module;
};

// The port names of a PLA file whose counts are the scheme's.
NetlistPorts PortsFromPla(const std::string& path, const CLogicalScheme& scheme) {
  if (path.empty()) return {};
  CPlaFunction f;
  if (Status s = ReadPlaFile(path, f); !s) Refuse(s.message());
  const int n = scheme.GetBlock(0).m_outputCount, m = scheme.GetBlock(scheme.GetBlockCount() - 1).m_inputCount;
  if (f.inputs != n || f.outputs != m)
    Refuse("'" + path + "' has " + std::to_string(f.inputs) + " inputs and " + std::to_string(f.outputs) +
           " outputs, the scheme " + std::to_string(n) + " and " + std::to_string(m));
  return {f.inputNames, f.outputNames};
}

void Register(CLI::App& app, bool verilog) {
  auto args = std::make_shared<NetlistArgs>();
  CLI::App* cmd = verilog ? app.add_subcommand("verilog", "Export the scheme as structural Verilog")
                          : app.add_subcommand("blif", "Export the scheme as BLIF");
  if (verilog) {
    Explain(cmd,
            "Exports the scheme as structural Verilog: one module per logic block holding its truth table as a case "
            "statement (undefined words as x), then a top module with one port per input and output that "
            "instantiates the blocks as the scheme links them. The top module is named by --module (default: IN's "
            "file name made a valid name). --pla takes the port names from a PLA file's .ilb and .ob; a name that is "
            "not a valid Verilog name stays I<k> or O<k>.",
            "lodex-cli verilog adder.shc -o adder.v --module adder --pla adder.pla");
    cmd->add_option("--module", args->module, "name of the top module");
  } else {
    Explain(cmd,
            "Exports the scheme as one BLIF model: each logic block becomes one .names table per output listing the "
            "input combinations where that output is 1 (undefined words are left out), wired as the scheme links "
            "them. The model is named after IN's file name. --pla takes the input and output names from a PLA "
            "file's .ilb and .ob; a name BLIF cannot hold stays I<k> or O<k>.",
            "lodex-cli blif adder.shc -o adder.blif --pla adder.pla");
  }
  cmd->add_option("IN", args->in, "scheme file (*.shc)")->required();
  cmd->add_option("-o", args->out, verilog ? "Verilog file to write (*.v)" : "BLIF file to write (*.blif)")->required();
  cmd->add_option("--pla", args->pla, "PLA file whose .ilb and .ob name the inputs and outputs");
  cmd->callback([args, verilog] {
    RefuseOutputOverInput(args->out, {args->in, args->pla});
    const CLogicalScheme scheme = LoadOrRefuse(args->in);
    if (scheme.IsEmpty()) Refuse("'" + args->in + "' holds no logic block to export");
    std::string name = args->module;
    if (name.empty()) {
      name = CNetlistGenerator::DesignName(std::filesystem::path(args->in).filename().string());
    } else if (!IsVerilogName(name)) {
      Refuse("'" + name + "' is no valid Verilog module name");
    }
    const NetlistPorts ports = PortsFromPla(args->pla, scheme);
    const std::string text =
        verilog ? CNetlistGenerator::Verilog(scheme, name, ports) : CNetlistGenerator::Blif(scheme, name, ports);
    if (Status s = CNetlistGenerator::WriteFile(args->out, text); !s) Refuse(s.message());
  });
}

const CommandRegistration kBlif([](CLI::App& app) { Register(app, false); });
const CommandRegistration kVerilog([](CLI::App& app) { Register(app, true); });

}  // namespace
}  // namespace lodex::cli
