#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "app/TarrowLoader.h"
#include "schimport/TempDir.h"

namespace lodex {
namespace {

using tarrow::testing::TempDir;
using ::testing::HasSubstr;

const std::string kExample = std::string(LODEX_SOURCE_DIR) + "/examples/full-adder.sch";

TEST(TarrowLoader, LoadsFromTheProgramsFolderAndCopiesTheResult) {
  TempDir dir;  // for the trace
  EXPECT_EQ(std::filesystem::canonical(ExecutableDirectory()), std::filesystem::canonical(LODEX_BIN_DIR));
  const CTarrowLoader loader;
  EXPECT_EQ(loader.LibraryPath(), ExecutableDirectory() + "/libtarrow.so");
  const SchematicSequence s = loader.CalcFromFile(kExample);
  EXPECT_EQ(s.error, "");
  EXPECT_EQ(s.lp, "01121223");
  EXPECT_EQ(s.inputs, 3);
  EXPECT_EQ(s.outputs, 2);
}

TEST(TarrowLoader, ASchematicThatFailsGivesTheEmptySequenceAndTheReasonWithoutError) {
  TempDir dir;
  const SchematicSequence s = CTarrowLoader(LODEX_BIN_DIR).CalcFromFile(dir.Write("bad.sch", "PORT Input X\n"));
  EXPECT_EQ(s.error, "");
  EXPECT_EQ(s.lp, "");
  EXPECT_EQ(s.refusal, "the port X names a net that is not declared before it");
  EXPECT_EQ(s.inputs, 0);  // each use loads the library afresh
}

TEST(TarrowLoader, ALibraryPlantedInTheCurrentDirectoryIsNotPickedUp) {
  TempDir planted;
  std::filesystem::copy_file(std::string(LODEX_BIN_DIR) + "/libtarrow.so", planted.path() / "libtarrow.so");
  TempDir empty;
  std::filesystem::current_path(planted.path());
  ASSERT_TRUE(std::filesystem::exists("libtarrow.so"));
  const CTarrowLoader loader(empty.path().string());
  const SchematicSequence s = loader.CalcFromFile(kExample);
  EXPECT_THAT(s.error, HasSubstr("Не удалось загрузить библиотеку импорта схем " + loader.LibraryPath()));
  EXPECT_EQ(s.lp, "");
  EXPECT_THAT(loader.CalcFromDialog().error, HasSubstr("Не удалось загрузить"));
}

TEST(TarrowLoader, ARelativeFolderIsRefused) {
  for (const char* dir : {"", ".", "bin"}) {
    const CTarrowLoader loader(dir);
    EXPECT_EQ(loader.LibraryPath(), "") << dir;
    EXPECT_THAT(loader.CalcFromFile(kExample).error, HasSubstr("Не удалось определить папку программы")) << dir;
  }
}

TEST(TarrowLoader, AMissingExportIsReportedBeforeAnythingIsCalled) {
  const CTarrowLoader loader(LODEX_TARROW_STUB_DIR);
  SchematicSequence s = loader.CalcFromFile(kExample);
  EXPECT_EQ(s.error, "В библиотеке импорта схем " + loader.LibraryPath() + " нет функции CalcLogicLineFromFile");
  EXPECT_EQ(s.inputs, 0);
  s = loader.CalcFromDialog();
  EXPECT_EQ(s.error, "В библиотеке импорта схем " + loader.LibraryPath() + " нет функции CalcLogicLineFromSch");
}

}  // namespace
}  // namespace lodex
