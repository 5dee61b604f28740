#include "app/TarrowLoader.h"

#include <dlfcn.h>
#include <unistd.h>

#include <utility>

#include "model/PrintableText.h"
#include "schimport/tarrow.h"

namespace lodex {
namespace {

using ComputeFromDialog = decltype(&CalcLogicLineFromSch);
using ComputeFromFile = decltype(&CalcLogicLineFromFile);
using Count = decltype(&ICount);
using Reason = decltype(&LastRefusal);

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

SchematicSequence CTarrowLoader::Run(const char* computeExport, const std::string* path) const {
  SchematicSequence result;
  if (m_libraryPath.empty()) {
    result.error = "Не удалось определить папку программы, из которой загружается библиотека импорта схем";
    return result;
  }
  ::dlerror();
  const LoadedLibrary library(m_libraryPath);
  if (!library.loaded()) {
    result.error = "Не удалось загрузить библиотеку импорта схем " + PrintableText(m_libraryPath) + ": " + DlError();
    return result;
  }
  void* compute = library.Find(computeExport);
  void* inputs = library.Find("ICount");
  void* outputs = library.Find("OCount");
  for (auto [symbol, name] :
       {std::pair{compute, computeExport}, std::pair{inputs, "ICount"}, std::pair{outputs, "OCount"}}) {
    if (symbol == nullptr) {
      result.error = "В библиотеке импорта схем " + PrintableText(m_libraryPath) + " нет функции " + name;
      return result;
    }
  }
  // The text belongs to the library: copy it before anything else runs there.
  const char* text =
      path ? reinterpret_cast<ComputeFromFile>(compute)(path->c_str()) : reinterpret_cast<ComputeFromDialog>(compute)();
  result.lp = text ? text : "";
  result.inputs = reinterpret_cast<Count>(inputs)();
  result.outputs = reinterpret_cast<Count>(outputs)();
  // Only newer libraries say why; the others leave the reason empty.
  if (void* reason = library.Find("LastRefusal"); reason && result.lp.empty()) {
    const char* why = reinterpret_cast<Reason>(reason)();
    result.refusal = why ? why : "";
  }
  return result;
}

}  // namespace lodex
