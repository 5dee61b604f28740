// The desktop's own open-file dialog: its file chooser program (zenity, or
// kdialog on KDE) run as a child process with its arguments passed directly,
// never through a shell.
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "schimport/FileDialog.h"

extern char** environ;

namespace tarrow {
namespace {

// The program `name` in an absolute directory of PATH; relative entries
// (which would search the current directory) are skipped.
std::string FindProgram(std::string_view name) {
  const char* path = std::getenv("PATH");
  std::string_view dirs = path ? path : "/usr/bin:/bin";
  while (!dirs.empty()) {
    const size_t colon = dirs.find(':');
    const std::string_view dir = dirs.substr(0, colon);
    dirs = colon == std::string_view::npos ? std::string_view() : dirs.substr(colon + 1);
    if (dir.empty() || dir.front() != '/') continue;
    std::string candidate = std::string(dir) + "/" + std::string(name);
    struct stat st {};
    if (::stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(candidate.c_str(), X_OK) == 0)
      return candidate;
  }
  return {};
}

// Runs `argv` and returns its standard output, or the empty text when it
// cannot start or ends with a failure (the chooser's Cancel).
std::string RunChooser(const std::string& program, const std::vector<std::string>& args) {
  int fds[2];
  if (::pipe(fds) != 0) return {};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, fds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, fds[0]);
  posix_spawn_file_actions_addclose(&actions, fds[1]);
  std::vector<char*> argv;
  for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(fds[1]);
  std::string out;
  if (spawned == 0) {
    char buf[4096];
    for (;;) {
      const ssize_t n = ::read(fds[0], buf, sizeof buf);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) break;
      if (out.size() < (size_t{1} << 16)) out.append(buf, static_cast<size_t>(n));
    }
  }
  ::close(fds[0]);
  if (spawned != 0) return {};
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return {};
  while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
  return out;
}

}  // namespace

std::string AskSchematicFile() {
  if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY")) return {};
  const char* desktop = std::getenv("XDG_CURRENT_DESKTOP");
  const bool kde = desktop && std::string_view(desktop).find("KDE") != std::string_view::npos;
  const std::string title = "Открыть схему";
  const std::string zenity = FindProgram("zenity");
  const std::string kdialog = FindProgram("kdialog");
  if (!kdialog.empty() && (kde || zenity.empty()))
    return RunChooser(kdialog, {"kdialog", "--title", title, "--getopenfilename", ".",
                                "*.sch *.SCH|Файл схемы (*.sch)\n*|Все файлы (*.*)"});
  if (!zenity.empty())
    return RunChooser(zenity, {"zenity", "--file-selection", "--title=" + title,
                               "--file-filter=Файл схемы (*.sch) | *.sch *.SCH", "--file-filter=Все файлы (*.*) | *"});
  return {};
}

}  // namespace tarrow
