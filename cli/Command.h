// Shared pieces of lodex-cli's commands: registration, failures with their
// exit status, and reading and writing schemes.
#pragma once

#include <CLI/CLI.hpp>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "model/LogicalScheme.h"

namespace lodex::cli {

// Exit statuses of the command-line contract.
enum ExitStatus { kSuccess = 0, kUsage = 1, kRefused = 2, kMismatch = 3 };

// Thrown by a command to end with `status` and one line on standard error.
class CliFailure : public std::runtime_error {
 public:
  CliFailure(int status, const std::string& message) : std::runtime_error(message), m_status(status) {}
  int status() const { return m_status; }

 private:
  int m_status;
};

[[noreturn]] inline void Refuse(const std::string& message) { throw CliFailure(kRefused, message); }

// Each command file registers its subcommands once, at start-up.
using Registrar = std::function<void(CLI::App&)>;
struct CommandRegistration {
  explicit CommandRegistration(Registrar registrar);
};
void RegisterAll(CLI::App& app);

// The paragraph of a command's --help: what it does and prints (wrapped to
// the terminal's usual width), then one example.
void Explain(CLI::App* cmd, const std::string& paragraph, const std::string& example);

CLogicalScheme LoadOrRefuse(const std::string& path);
// Refuses an output that is one of the command's inputs, however named: the
// commands that may write over their input say so in their help.
void RefuseOutputOverInput(const std::string& out, const std::vector<std::string>& inputs);
// Writes the scheme to `out`, or prints it as `show` does when `out` is empty.
void WriteOrPrint(const CLogicalScheme& scheme, const std::string& out);
// A logic block by position (1 .. count-2) or by identifier.
int ResolveBlock(const CLogicalScheme& scheme, const std::string& name);
// A mask in decimal or 0x hexadecimal.
uint32_t ParseMask(const std::string& text, const std::string& what);

// The text form of show: tab-separated, text from the file printable, so
// that a block is always one line.
std::string SchemeText(const CLogicalScheme& scheme);
std::string SchemeJson(const CLogicalScheme& scheme);

}  // namespace lodex::cli
