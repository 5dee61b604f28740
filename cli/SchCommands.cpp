// sch: the logic sequence of a schematic, computed by the tarrow library.
#include "cli/SchCommands.h"

#include <fstream>
#include <iostream>
#include <memory>

#include "cli/Command.h"
#include "model/PrintableText.h"

namespace lodex::cli {

SchematicSequence ImportSchematicOrRefuse(const std::string& path) {
  if (!std::ifstream(path)) Refuse("cannot open the schematic " + PrintableText(path));
  SchematicSequence result = CTarrowLoader().CalcFromFile(path);
  if (!result.error.empty()) Refuse(result.error);
  if (result.lp.empty())
    Refuse(result.refusal.empty()
               ? "the schematic " + PrintableText(path) + " gives no logic sequence; generating.log says why"
               : result.refusal);
  return result;
}

namespace {

const CommandRegistration kSch([](CLI::App& app) {
  auto file = std::make_shared<std::string>();
  CLI::App* cmd = app.add_subcommand("sch", "Evaluate a schematic (*.sch): prints N M, then the logic sequence");
  Explain(cmd,
          "Evaluates a gate-level schematic (*.sch) through the tarrow library beside lodex-cli, as the program's "
          "wizard does: prints the numbers of inputs and outputs (N M) on the first line and the logic sequence on the "
          "second. A schematic the library refuses ends with status 2 and the reason in one line; its trace is in "
          "generating.log.",
          "lodex-cli sch examples/comparator2.sch");
  cmd->add_option("FILE", *file, "schematic file (*.sch)")->required();
  cmd->callback([file] {
    const SchematicSequence s = ImportSchematicOrRefuse(*file);
    std::cout << s.inputs << ' ' << s.outputs << '\n' << PrintableText(s.lp) << '\n';
  });
});

}  // namespace
}  // namespace lodex::cli
