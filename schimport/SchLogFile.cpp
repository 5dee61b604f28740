#include "schimport/SchLogFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "model/PrintableText.h"

namespace tarrow {

std::unique_ptr<SchFileLog> SchFileLog::Create(const std::string& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0644);
  if (fd < 0) return nullptr;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid() || st.st_nlink != 1 ||
      ::ftruncate(fd, 0) != 0) {
    ::close(fd);
    return nullptr;
  }
  return std::unique_ptr<SchFileLog>(new SchFileLog(fd, path));
}

SchFileLog::~SchFileLog() {
  Flush();
  ::close(m_fd);
}

void SchFileLog::Line(std::string_view text) {
  // A full trace still takes the reason of a refusal.
  if (m_full && text.substr(0, 7) != "Error: ") return;
  // Names from the schematic may hold control characters: each event stays
  // one line of plain text.
  const std::string line = lodex::PrintableText(text);
  if (!m_full && m_written + m_buffer.size() + line.size() + 1 > kMaxTraceBytes) {
    m_full = true;
    m_buffer += "... the trace is longer than " + std::to_string(kMaxTraceBytes >> 20) + " MiB: the rest is left out\n";
    if (text.substr(0, 7) != "Error: ") return;
  }
  m_buffer.append(line);
  m_buffer.push_back('\n');
  if (m_buffer.size() >= (size_t{1} << 16)) Flush();
}

// The trace is best effort: a full disk loses lines, not the computation.
void SchFileLog::Flush() {
  size_t done = 0;
  while (done < m_buffer.size()) {
    const ssize_t n = ::write(m_fd, m_buffer.data() + done, m_buffer.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += static_cast<size_t>(n);
  }
  m_written += m_buffer.size();
  m_buffer.clear();
}

}  // namespace tarrow
