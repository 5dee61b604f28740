// Schematic reader, checks and evaluation: any text ends in a refusal of one
// line or in a sequence of 2^n words of ceil(m / 4) hexadecimal digits, never
// in a crash, a hang or a read out of bounds.
//
// The input is the schematic top.sch, and after a line "--8<--" the
// schematic sub.sch beside it, so blocks of the types top and sub reach
// sub-schematics (including one that uses itself). Either may be in the text
// or the XML form. The trace is written (capped) beside them, so its growth
// is reached too.
#include <stdlib.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>

#include "schimport/GateEval.h"
#include "schimport/NetlistCheck.h"
#include "schimport/SchLogFile.h"
#include "schimport/SchReader.h"

namespace {

// A folder of this process for the two files, removed at exit.
class FuzzFolder {
 public:
  FuzzFolder() {
    std::string templ = (std::filesystem::temp_directory_path() / "sch-fuzz-XXXXXX").string();
    if (::mkdtemp(templ.data()) == nullptr) std::abort();
    m_path = templ;
  }
  ~FuzzFolder() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
  }
  FuzzFolder(const FuzzFolder&) = delete;
  FuzzFolder& operator=(const FuzzFolder&) = delete;

  const std::filesystem::path& path() const { return m_path; }

  std::filesystem::path Write(const char* name, std::string_view text) const {
    const std::filesystem::path p = m_path / name;
    std::ofstream(p, std::ios::binary | std::ios::trunc).write(text.data(), static_cast<std::streamsize>(text.size()));
    return p;
  }

 private:
  std::filesystem::path m_path;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const FuzzFolder folder;
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  constexpr std::string_view kCut = "\n--8<--\n";
  const size_t cut = input.find(kCut);
  const std::filesystem::path top = folder.Write("top.sch", input.substr(0, cut));
  folder.Write("sub.sch", cut == std::string_view::npos ? std::string_view() : input.substr(cut + kCut.size()));

  std::ifstream in(top, std::ios::binary);
  tarrow::SchNetlist netlist;
  std::unique_ptr<tarrow::SchFileLog> file = tarrow::SchFileLog::Create((folder.path() / "generating.log").string());
  tarrow::SchNullLog none;
  tarrow::SchLog& log = file ? static_cast<tarrow::SchLog&>(*file) : none;
  tarrow::SchHierarchy hierarchy;
  std::optional<tarrow::SchSequence> result;
  if (tarrow::ReadSchematic(in, top.string(), netlist, log, &hierarchy) && tarrow::CheckNetlist(netlist, log))
    result = tarrow::EvaluateNetlist(netlist, log);
  const std::string refusal = log.Refusal() ? lodex::EnglishText(*log.Refusal()) : std::string();
  file.reset();
  std::error_code ec;
  if (std::filesystem::file_size(folder.path() / "generating.log", ec) > tarrow::kMaxTraceBytes + 4096) std::abort();
  if (!result) {
    if (refusal.empty() || refusal.find_first_of("\r\n") != std::string::npos) std::abort();
    return 0;
  }
  const size_t words = size_t{1} << (result->inputs > 0 ? result->inputs : 1);
  if (result->text.size() != words * static_cast<size_t>((result->outputs + 3) / 4)) std::abort();
  for (char c : result->text)
    if (!((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'))) std::abort();
  return 0;
}
