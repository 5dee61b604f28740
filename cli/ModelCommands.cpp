// new and show: projects and schemes.
#include <iostream>

#include "cli/Command.h"
#include "model/SequenceFile.h"

namespace lodex::cli {
namespace {

struct NewArgs {
  int inputs = 0;
  int outputs = 0;
  std::string lp;
  std::string lof;
  std::string name = "Схема1";
  std::string out;
};

void RunNew(const NewArgs& a) {
  if (a.inputs < 1 || a.inputs > 16) Refuse("the number of inputs must lie in 1..16, not " + std::to_string(a.inputs));
  if (a.outputs < 1 || a.outputs > 12) Refuse("the number of outputs must lie in 1..12, not " + std::to_string(a.outputs));
  if (a.name.empty()) Refuse("the project name is empty");
  std::string lp = a.lp;
  if (!a.lof.empty())
    if (Status s = ReadSequenceFile(a.lof, lp); !s) Refuse(s.message());
  const size_t expected = (size_t{1} << a.inputs) * static_cast<size_t>(WordDigitsFor(a.outputs));
  if (lp.size() != expected)
    Refuse("the sequence has " + std::to_string(lp.size()) + " characters; " + std::to_string(a.inputs) + " inputs and " +
           std::to_string(a.outputs) + " outputs need " + std::to_string(expected));
  for (size_t i = 0; i < lp.size(); ++i)
    if (!IsSequenceChar(lp[i])) Refuse("sequence character " + std::to_string(i) + " is not a hexadecimal digit or *");
  const CLogicalScheme scheme(static_cast<int16_t>(a.inputs), static_cast<int16_t>(a.outputs), "Bl_1", lp);
  WriteOrPrint(scheme, a.out);
}

const CommandRegistration kNew([](CLI::App& app) {
  auto args = std::make_shared<NewArgs>();
  CLI::App* cmd = app.add_subcommand("new", "Create a project: one block between the input and output blocks");
  cmd->add_option("-n", args->inputs, "number of inputs (1..16)")->required();
  cmd->add_option("-m", args->outputs, "number of outputs (1..12)")->required();
  auto* lp = cmd->add_option("--lp", args->lp, "the logic sequence, 2^N words of ceil(M/4) hex digits or *");
  auto* lof = cmd->add_option("--lof", args->lof, "read the logic sequence from a *.lof file");
  lp->excludes(lof);
  cmd->add_option("--name", args->name, "project name")->capture_default_str();
  cmd->add_option("-o", args->out, "scheme file to write (*.shc); without it the scheme is printed");
  cmd->callback([args, lp, lof] {
    if (lp->count() + lof->count() == 0) throw CLI::RequiredError("--lp or --lof");
    RunNew(*args);
  });
});

struct ShowArgs {
  std::string in;
  bool json = false;
};

const CommandRegistration kShow([](CLI::App& app) {
  auto args = std::make_shared<ShowArgs>();
  CLI::App* cmd = app.add_subcommand("show", "Print a scheme: header and one line per block");
  cmd->add_option("IN", args->in, "scheme file (*.shc)")->required();
  cmd->add_flag("--json", args->json, "print one JSON object");
  cmd->callback([args] {
    const CLogicalScheme scheme = LoadOrRefuse(args->in);
    std::cout << (args->json ? SchemeJson(scheme) : SchemeText(scheme));
  });
});

}  // namespace
}  // namespace lodex::cli
