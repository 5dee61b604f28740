// synth: the automatic synthesis down to blocks of at most K inputs.
#include <chrono>
#include <cstdio>
#include <iostream>

#include "cli/CliHost.h"
#include "cli/Command.h"
#include "synthesis/AutomaticSynthesis.h"

namespace lodex::cli {
namespace {

struct SynthArgs {
  std::string in;
  std::string out;
  int maxInputs = 0;
  std::string objective = "luts";
};

const CommandRegistration kSynth([](CLI::App& app) {
  auto args = std::make_shared<SynthArgs>();
  CLI::App* cmd =
      app.add_subcommand("synth", "Automatic synthesis: every logic block ends with at most K inputs (2 <= K <= 8)");
  Explain(cmd,
          "Rebuilds the scheme with the program's own operations (fictitious-input removal, parallel splits by "
          "output groups, serial splits from the fast search, three-input extraction where nothing else applies, "
          "merging of equal blocks, repeater and inverter removal) until every logic block reads at most K inputs. "
          "The result computes the project's sequence on every defined word and does not depend on the machine. "
          "Prints one line: the logic blocks, the tiers and the time taken.",
          "lodex-cli synth misex1.shc --max-inputs 4 --objective depth -o misex1-k4.shc");
  cmd->add_option("IN", args->in, "scheme file (*.shc)")->required();
  cmd->add_option("--max-inputs", args->maxInputs, "K: the most inputs a logic block may keep (2..8)")->required();
  cmd->add_option("--objective", args->objective,
                  "what to minimise first: luts (one-output elements, the default) or depth (levels)")
      ->check(CLI::IsMember({"luts", "depth"}));
  cmd->add_option("-o", args->out, "scheme file to write (may equal IN); without it only the line is printed");
  cmd->callback([args] {
    CCliSession session(args->in);
    if (args->maxInputs < kMinBlockWidth || args->maxInputs > kMaxBlockWidth)
      Refuse("--max-inputs must lie in " + std::to_string(kMinBlockWidth) + ".." + std::to_string(kMaxBlockWidth) +
             ", not " + std::to_string(args->maxInputs));
    AutomaticSynthesisResult result;
    double seconds = 0;
    session.host.automaticSynthesis = [&](const CLogicalScheme& scheme) -> std::optional<CLogicalScheme> {
      CLogicalScheme work = scheme;
      AutomaticSynthesisOptions options;
      options.maxInputs = args->maxInputs;
      options.objective = args->objective == "depth" ? SynthesisObjective::Depth : SynthesisObjective::Luts;
      const auto start = std::chrono::steady_clock::now();
      result = RunAutomaticSynthesis(work, options);
      seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
      if (!result.status) {
        session.host.Refuse(result.status.message());
        return std::nullopt;
      }
      return work;
    };
    RunCommand(session.doc, session.host, CommandId::AutomaticSynthesis, "the scheme has no logic block to synthesise");
    if (!args->out.empty()) SaveOrPrint(session.doc, session.host, args->out);
    char time[32];
    std::snprintf(time, sizeof time, "%.3f", seconds);
    std::cout << "blocks " << result.blocks << ", tiers " << result.tiers << ", time " << time << " s\n";
  });
});

}  // namespace
}  // namespace lodex::cli
