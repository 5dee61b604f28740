// lodex-cli: the program's document and commands driven from the command line.
#include <iostream>

#include "cli/Command.h"

int main(int argc, char** argv) {
  CLI::App app{"Lodex: structural synthesis of combinational logic, from the command line."};
  app.set_version_flag("--version", std::string("lodex-cli ") + LODEX_VERSION);
  app.require_subcommand(1);
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
    std::cerr << "lodex-cli: " << e.what() << '\n';
    return e.status();
  }
  return lodex::cli::kSuccess;
}
