// The program's side of the schematic-import library tarrow: the library is
// loaded for one computation from the folder of the running program only
// (never through the library search path or the current directory), its
// exports are checked, the result text is copied and the library unloaded.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/Status.h"

namespace lodex {

// The library's file name on this platform.
inline constexpr const char* kTarrowFileName = "libtarrow.so";

// What one use of the library gives.
struct SchematicSequence {
  std::string lp;  // the logic sequence; empty when the schematic gave none
  int32_t inputs = 0;
  int32_t outputs = 0;
  std::optional<Reason> error;  // why the library could not be used; none when it ran
  // Why the schematic gave no sequence, in the library's one English line;
  // empty when it gave one or the library does not say (one without
  // LastRefusal).
  std::string refusal;
  // The same as a code and its facts, for the program to word; none also when
  // the library does not give them (one without LastRefusalCode, or a code
  // this program does not know).
  std::optional<Reason> refusalReason;
  // The input ports the sequence is over, input k first; filled only by
  // CalcForOutputs.
  std::vector<std::string> inputNames;
};

// An output port of a schematic and the number of inputs it depends on.
struct SchematicOutput {
  std::string name;
  int inputs = 0;
};

// What the wizard lists for a choice of outputs.
struct SchematicOutputs {
  std::vector<SchematicOutput> outputs;  // file order; empty when refused
  std::optional<Reason> error;           // why the library could not be used
  std::string refusal;                   // why the schematic was refused, as above
  std::optional<Reason> refusalReason;
};

class CTarrowLoader {
 public:
  // Loads from the folder of the running executable.
  CTarrowLoader();
  // Loads from `directory` (an absolute path), for tests.
  explicit CTarrowLoader(std::string directory);

  // The path the library is loaded from; empty when the program's folder is
  // unknown.
  const std::string& LibraryPath() const { return m_libraryPath; }

  // CalcLogicLineFromSch, ICount, OCount (and LastRefusal, LastRefusalCode
  // and LastRefusalArgument when the library has them): the library's own
  // dialog asks for the schematic.
  SchematicSequence CalcFromDialog() const;
  // CalcLogicLineFromFile(path), ICount, OCount.
  SchematicSequence CalcFromFile(const std::string& path) const;
  // CalcLogicLineForOutputs(path, names joined by commas), ICount, OCount,
  // InputNames: the project of the chosen outputs over the inputs they
  // depend on.
  SchematicSequence CalcForOutputs(const std::string& path, const std::vector<std::string>& outputs) const;
  // ListOutputPorts(path): the output ports to choose from, with the number
  // of inputs each needs.
  SchematicOutputs ListOutputs(const std::string& path) const;

 private:
  SchematicSequence Run(const char* computeExport, const std::string* path, const std::string* chosen = nullptr) const;

  std::string m_libraryPath;
};

// The folder of the running executable (from /proc/self/exe); empty when it
// cannot be read.
std::string ExecutableDirectory();

}  // namespace lodex
