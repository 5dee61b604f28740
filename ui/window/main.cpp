// lodex: the desktop program.
#include <cstdio>
#include <cstring>

#include "ui/window/Lodex.h"

namespace {

// What --help prints; the manual page lodex.1 is written from it.
constexpr const char* kHelp = R"(Usage: lodex [OPTION]... [FILE.shc]
Lodex: structural synthesis of combinational logic, the desktop program.

Opens the scheme FILE.shc, a project with its decomposition, or an empty window.
Файл › Новый starts a new project in the wizard; the synthesis commands work on
the block selected in the diagram. lodex-cli drives the same document from the
command line.

Options:
  --language ru|en  the interface in Russian (the default) or English for
                    this run; Опции › Настройки keeps a choice for every run
  -h, --help        print this help and exit
  --version         print the version and exit

Qt's own options are taken as well, for example -platform offscreen or
-style fusion.

Files:
The window's size and place, the bars' layout, the recent files and the
settings are kept in ~/.config/Lodex/Lodex 2.conf. The schematic (*.sch)
import is the library libtarrow.so, loaded from the program's own folder only.
)";

}  // namespace

int main(int argc, char** argv) {
  // Answered before any window system is needed.
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "-h") == 0 || std::strcmp(argv[i], "--help") == 0) {
      std::fputs(kHelp, stdout);
      return 0;
    }
    if (std::strcmp(argv[i], "--version") == 0) {
      std::puts("lodex " LODEX_VERSION);
      return 0;
    }
    const char* language = nullptr;
    if (std::strcmp(argv[i], "--language") == 0)
      language = i + 1 < argc ? argv[i + 1] : "";
    else if (std::strncmp(argv[i], "--language=", 11) == 0)
      language = argv[i] + 11;
    if (language != nullptr && std::strcmp(language, "ru") != 0 && std::strcmp(language, "en") != 0) {
      std::fprintf(stderr, "lodex: --language takes ru or en, not '%s'\n", language);
      return 1;
    }
  }
  lodex::CLodexApp app(argc, argv);
  app.InitInstance();
  return app.exec();
}
