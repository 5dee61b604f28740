// The trace file on disk.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "schimport/SchLog.h"

namespace tarrow {

// The trace stops growing here, so no schematic can make it fill a disk.
inline constexpr size_t kMaxTraceBytes = size_t{16} << 20;

class SchFileLog : public SchLog {
 public:
  // Creates or truncates `path`. Refuses (null) a symbolic link, anything but
  // a regular file, a file of another user or with further hard links, so a
  // name planted in a shared folder cannot redirect the trace onto another
  // file.
  static std::unique_ptr<SchFileLog> Create(const std::string& path);
  ~SchFileLog() override;
  SchFileLog(const SchFileLog&) = delete;
  SchFileLog& operator=(const SchFileLog&) = delete;

  // Past kMaxTraceBytes one line says that the rest is left out.
  void Line(std::string_view text) override;
  bool Tracing() const override { return !m_full; }
  const std::string& path() const { return m_path; }

 private:
  SchFileLog(int fd, std::string path) : m_fd(fd), m_path(std::move(path)) {}
  void Flush();

  int m_fd;
  std::string m_path;
  std::string m_buffer;
  size_t m_written = 0;
  bool m_full = false;
};

}  // namespace tarrow
