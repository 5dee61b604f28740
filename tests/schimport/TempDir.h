// A temporary folder that is the current directory while the test uses it.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace tarrow::testing {

// A fresh folder that is the current directory while this object lives.
class TempDir {
 public:
  TempDir() {
    std::string templ = (std::filesystem::temp_directory_path() / "tarrow-test-XXXXXX").string();
    m_path = ::mkdtemp(templ.data());
    m_previous = std::filesystem::current_path();
    std::filesystem::current_path(m_path);
  }
  ~TempDir() {
    std::filesystem::current_path(m_previous);
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return m_path; }
  std::string Write(const std::string& name, const std::string& text) const {
    const std::filesystem::path p = m_path / name;
    std::ofstream(p, std::ios::binary) << text;
    return p.string();
  }

 private:
  std::filesystem::path m_path;
  std::filesystem::path m_previous;
};

inline std::string ReadFile(const std::filesystem::path& p) {
  std::ifstream in(p, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

}  // namespace tarrow::testing
