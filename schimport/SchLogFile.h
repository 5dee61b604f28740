// The trace file on disk.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "schimport/SchLog.h"

namespace tarrow {

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

  void Line(std::string_view text) override;
  const std::string& path() const { return m_path; }

 private:
  SchFileLog(int fd, std::string path) : m_fd(fd), m_path(std::move(path)) {}
  void Flush();

  int m_fd;
  std::string m_path;
  std::string m_buffer;
};

}  // namespace tarrow
