// A temporary folder removed with everything in it when the test ends.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace lodex::testing {

class CTempDir {
 public:
  CTempDir() {
    std::random_device rd;
    m_path = std::filesystem::temp_directory_path() / ("lodex-test-" + std::to_string(rd()) + std::to_string(rd()));
    std::filesystem::create_directories(m_path);
  }
  ~CTempDir() {
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
  }
  CTempDir(const CTempDir&) = delete;
  CTempDir& operator=(const CTempDir&) = delete;

  std::string File(const std::string& name) const { return (m_path / name).string(); }
  const std::filesystem::path& Path() const { return m_path; }

 private:
  std::filesystem::path m_path;
};

// A temporary folder that is the current directory while the object lives,
// for what writes there (the schematic library's trace).
class CInTempDir {
 public:
  CInTempDir() : m_previous(std::filesystem::current_path()) { std::filesystem::current_path(m_dir.Path()); }
  ~CInTempDir() { std::filesystem::current_path(m_previous); }
  CInTempDir(const CInTempDir&) = delete;
  CInTempDir& operator=(const CInTempDir&) = delete;
  std::string File(const std::string& name) const { return m_dir.File(name); }

 private:
  CTempDir m_dir;
  std::filesystem::path m_previous;
};

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

}  // namespace lodex::testing
