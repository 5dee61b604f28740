// lodex-cli: the program's document and commands driven from the command line.
#include <iostream>

#include "cli/Command.h"
#include "model/PrintableText.h"

int main(int argc, char** argv) {
  CLI::App app{"Lodex: structural synthesis of combinational logic, from the command line."};
  app.set_version_flag("--version", std::string("lodex-cli ") + LODEX_VERSION);
  app.require_subcommand(1);
  app.footer(
      "\nEach command reads a scheme file (*.shc), runs one of the program's commands on it with the\n"
      "dialog's choice taken from its arguments, and writes the result with -o (or prints it). The\n"
      "program's messages are printed as it would show them. Exit status: 0 success, 1 wrong usage,\n"
      "2 input refused (one line on standard error, nothing written), 3 analyze found a mismatch.\n"
      "COMMAND --help explains each command, with an example.\n\n"
      "Example: a project from a sequence file, decomposed, covered and checked\n"
      "  lodex-cli new -n 4 -m 2 --lof examples/parity-mix.lof -o mix.shc\n"
      "  lodex-cli serial mix.shc --block 1 --list\n"
      "  lodex-cli serial mix.shc --block 1 --mask 3 -o mix.shc\n"
      "  lodex-cli cover mix.shc --nand -o mix.shc && lodex-cli analyze mix.shc\n");
  lodex::cli::RegisterAll(app);
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForVersion&) {
    std::cout << "lodex-cli " << LODEX_VERSION << '\n';
    return lodex::cli::kSuccess;
  } catch (const CLI::ParseError& e) {
    app.exit(e);
    return lodex::cli::kUsage;
  } catch (const lodex::cli::CliFailure& e) {
    // The reason may quote a file or an argument: it stays one visible line.
    std::cerr << "lodex-cli: " << lodex::PrintableText(e.what()) << '\n';
    return e.status();
  }
  return lodex::cli::kSuccess;
}
