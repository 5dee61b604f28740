// serial, parallel, fictitious, three-input, cover, optimize, analyze and
// lof: the document's commands, each dialog answered from the arguments.
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>

#include "cli/CliHost.h"
#include "cli/Command.h"

namespace lodex::cli {
namespace {

// Options every command that changes a block shares.
struct BlockArgs {
  std::string in;
  std::string block;
  std::string out;
  bool noAuto = false;
};

void AddBlockOptions(CLI::App* cmd, BlockArgs& a, bool withOut = true) {
  cmd->add_option("IN", a.in, "scheme file (*.shc)")->required();
  cmd->add_option("--block", a.block, "logic block by position (1..count-2) or identifier")->required();
  if (withOut) {
    cmd->add_option("-o", a.out, "scheme file to write (may equal IN); without it the scheme is printed");
    cmd->add_flag("--no-auto", a.noAuto, "switch auto-synthesis over equal blocks off");
  }
}

// --- serial ----------------------------------------------------------------

struct SerialArgs : BlockArgs {
  bool list = false;
  bool json = false;
  std::string mask;
};

void PrintSerialList(const CSerialDialogModel& model, int inputs, bool json) {
  if (json) {
    nlohmann::ordered_json rows = nlohmann::ordered_json::array();
    for (const SplitCandidate& c : model.Candidates()) {
      const SerialListRow row = MakeSerialListRow(c, inputs);
      rows.push_back({{"mask", c.mask}, {"complexity", c.complexity}, {"bound", row.bound}, {"free", row.free}});
    }
    std::cout << rows.dump(2) << '\n';
    return;
  }
  for (const SplitCandidate& c : model.Candidates()) {
    const SerialListRow row = MakeSerialListRow(c, inputs);
    std::cout << c.mask << '\t' << c.complexity << '\t' << row.bound << '\t' << row.free << '\n';
  }
}

void RunSerial(const SerialArgs& a) {
  CCliSession session(a.in, a.noAuto);
  CCliHost& host = session.host;
  CLodexDoc& doc = session.doc;
  SelectBlock(doc, a.block);
  const bool listOnly = a.mask.empty();
  const int32_t wanted = listOnly ? 0 : static_cast<int32_t>(ParseMask(a.mask, "mask"));
  host.serial = [&](const CLogicalBlock& block) -> std::optional<SerialChoice> {
    CSerialDialogModel model(block);
    model.Search();
    if (listOnly) {
      PrintSerialList(model, block.m_inputCount, a.json);
      return std::nullopt;
    }
    const std::vector<SplitCandidate>& c = model.Candidates();
    for (size_t row = 0; row < c.size(); ++row)
      if (c[row].mask == wanted) {
        model.Select(static_cast<int>(row));
        return model.Choice();
      }
    host.Refuse("mask " + a.mask + " is not an accepted serial split of block " + a.block);
    return std::nullopt;
  };
  RunCommand(doc, host, CommandId::Serial, "serial decomposition is not available for block " + a.block);
  if (!listOnly) SaveOrPrint(doc, host, a.out);
}

const CommandRegistration kSerial([](CLI::App& app) {
  auto a = std::make_shared<SerialArgs>();
  CLI::App* cmd = app.add_subcommand("serial", "Serial decomposition of a block: list the splits or apply one");
  Explain(cmd,
          "Serial decomposition of one logic block into a lower and a higher block. --list runs the serial search and "
          "prints every accepted split in the order of the program's dialog, one line each: MASK, COMPLEXITY and the "
          "two weight columns, separated by tabs (--json: a JSON array). --mask applies the split with that mask, to "
          "every block with the same sequence unless --no-auto is given, and writes the scheme to -o (or prints it).",
          "lodex-cli serial mix.shc --block 1 --list");
  AddBlockOptions(cmd, *a);
  auto* list = cmd->add_flag("--list", a->list, "list the accepted splits: MASK, COMPLEXITY and the weight columns");
  cmd->add_flag("--json", a->json, "with --list: print a JSON array");
  auto* mask = cmd->add_option("--mask", a->mask, "apply the split with this mask (decimal or 0x hex)");
  list->excludes(mask);
  cmd->callback([a, list, mask] {
    if (list->count() + mask->count() == 0) throw CLI::RequiredError("--list or --mask");
    RunSerial(*a);
  });
});

// --- parallel ----------------------------------------------------------------

struct ParallelArgs : BlockArgs {
  std::string in2;
  std::string out2;
  std::string merge = "no";
};

// Item t of a list of `count` pins carries a mark when bit count-1-t is set.
std::vector<bool> ChecksOf(uint32_t mask, int count) {
  std::vector<bool> checks(static_cast<size_t>(count));
  for (int t = 0; t < count; ++t) checks[static_cast<size_t>(t)] = (mask >> (count - 1 - t)) & 1;
  return checks;
}

bool FitsPins(uint32_t mask, int count) { return count >= 32 || (mask >> count) == 0; }

void RunParallel(const ParallelArgs& a) {
  CCliSession session(a.in, a.noAuto);
  CCliHost& host = session.host;
  CLodexDoc& doc = session.doc;
  SelectBlock(doc, a.block);
  const uint32_t in2 = ParseMask(a.in2, "--in2"), out2 = ParseMask(a.out2, "--out2");
  host.question = a.merge == "yes" ? MessageAnswer::Yes : MessageAnswer::No;
  host.parallel = [&](const CLogicalBlock& block) -> std::optional<SplitRequest> {
    if (!FitsPins(in2, block.m_inputCount) || !FitsPins(out2, block.m_outputCount)) {
      host.Refuse("the masks name pins the block does not have (" + std::to_string(block.m_inputCount) + " inputs, " +
                  std::to_string(block.m_outputCount) + " outputs)");
      return std::nullopt;
    }
    CParallelDialogModel model(block);
    model.SetChecks(ChecksOf(in2, block.m_inputCount), ChecksOf(out2, block.m_outputCount));
    if (!model.OkEnabled()) {
      host.Refuse("--in2 and --out2 mark nothing");
      return std::nullopt;
    }
    return model.Choice();
  };
  RunCommand(doc, host, CommandId::Parallel, "parallel decomposition needs a block with more than one output");
  SaveOrPrint(doc, host, a.out);
}

const CommandRegistration kParallel([](CLI::App& app) {
  auto a = std::make_shared<ParallelArgs>();
  CLI::App* cmd = app.add_subcommand("parallel",
                                     "Parallel decomposition: move the marked outputs into a block of "
                                     "the marked inputs");
  Explain(
      cmd,
      "Parallel decomposition of one logic block by groups of outputs: the outputs marked in --out2 move into a block "
      "of the inputs marked in --in2; the other outputs keep every input. When the result allows a parallel-serial "
      "block, the program's question is printed and answered by --merge. Writes the scheme to -o (or prints it).",
      "lodex-cli parallel adder.shc --block 1 --in2 7 --out2 2 -o adder.shc");
  AddBlockOptions(cmd, *a);
  cmd->add_option("--in2", a->in2, "inputs of the second group (mask)")->required();
  cmd->add_option("--out2", a->out2, "outputs of the second group (mask)")->required();
  cmd->add_option("--merge", a->merge, "answer to the parallel-serial offer")
      ->check(CLI::IsMember({"yes", "no"}))
      ->capture_default_str();
  cmd->callback([a] { RunParallel(*a); });
});

// --- fictitious ----------------------------------------------------------------

struct FictitiousArgs : BlockArgs {
  std::optional<int> remove;
};

void RunFictitious(const FictitiousArgs& a) {
  CCliSession session(a.in, a.noAuto);
  CCliHost& host = session.host;
  CLodexDoc& doc = session.doc;
  SelectBlock(doc, a.block);
  host.fictitious = [&](const CLogicalBlock& block) -> std::optional<SplitRequest> {
    CFictDialogModel model(block);
    if (!a.remove) {
      for (const FictGridRow& row : model.GridRows()) std::cout << row.label << '\t' << row.value << '\n';
      return std::nullopt;
    }
    const int k = *a.remove;
    if (k < 0 || k >= block.m_inputCount) {
      host.Refuse("the block has no input " + std::to_string(k));
      return std::nullopt;
    }
    const int item = block.m_inputCount - 1 - k;
    const CFictDialogModel::PickResult picked = model.Pick(item);
    if (picked.message) {
      host.Refuse(PhraseText({*picked.message}));
      return std::nullopt;
    }
    if (picked.checkedItem != item) {
      host.Refuse("input " + std::to_string(k) + " is essential");
      return std::nullopt;
    }
    return model.Choice();
  };
  RunCommand(doc, host, CommandId::Fictitious,
             "the fictitious-input check needs a block with one output and more than two inputs");
  if (a.remove) SaveOrPrint(doc, host, a.out);
}

const CommandRegistration kFictitious([](CLI::App& app) {
  auto a = std::make_shared<FictitiousArgs>();
  CLI::App* cmd = app.add_subcommand("fictitious",
                                     "Fictitious-input check: print the dependency column or remove "
                                     "a fictitious input");
  Explain(cmd,
          "Fictitious-input check of a one-output block: prints, for every input, whether the output depends on it, as "
          "the program's grid shows it. --remove K rebuilds the block without input K, which must be fictitious, and "
          "writes the scheme to -o (or prints it).",
          "lodex-cli fictitious adder.shc --block 2 --remove 0 -o adder.shc");
  AddBlockOptions(cmd, *a);
  cmd->add_option("--remove", a->remove, "remove this input (0 = weight 1)");
  cmd->callback([a] { RunFictitious(*a); });
});

// --- three-input ---------------------------------------------------------------

struct ThreeInputArgs : BlockArgs {
  std::optional<int> input;
};

void RunThreeInput(const ThreeInputArgs& a) {
  CCliSession session(a.in, a.noAuto);
  CCliHost& host = session.host;
  CLodexDoc& doc = session.doc;
  SelectBlock(doc, a.block);
  host.threeInput = [&](const CLogicalBlock& block,
                        const std::vector<int32_t>& types) -> std::optional<ThreeInputChoice> {
    CThreeInDialogModel model(types);
    if (!a.input) {
      for (const std::string& line : model.Lines()) std::cout << line << '\n';
      return std::nullopt;
    }
    if (*a.input < 0 || *a.input >= block.m_inputCount) {
      host.Refuse("the block has no input " + std::to_string(*a.input));
      return std::nullopt;
    }
    model.Select(static_cast<int>(types.size()) - 1 - *a.input);
    return model.Choice();
  };
  RunCommand(doc, host, CommandId::ThreeInput,
             "three-input extraction needs a block with one output and at least three inputs");
  if (a.input) SaveOrPrint(doc, host, a.out);
}

const CommandRegistration kThreeInput([](CLI::App& app) {
  auto a = std::make_shared<ThreeInputArgs>();
  CLI::App* cmd = app.add_subcommand("three-input",
                                     "Three-input block extraction: print the types or extract on "
                                     "an input");
  Explain(cmd,
          "Three-input block extraction from a one-output block: prints, for every input, the type of the selector "
          "block that splitting on it gives, as the program's dialog lists them. --input X extracts the three-input "
          "block on input X and writes the scheme to -o (or prints it).",
          "lodex-cli three-input adder.shc --block 1 --input 2 -o adder.shc");
  AddBlockOptions(cmd, *a);
  cmd->add_option("--input", a->input, "extract on this input (0 = weight 1)");
  cmd->callback([a] { RunThreeInput(*a); });
});

// --- whole-scheme commands -------------------------------------------------------

struct SchemeArgs {
  std::string in;
  std::string out;
  bool nand = false;
  bool nor = false;
};

void RunCover(const SchemeArgs& a) {
  CCliSession session(a.in);
  CCliHost& host = session.host;
  CLodexDoc& doc = session.doc;
  RunCommand(doc, host, a.nand ? CommandId::CoverNand : CommandId::CoverNor, "covering is not available");
  SaveOrPrint(doc, host, a.out);
}

const CommandRegistration kCover([](CLI::App& app) {
  auto a = std::make_shared<SchemeArgs>();
  CLI::App* cmd = app.add_subcommand("cover", "Cover the scheme's two-input blocks by NAND or NOR elements");
  Explain(cmd,
          "Covers every two-input, one-output block of the scheme by two-input NAND (--nand) or NOR (--nor) elements, "
          "as the program's covering commands do. Writes the scheme to -o (or prints it).",
          "lodex-cli cover adder.shc --nand -o adder.shc");
  cmd->add_option("IN", a->in, "scheme file (*.shc)")->required();
  auto* nand = cmd->add_flag("--nand", a->nand, "NAND elements");
  auto* nor = cmd->add_flag("--nor", a->nor, "NOR elements");
  nand->excludes(nor);
  cmd->add_option("-o", a->out, "scheme file to write; without it the scheme is printed");
  cmd->callback([a, nand, nor] {
    if (nand->count() + nor->count() == 0) throw CLI::RequiredError("--nand or --nor");
    RunCover(*a);
  });
});

void RunOptimize(const SchemeArgs& a) {
  CCliSession session(a.in);
  CCliHost& host = session.host;
  CLodexDoc& doc = session.doc;
  // The command itself stops after the tier count when the scheme is not
  // elementary, so it runs here whatever the menu's enable rule says.
  doc.OnOptimize();
  host.ThrowIfRefused();
  SaveOrPrint(doc, host, a.out);
}

const CommandRegistration kOptimize([](CLI::App& app) {
  auto a = std::make_shared<SchemeArgs>();
  CLI::App* cmd = app.add_subcommand("optimize", "Optimise an elementary scheme across its tiers");
  Explain(cmd,
          "Optimises an elementary scheme (every logic block with at most two inputs and one output) across its tiers: "
          "prints the program's messages in order and applies the substitution they offer. Writes the scheme to -o (or "
          "prints it).",
          "lodex-cli optimize adder.shc -o adder.shc");
  cmd->add_option("IN", a->in, "scheme file (*.shc)")->required();
  cmd->add_option("-o", a->out, "scheme file to write; without it the scheme is printed");
  cmd->callback([a] { RunOptimize(*a); });
});

void RunAnalyze(const SchemeArgs& a) {
  CCliSession session(a.in);
  CCliHost& host = session.host;
  CLodexDoc& doc = session.doc;
  bool mismatch = false;
  host.analysis = [&](const CAnalysisGrid& grid) {
    mismatch = grid.HasMismatch();
    std::cout << grid.Computed() << '\n';
    for (int r = 1; r < grid.Rows(); ++r) {
      for (int c = 0; c < CAnalysisGrid::kColumns; ++c) std::cout << (c ? "\t" : "") << grid.Cell(r, c);
      std::cout << '\n';
    }
  };
  RunCommand(doc, host, CommandId::Analysis, "the scheme has no logic block to analyse");
  if (mismatch) throw CliFailure(kMismatch, "the scheme does not compute the project's sequence");
}

const CommandRegistration kAnalyze([](CLI::App& app) {
  auto a = std::make_shared<SchemeArgs>();
  CLI::App* cmd = app.add_subcommand("analyze", "Simulate the scheme and compare it with the project's sequence");
  Explain(cmd,
          "Simulates the scheme for every input combination and compares the result with the project's sequence: "
          "prints the computed sequence, then one grid row per combination (OK or НЕСОВПАДЕНИЕ) and the program's "
          "message when a defined word differs. Exits with status 3 on a mismatch.",
          "lodex-cli analyze adder.shc");
  cmd->add_option("IN", a->in, "scheme file (*.shc)")->required();
  cmd->callback([a] { RunAnalyze(*a); });
});

// --- lof -------------------------------------------------------------------------

void RunLof(const BlockArgs& a) {
  RefuseOutputOverInput(a.out, {a.in});
  CCliSession session(a.in);
  CCliHost& host = session.host;
  CLodexDoc& doc = session.doc;
  SelectBlock(doc, a.block);
  host.saveFile = a.out;
  RunCommand(doc, host, CommandId::SaveSequence, "the block's sequence cannot be saved");
}

const CommandRegistration kLof([](CLI::App& app) {
  auto a = std::make_shared<BlockArgs>();
  CLI::App* cmd = app.add_subcommand("lof", "Save a block's logic sequence as a *.lof file");
  Explain(cmd,
          "Saves the logic sequence of one block as a *.lof file, as the program's \"save sequence\" command does: the "
          "words of every input combination as hexadecimal text, * for undefined words, which new --lof reads back. "
          "Prints nothing.",
          "lodex-cli lof adder.shc --block 1 -o block1.lof");
  AddBlockOptions(cmd, *a, false);
  cmd->add_option("-o", a->out, "sequence file to write (*.lof)")->required();
  cmd->callback([a] { RunLof(*a); });
});

}  // namespace
}  // namespace lodex::cli
