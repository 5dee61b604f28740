// The built library loaded through dlopen from the build's output folder, as
// the program loads it.
#pragma once

#include <dlfcn.h>

#include "schimport/tarrow.h"

namespace tarrow::testing {

class Library {
 public:
  Library() : m_handle(::dlopen(LODEX_BIN_DIR "/libtarrow.so", RTLD_NOW | RTLD_LOCAL)) {
    if (!m_handle) return;
    fromSch = reinterpret_cast<decltype(fromSch)>(::dlsym(m_handle, "CalcLogicLineFromSch"));
    fromFile = reinterpret_cast<decltype(fromFile)>(::dlsym(m_handle, "CalcLogicLineFromFile"));
    iCount = reinterpret_cast<decltype(iCount)>(::dlsym(m_handle, "ICount"));
    oCount = reinterpret_cast<decltype(oCount)>(::dlsym(m_handle, "OCount"));
    lastRefusal = reinterpret_cast<decltype(lastRefusal)>(::dlsym(m_handle, "LastRefusal"));
    refusalCode = reinterpret_cast<decltype(refusalCode)>(::dlsym(m_handle, "LastRefusalCode"));
    refusalArgument = reinterpret_cast<decltype(refusalArgument)>(::dlsym(m_handle, "LastRefusalArgument"));
  }
  ~Library() {
    if (m_handle) ::dlclose(m_handle);
  }
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;

  bool complete() const {
    return m_handle && fromSch && fromFile && iCount && oCount && lastRefusal && refusalCode && refusalArgument;
  }
  void* Find(const char* name) const { return ::dlsym(m_handle, name); }

  decltype(&CalcLogicLineFromSch) fromSch = nullptr;
  decltype(&CalcLogicLineFromFile) fromFile = nullptr;
  decltype(&ICount) iCount = nullptr;
  decltype(&OCount) oCount = nullptr;
  decltype(&LastRefusal) lastRefusal = nullptr;
  decltype(&LastRefusalCode) refusalCode = nullptr;
  decltype(&LastRefusalArgument) refusalArgument = nullptr;

 private:
  void* m_handle;
};

}  // namespace tarrow::testing
