#include "app/TarrowLoader.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cstdlib>
#include <optional>
#include <utility>

#include "schimport/RefusalNumber.h"
#include "schimport/tarrow.h"

namespace lodex {
namespace {

using ComputeFromDialog = decltype(&CalcLogicLineFromSch);
using ComputeFromFile = decltype(&CalcLogicLineFromFile);
using ComputeForOutputs = decltype(&CalcLogicLineForOutputs);
using ListPorts = decltype(&ListOutputPorts);
using Count = decltype(&ICount);
using Text = decltype(&LastRefusal);
using RefusalCode = decltype(&LastRefusalCode);
using RefusalArgument = decltype(&LastRefusalArgument);

// More parts or arguments than this are no refusal of a sound library.
constexpr int32_t kMaxRefusalParts = 64;
constexpr int32_t kMaxRefusalArguments = 16;

// Unloads the library when the computation is over, on every path.
class LoadedLibrary {
 public:
  explicit LoadedLibrary(const std::string& path) : m_handle(::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {}
  ~LoadedLibrary() {
    if (m_handle) ::dlclose(m_handle);
  }
  LoadedLibrary(const LoadedLibrary&) = delete;
  LoadedLibrary& operator=(const LoadedLibrary&) = delete;

  bool loaded() const { return m_handle != nullptr; }
  void* Find(const char* name) const { return ::dlsym(m_handle, name); }

 private:
  void* m_handle;
};

std::string DlError() {
  const char* e = ::dlerror();
  return e ? e : "";
}

}  // namespace

std::string ExecutableDirectory() {
  std::string path(4096, '\0');
  const ssize_t n = ::readlink("/proc/self/exe", path.data(), path.size());
  if (n <= 0 || static_cast<size_t>(n) >= path.size()) return {};
  path.resize(static_cast<size_t>(n));
  const size_t slash = path.rfind('/');
  if (slash == std::string::npos) return {};
  return slash == 0 ? "/" : path.substr(0, slash);
}

CTarrowLoader::CTarrowLoader() : CTarrowLoader(ExecutableDirectory()) {}

CTarrowLoader::CTarrowLoader(std::string directory) {
  // Only an absolute folder: a relative one would be looked up from the
  // current directory.
  if (directory.empty() || directory.front() != '/') return;
  if (directory.back() != '/') directory += '/';
  m_libraryPath = std::move(directory) + kTarrowFileName;
}

SchematicSequence CTarrowLoader::CalcFromDialog() const { return Run("CalcLogicLineFromSch", nullptr); }

SchematicSequence CTarrowLoader::CalcFromFile(const std::string& path) const {
  return Run("CalcLogicLineFromFile", &path);
}

SchematicSequence CTarrowLoader::CalcForOutputs(const std::string& path,
                                                const std::vector<std::string>& outputs) const {
  std::string names;
  for (const std::string& name : outputs) names += (names.empty() ? "" : ",") + name;
  return Run("CalcLogicLineForOutputs", &path, &names);
}

namespace {

// Loads the library at `libraryPath` into `library`; why it cannot be used
// (no folder, or it does not load), or none.
std::optional<Reason> Load(const std::string& libraryPath, std::optional<LoadedLibrary>& library) {
  if (libraryPath.empty()) return Reason(ReasonCode::LibraryFolderUnknown);
  ::dlerror();
  library.emplace(libraryPath);
  if (library->loaded()) return std::nullopt;
  return Reason(ReasonCode::LibraryNotLoaded, {libraryPath, DlError()});
}

Reason MissingExport(const std::string& libraryPath, const char* name) {
  return Reason(ReasonCode::LibraryFunctionMissing, {libraryPath, name});
}

// The library's one line and, where it gives them, the codes and facts of
// its last refusal, part by part: each part but the last takes the next as
// its last argument.
void ReadRefusal(const LoadedLibrary& library, std::string& line, std::optional<Reason>& reason) {
  if (void* text = library.Find("LastRefusal")) {
    const char* why = reinterpret_cast<Text>(text)();
    line = why ? why : "";
  }
  const auto code = reinterpret_cast<RefusalCode>(library.Find("LastRefusalCode"));
  const auto argument = reinterpret_cast<RefusalArgument>(library.Find("LastRefusalArgument"));
  if (code == nullptr || argument == nullptr) return;
  std::vector<std::pair<ReasonCode, std::vector<ReasonArg>>> parts;
  for (int32_t part = 0; code(part) != 0; ++part) {
    const std::optional<ReasonCode> known = tarrow::RefusalCodeOfNumber(code(part));
    if (!known || part == kMaxRefusalParts) return;
    std::vector<ReasonArg> args;
    for (const char* fact; (fact = argument(part, static_cast<int32_t>(args.size()))) != nullptr;) {
      if (args.size() == static_cast<size_t>(kMaxRefusalArguments)) return;
      args.emplace_back(std::string(fact));
    }
    parts.emplace_back(*known, std::move(args));
  }
  for (auto part = parts.rbegin(); part != parts.rend(); ++part) {
    if (reason) part->second.emplace_back(std::move(*reason));
    reason = Reason(part->first, std::move(part->second));
  }
}

// The lines of a text the library returned.
std::vector<std::string> Lines(const char* text) {
  std::vector<std::string> lines;
  std::string line;
  for (const char* p = text ? text : ""; *p != 0; ++p) {
    if (*p != '\n') {
      line += *p;
      continue;
    }
    lines.push_back(line);
    line.clear();
  }
  return lines;
}

}  // namespace

SchematicOutputs CTarrowLoader::ListOutputs(const std::string& path) const {
  SchematicOutputs result;
  std::optional<LoadedLibrary> loaded;
  result.error = Load(m_libraryPath, loaded);
  if (result.error) return result;
  const LoadedLibrary& library = *loaded;
  void* list = library.Find("ListOutputPorts");
  if (list == nullptr || library.Find("LastRefusal") == nullptr) {
    result.error = MissingExport(m_libraryPath, list == nullptr ? "ListOutputPorts" : "LastRefusal");
    return result;
  }
  for (const std::string& line : Lines(reinterpret_cast<ListPorts>(list)(path.c_str()))) {
    const size_t tab = line.rfind('\t');
    if (tab == std::string::npos) continue;
    result.outputs.push_back({line.substr(0, tab), std::atoi(line.c_str() + tab + 1)});
  }
  if (result.outputs.empty()) ReadRefusal(library, result.refusal, result.refusalReason);
  return result;
}

SchematicSequence CTarrowLoader::Run(const char* computeExport, const std::string* path,
                                     const std::string* chosen) const {
  SchematicSequence result;
  std::optional<LoadedLibrary> loaded;
  result.error = Load(m_libraryPath, loaded);
  if (result.error) return result;
  const LoadedLibrary& library = *loaded;
  void* compute = library.Find(computeExport);
  void* inputs = library.Find("ICount");
  void* outputs = library.Find("OCount");
  for (auto [symbol, name] :
       {std::pair{compute, computeExport}, std::pair{inputs, "ICount"}, std::pair{outputs, "OCount"}}) {
    if (symbol == nullptr) {
      result.error = MissingExport(m_libraryPath, name);
      return result;
    }
  }
  void* names = chosen ? library.Find("InputNames") : nullptr;
  if (chosen && names == nullptr) {
    result.error = MissingExport(m_libraryPath, "InputNames");
    return result;
  }
  // The text belongs to the library: copy it before anything else runs there.
  const char* text = chosen ? reinterpret_cast<ComputeForOutputs>(compute)(path->c_str(), chosen->c_str())
                     : path ? reinterpret_cast<ComputeFromFile>(compute)(path->c_str())
                            : reinterpret_cast<ComputeFromDialog>(compute)();
  result.lp = text ? text : "";
  if (names && !result.lp.empty()) result.inputNames = Lines(reinterpret_cast<Text>(names)());
  result.inputs = reinterpret_cast<Count>(inputs)();
  result.outputs = reinterpret_cast<Count>(outputs)();
  // Only newer libraries say why; the others leave the reason empty.
  if (result.lp.empty()) ReadRefusal(library, result.refusal, result.refusalReason);
  return result;
}

}  // namespace lodex
