#include <gtest/gtest.h>

#include <filesystem>

#include "export/DesktopOpen.h"
#include "export/VdxDrawing.h"
#include "export/VisioDrawing.h"
#include "model/RecordingSink.h"
#include "model/TempDir.h"

namespace lodex {
namespace {

TEST(DrawingViewer, FindsProgramsOnThePathOnly) {
  EXPECT_FALSE(FindProgram("sh").empty());
  EXPECT_EQ(FindProgram("/bin/sh"), "/bin/sh");
  EXPECT_EQ(FindProgram("lodex-no-such-program"), "");
  EXPECT_EQ(FindProgram("/etc/passwd"), "");  // not executable
  EXPECT_EQ(FindProgram(""), "");
}

TEST(DrawingViewer, TheFinishedDrawingIsHandedToTheOpener) {
  testing::CRecordingSink sink;
  CScopedMessageSink scope(sink);
  CVdxViewer viewer("true");
  ASSERT_TRUE(DrawSchemeInVisio(CLogicalScheme(2, 1, "Bl_1", "0110"), true, viewer));
  EXPECT_TRUE(sink.messages.empty());
  const std::string path = viewer.FilePath();
  ASSERT_FALSE(path.empty());
  EXPECT_EQ(std::filesystem::path(path).extension(), ".vdx");
  EXPECT_EQ(testing::ReadBytes(path), viewer.Xml());
  std::filesystem::remove(path);
}

TEST(DrawingViewer, NoOpenerOrAFailingOneFails) {
  CVdxViewer missing("lodex-no-such-viewer");
  EXPECT_FALSE(DrawSchemeInVisio(CLogicalScheme(2, 1, "Bl_1", "0110"), true, missing));
  EXPECT_TRUE(missing.FilePath().empty());
  EXPECT_TRUE(missing.Shapes().empty());

  CVdxViewer failing("false");
  EXPECT_FALSE(DrawSchemeInVisio(CLogicalScheme(2, 1, "Bl_1", "0110"), true, failing));
  EXPECT_FALSE(failing.FilePath().empty());
  std::filesystem::remove(failing.FilePath());
}

TEST(DrawingViewer, TemporaryFilesAreNewEachTime) {
  const std::string a = CreateTemporaryFile("lodex-test-", ".vdx");
  const std::string b = CreateTemporaryFile("lodex-test-", ".vdx");
  ASSERT_FALSE(a.empty());
  EXPECT_NE(a, b);
  EXPECT_TRUE(std::filesystem::exists(a));
  std::filesystem::remove(a);
  std::filesystem::remove(b);
}

}  // namespace
}  // namespace lodex
