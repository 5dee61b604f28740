// The layer check run as `make check-layers` runs it: on this tree it passes,
// and on a copy with an upward include or a stray Qt include it fails naming
// the file, the line and the include.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "model/TempDir.h"

namespace lodex {
namespace {

using testing::CTempDir;
using testing::WriteBytes;

struct CheckRun {
  int status;
  std::string output;
};

CheckRun CheckLayers(const std::string& root) {
  const std::string command = "python3 " LODEX_SOURCE_DIR "/scripts/check-layers.py '" + root + "' 2>&1";
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(::popen(command.c_str(), "r"), ::pclose);
  std::string output;
  std::array<char, 4096> buffer{};
  while (const size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe.get())) output.append(buffer.data(), n);
  const int status = ::pclose(pipe.release());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

void Write(const CTempDir& dir, const std::string& name, const std::string& text) {
  std::filesystem::create_directories((dir.Path() / name).parent_path());
  WriteBytes(dir.File(name), text);
}

TEST(CheckLayers, TheTreePasses) {
  const CheckRun run = CheckLayers(LODEX_SOURCE_DIR);
  EXPECT_EQ(run.status, 0) << run.output;
}

TEST(CheckLayers, UpwardSiblingAndQtIncludesFailNamingFileAndInclude) {
  CTempDir dir;
  // Allowed: downward, within a layer, Qt in ui/ and in tarrow's Qt dialog.
  Write(dir, "app/Doc.cpp", "#include \"app/Doc.h\"\n#include \"export/Vhdl.h\"\n#include \"model/Block.h\"\n");
  Write(dir, "ui/window/Frame.cpp", "#include <QMainWindow>\n#include \"app/Doc.h\"\n#include \"cli/x.h\"\n");
  Write(dir, "schimport/FileDialogQt.cpp", "#include <QFileDialog>\n");
  Write(dir, "tests/app/t.cpp", "#include \"ui/window/Frame.h\"\n");
  EXPECT_EQ(CheckLayers(dir.Path().string()).status, 1);  // ui includes its sibling cli

  std::filesystem::remove(dir.File("ui/window/Frame.cpp"));
  EXPECT_EQ(CheckLayers(dir.Path().string()).status, 0) << CheckLayers(dir.Path().string()).output;

  Write(dir, "synthesis/Serial.cpp", "// a split\n#include \"synthesis/Serial.h\"\n  #include \"app/LodexDoc.h\"\n");
  Write(dir, "synthesis/Tiers.h", "#include \"schimport/Gate.h\"\n");
  Write(dir, "model/Scheme.cpp", "#include <QString>\n#include <QtCore/qglobal.h>\n");
  const CheckRun run = CheckLayers(dir.Path().string());
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.output.find("synthesis/Serial.cpp:3: includes \"app/LodexDoc.h\""), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("synthesis/Tiers.h:1: includes \"schimport/Gate.h\""), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("model/Scheme.cpp:1: includes <QString>"), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("model/Scheme.cpp:2: includes <QtCore/qglobal.h>"), std::string::npos) << run.output;
  EXPECT_EQ(run.output.find("app/Doc.cpp"), std::string::npos) << run.output;
}

}  // namespace
}  // namespace lodex
