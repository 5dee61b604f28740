#include "export/DesktopOpen.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string_view>
#include <thread>
#include <vector>

extern char** environ;

namespace lodex {

std::string FindProgram(const std::string& program) {
  if (program.empty()) return {};
  auto executable = [](const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
  };
  if (program.find('/') != std::string::npos) return executable(program) ? program : std::string();
  const char* path = std::getenv("PATH");
  std::string_view dirs = path ? path : "/usr/local/bin:/usr/bin:/bin";
  while (true) {
    const size_t colon = dirs.find(':');
    std::string dir(dirs.substr(0, colon));
    if (!dir.empty()) {
      const std::string candidate = dir + "/" + program;
      if (executable(candidate)) return candidate;
    }
    if (colon == std::string_view::npos) break;
    dirs.remove_prefix(colon + 1);
  }
  return {};
}

bool OpenWithProgram(const std::string& program, const std::string& file) {
  const std::string path = FindProgram(program);
  if (path.empty()) return false;
  std::vector<char*> argv{const_cast<char*>(path.c_str()), const_cast<char*>(file.c_str()), nullptr};
  pid_t pid = 0;
  if (::posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv.data(), environ) != 0) return false;
  // Desktop openers return at once after handing the file on; one that runs
  // the viewer itself keeps running, and then it has taken the file.
  for (int i = 0; i < 50; ++i) {
    int status = 0;
    const pid_t done = ::waitpid(pid, &status, WNOHANG);
    if (done == pid) return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (done < 0) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
  std::thread([pid] {
    int status = 0;
    ::waitpid(pid, &status, 0);
  }).detach();
  return true;
}

std::string CreateTemporaryFile(const std::string& prefix, const std::string& suffix) {
  const char* tmp = std::getenv("TMPDIR");
  std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/" + prefix + "XXXXXX" + suffix;
  std::vector<char> buffer(pattern.begin(), pattern.end());
  buffer.push_back('\0');
  const int fd = ::mkstemps(buffer.data(), static_cast<int>(suffix.size()));
  if (fd < 0) return {};
  ::close(fd);
  return std::string(buffer.data());
}

}  // namespace lodex
