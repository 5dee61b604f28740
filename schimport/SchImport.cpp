#include "schimport/SchImport.h"

#include <filesystem>
#include <fstream>
#include <system_error>

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

std::optional<SchSequence> CalcLogicLine(const std::string& path, std::string* refusal) {
  if (refusal) refusal->clear();
  if (path.empty()) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  std::error_code ec;
  if (!in || std::filesystem::is_directory(path, ec)) {
    if (refusal) *refusal = "the schematic " + ShownName(path) + " cannot be opened";
    return std::nullopt;
  }
  std::filesystem::path full = std::filesystem::absolute(path, ec);
  if (ec) full = path;

  std::unique_ptr<SchFileLog> file = OpenTraceFile();
  SchNullLog none;
  SchLog& log = file ? static_cast<SchLog&>(*file) : none;
  SchNetlist netlist;
  SchHierarchy hierarchy;
  std::optional<SchSequence> result;
  if (ReadSchematic(in, full.lexically_normal().string(), netlist, log, &hierarchy) && CheckNetlist(netlist, log))
    result = EvaluateNetlist(netlist, log);
  if (!result && refusal) *refusal = log.Refusal();
  return result;
}

}  // namespace tarrow
