// sch: the logic sequence of a schematic, computed by the tarrow library.
#include "cli/SchCommands.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <vector>

#include "cli/Command.h"
#include "model/FileIo.h"
#include "model/PrintableText.h"

namespace lodex::cli {

SchematicSequence ImportSchematicOrRefuse(const std::string& path, const std::string& outputs) {
  // A pipe or device is refused before anything opens it: opening could wait forever.
  std::error_code ec;
  if (std::filesystem::exists(path, ec))
    if (Status s = CheckRegularFile(path); !s) Refuse(s.message());
  if (!std::ifstream(path)) Refuse("cannot open the schematic " + PrintableText(path));
  std::vector<std::string> names;
  for (size_t from = 0; from <= outputs.size() && !outputs.empty();) {
    const size_t comma = std::min(outputs.find(',', from), outputs.size());
    if (comma == from) Refuse("--outputs '" + PrintableText(outputs) + "' has an empty name");
    names.push_back(outputs.substr(from, comma - from));
    from = comma + 1;
  }
  const CTarrowLoader loader;
  SchematicSequence result = names.empty() ? loader.CalcFromFile(path) : loader.CalcForOutputs(path, names);
  if (result.error) Refuse(EnglishText(*result.error));
  if (result.lp.empty())
    Refuse(result.refusal.empty()
               ? "the schematic " + PrintableText(path) + " gives no logic sequence; generating.log says why"
               : result.refusal);
  return result;
}

std::string InputsLine(const SchematicSequence& s) {
  std::string line = "inputs:";
  for (const std::string& name : s.inputNames) line += " " + PrintableText(name);
  return line;
}

namespace {

const CommandRegistration kSch([](CLI::App& app) {
  auto file = std::make_shared<std::string>();
  auto outputs = std::make_shared<std::string>();
  CLI::App* cmd = app.add_subcommand("sch", "Evaluate a schematic (*.sch): prints N M, then the logic sequence");
  Explain(cmd,
          "Evaluates a gate-level schematic (*.sch) through the tarrow library beside lodex-cli, as the program's "
          "wizard does: prints the numbers of inputs and outputs (N M) on the first line and the logic sequence on the "
          "second. --outputs imports only the named output ports (net names joined by commas), over the inputs they "
          "depend on, and prints a third line naming those inputs in order (input 0 first): so a part of a schematic "
          "wider than 16 inputs can be taken. A schematic the library refuses ends with status 2 and the reason in "
          "one line; its trace is in generating.log.",
          "lodex-cli sch examples/comparator2.sch");
  cmd->add_option("FILE", *file, "schematic file (*.sch)")->required();
  cmd->add_option("--outputs", *outputs, "only these output ports, names joined by commas (for example S0,S1,CO)");
  cmd->callback([file, outputs] {
    const SchematicSequence s = ImportSchematicOrRefuse(*file, *outputs);
    std::cout << s.inputs << ' ' << s.outputs << '\n' << PrintableText(s.lp) << '\n';
    if (!outputs->empty()) std::cout << InputsLine(s) << '\n';
  });
});

}  // namespace
}  // namespace lodex::cli
