#include "schimport/SchImport.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "model/FileIo.h"
#include "schimport/NetlistCheck.h"
#include "schimport/SchReader.h"

namespace tarrow {

std::unique_ptr<SchFileLog> OpenTraceFile() {
  if (auto log = SchFileLog::Create(kTraceFileName)) return log;
  std::error_code ec;
  const std::filesystem::path temp = std::filesystem::temp_directory_path(ec);
  if (ec) return nullptr;
  return SchFileLog::Create((temp / kTraceFileName).string());
}

namespace {

// Opens, reads and checks the schematic at `path` with the sub-schematics
// beside it, traced to `log`; false with the reason in `refusal`.
bool ReadChecked(const std::string& path, SchNetlist& netlist, SchLog& log, std::optional<Reason>* refusal) {
  std::ifstream in(path, std::ios::binary);
  std::error_code ec;
  std::filesystem::path full = std::filesystem::absolute(path, ec);
  if (ec) full = path;
  SchHierarchy hierarchy;
  if (ReadSchematic(in, full.lexically_normal().string(), netlist, log, &hierarchy) && CheckNetlist(netlist, log))
    return true;
  if (refusal) *refusal = log.Refusal();
  return false;
}

// Refuses what cannot be opened (a pipe or device before it is opened:
// opening it could wait forever).
bool Openable(const std::string& path, std::optional<Reason>* refusal) {
  if (path.empty()) return false;
  std::optional<Reason> reason;
  std::error_code ec;
  if (std::filesystem::exists(path, ec) && !lodex::CheckRegularFile(path))
    reason = Reason(ReasonCode::SchNotRegular, {ShownName(path)});
  else if (!std::ifstream(path, std::ios::binary))
    reason = Reason(ReasonCode::SchCannotOpen, {ShownName(path)});
  if (!reason) return true;
  if (refusal) *refusal = std::move(reason);
  return false;
}

}  // namespace

std::optional<SchSequence> CalcLogicLine(const std::string& path, std::optional<Reason>* refusal,
                                         const SchSelection* selection) {
  if (refusal) refusal->reset();
  if (!Openable(path, refusal)) return std::nullopt;
  std::unique_ptr<SchFileLog> file = OpenTraceFile();
  SchNullLog none;
  SchLog& log = file ? static_cast<SchLog&>(*file) : none;
  SchNetlist netlist;
  if (!ReadChecked(path, netlist, log, refusal)) return std::nullopt;
  std::optional<SchSequence> result = EvaluateNetlist(netlist, log, selection);
  if (!result && refusal) *refusal = log.Refusal();
  return result;
}

std::optional<std::vector<SchOutputCone>> ListOutputs(const std::string& path, std::optional<Reason>* refusal) {
  if (refusal) refusal->reset();
  if (!Openable(path, refusal)) return std::nullopt;
  SchNullLog log;
  SchNetlist netlist;
  if (!ReadChecked(path, netlist, log, refusal)) return std::nullopt;
  std::vector<SchOutputCone> cones = OutputCones(netlist, log);
  if (cones.empty()) {
    if (refusal) *refusal = log.Refusal();
    return std::nullopt;
  }
  return cones;
}

}  // namespace tarrow
