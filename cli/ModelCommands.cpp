// new and show: projects and schemes.
#include <iostream>
#include <optional>

#include "cli/Command.h"
#include "cli/SchCommands.h"
#include "model/PlaFile.h"
#include "model/SequenceFile.h"
#include "synthesis/SopMinimisation.h"

namespace lodex::cli {
namespace {

struct NewArgs {
  int inputs = 0;
  int outputs = 0;
  std::string lp;
  std::string lof;
  std::string sch;
  std::string pla;
  std::string chosen;  // --outputs
  std::string name = "Схема1";
  std::string out;
};

void RunNew(const NewArgs& a) {
  if (a.inputs < 1 || a.inputs > 16) Refuse("the number of inputs must lie in 1..16, not " + std::to_string(a.inputs));
  if (a.outputs < 1 || a.outputs > 12)
    Refuse("the number of outputs must lie in 1..12, not " + std::to_string(a.outputs));
  if (a.name.empty()) Refuse("the project name is empty");
  std::string lp = a.lp;
  if (!a.lof.empty())
    if (Status s = ReadSequenceFile(a.lof, lp); !s) Refuse(s.message());
  const size_t expected = (size_t{1} << a.inputs) * static_cast<size_t>(WordDigitsFor(a.outputs));
  if (lp.size() != expected)
    Refuse("the sequence has " + std::to_string(lp.size()) + " characters; " + std::to_string(a.inputs) +
           " inputs and " + std::to_string(a.outputs) + " outputs need " + std::to_string(expected));
  for (size_t i = 0; i < lp.size(); ++i)
    if (!IsSequenceChar(lp[i])) Refuse("sequence character " + std::to_string(i) + " is not a hexadecimal digit or *");
  if (const auto wide = FindWordOutOfRange(lp, a.outputs))
    Refuse("word " + std::to_string(wide->position) + " of the sequence is " + wide->word + ": " +
           std::to_string(a.outputs) + " outputs hold only the words 0.." + std::to_string((1 << a.outputs) - 1));
  const CLogicalScheme scheme(static_cast<int16_t>(a.inputs), static_cast<int16_t>(a.outputs), "Bl_1", lp);
  WriteOrPrint(scheme, a.out);
}

const CommandRegistration kNew([](CLI::App& app) {
  auto args = std::make_shared<NewArgs>();
  CLI::App* cmd = app.add_subcommand("new", "Create a project: one block between the input and output blocks");
  Explain(cmd,
          "Creates a project as the program's wizard does: one logic block Bl_1 between the input block and the output "
          "block, holding the whole logic sequence. The sequence is typed in with --lp, read from a *.lof file with "
          "--lof, computed from a schematic with --sch, or read from a Berkeley PLA file with --pla (N and M then "
          "come from the file; PLA input column j is input j, output column k is output k; don't-care outputs of a "
          "word that also has a defined output are set to 0, and the command prints how many). The counts are "
          "checked as the wizard checks them (1..16 inputs, 1..12 outputs, 2^N words of ceil(M/4) hex digits or *, no "
          "word above 2^M - 1). With --sch, --outputs takes only the named output ports over the inputs they depend "
          "on and prints which inputs those are. "
          "Writes the scheme to -o, or prints it as show does.",
          "lodex-cli new --pla adder.pla --name Adder -o adder.shc");
  auto* n = cmd->add_option("-n", args->inputs, "number of inputs (1..16); with --sch taken from the schematic");
  auto* m = cmd->add_option("-m", args->outputs, "number of outputs (1..12); with --sch taken from the schematic");
  auto* lp = cmd->add_option("--lp", args->lp, "the logic sequence, 2^N words of ceil(M/4) hex digits or *");
  auto* lof = cmd->add_option("--lof", args->lof, "read the logic sequence from a *.lof file");
  auto* sch = cmd->add_option("--sch", args->sch, "compute the logic sequence of a schematic (*.sch) with tarrow");
  auto* pla = cmd->add_option("--pla", args->pla, "read the function from a Berkeley PLA file (*.pla)");
  auto* chosen = cmd->add_option("--outputs", args->chosen,
                                 "with --sch: only these output ports (names joined by commas), over the inputs they "
                                 "depend on");
  chosen->needs(sch);
  lp->excludes(lof);
  sch->excludes(lp)->excludes(lof);
  pla->excludes(lp)->excludes(lof)->excludes(sch);
  cmd->add_option("--name", args->name, "project name")->capture_default_str();
  cmd->add_option("-o", args->out, "scheme file to write (*.shc); without it the scheme is printed");
  cmd->callback([args, n, m, lp, lof, sch, pla] {
    if (lp->count() + lof->count() + sch->count() + pla->count() == 0)
      throw CLI::RequiredError("--lp, --lof, --sch or --pla");
    RefuseOutputOverInput(args->out, {args->lof, args->sch, args->pla});
    const bool counted = sch->count() != 0 || pla->count() != 0;
    if (!counted && n->count() == 0) throw CLI::RequiredError("-n");
    if (!counted && m->count() == 0) throw CLI::RequiredError("-m");
    // Counts and sequence from a file that holds them; -n and -m, when given, must agree.
    const auto adopt = [&](const std::string& what, int inputs, int outputs, const std::string& sequence) {
      if ((n->count() != 0 && args->inputs != inputs) || (m->count() != 0 && args->outputs != outputs))
        Refuse("the " + what + " has " + std::to_string(inputs) + " inputs and " + std::to_string(outputs) +
               " outputs, not the ones given with -n/-m");
      args->inputs = inputs;
      args->outputs = outputs;
      args->lp = sequence;
    };
    std::optional<CPlaFunction> read;
    std::string inputsNote;
    if (pla->count() != 0) {
      read.emplace();
      if (Status s = ReadPlaFile(args->pla, *read); !s) Refuse(s.message());
      adopt("PLA file", read->inputs, read->outputs, read->lp);
    }
    if (sch->count() != 0) {
      const SchematicSequence s = ImportSchematicOrRefuse(args->sch, args->chosen);
      adopt("schematic", s.inputs, s.outputs, s.lp);
      if (!args->chosen.empty()) inputsNote = InputsLine(s);
    }
    RunNew(*args);
    if (!inputsNote.empty()) (args->out.empty() ? std::cerr : std::cout) << inputsNote << '\n';
    // Beside a printed scheme the note goes to standard error, so the scheme stays readable as it is.
    if (read)
      (args->out.empty() ? std::cerr : std::cout)
          << "read " << read->cubes << " cubes: " << read->inputs << " inputs, " << read->outputs << " outputs; "
          << read->fixedOutputs << " partly undefined outputs set to 0\n";
  });
});

struct ShowArgs {
  std::string in;
  bool json = false;
  std::string block;
  bool formula = false;
};

const CommandRegistration kShow([](CLI::App& app) {
  auto args = std::make_shared<ShowArgs>();
  CLI::App* cmd = app.add_subcommand("show", "Print a scheme: header and one line per block");
  Explain(cmd,
          "Prints a scheme file: a header with the project's sequence, its word digits and the block counter, then one "
          "line per block with its index, identifier, caption, input and output counts, input links and logic "
          "sequence; text from the file is shown with its control characters escaped (\\n, \\t, \\xHH), so that every "
          "block is one line. --json prints the same as one JSON object, its text as the file holds it. "
          "--block B --formula prints instead a minimal sum of products of every output of block B (at most 8 "
          "inputs), one line per output: 'y0 = x0 & !x2 | x1 & x3', xk the block's input k (bit k of the "
          "combination), yk its output k (bit k of the word), '!' negation, '&' before '|', 0 and 1 for constant "
          "outputs; undefined words are don't-cares, and the sum has the fewest products, then literals.",
          "lodex-cli show adder.shc --json\n  lodex-cli show adder.shc --block 1 --formula");
  cmd->add_option("IN", args->in, "scheme file (*.shc)")->required();
  cmd->add_flag("--json", args->json, "print one JSON object");
  cmd->add_option("--block", args->block, "logic block, by position (1 = first) or identifier");
  cmd->add_flag("--formula", args->formula, "print the block's outputs as minimal sums of products");
  cmd->callback([args] {
    const CLogicalScheme scheme = LoadOrRefuse(args->in);
    if (args->formula != !args->block.empty()) Refuse("--formula and --block go together");
    if (args->formula) {
      const CLogicalBlock& block = scheme.GetBlock(ResolveBlock(scheme, args->block));
      if (block.m_inputCount > kMaxFormulaInputs)
        Refuse("block " + args->block + " has " + std::to_string(block.m_inputCount) +
               " inputs; formulas are made for at most " + std::to_string(kMaxFormulaInputs));
      const std::vector<SopCover> formulas = BlockFormulas(block);
      if (formulas.empty()) Refuse("block " + args->block + " has no sequence to make formulas of");
      for (size_t k = 0; k < formulas.size(); ++k) std::cout << FormulaText(static_cast<int>(k), formulas[k]) << '\n';
      return;
    }
    std::cout << (args->json ? SchemeJson(scheme) : SchemeText(scheme));
  });
});

}  // namespace
}  // namespace lodex::cli
