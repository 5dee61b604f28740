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

std::optional<SchSequence> CalcLogicLine(const std::string& path) {
  if (path.empty()) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) return std::nullopt;
  std::filesystem::path full = std::filesystem::absolute(path, ec);
  if (ec) full = path;

  std::unique_ptr<SchFileLog> file = OpenTraceFile();
  SchNullLog none;
  SchLog& log = file ? static_cast<SchLog&>(*file) : none;
  SchNetlist netlist;
  if (!ReadSchematic(in, full.lexically_normal().string(), netlist, log) || !CheckNetlist(netlist, log))
    return std::nullopt;
  return EvaluateNetlist(netlist, log);
}

}  // namespace tarrow
