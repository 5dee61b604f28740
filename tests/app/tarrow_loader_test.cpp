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
  EXPECT_FALSE(s.error);
  EXPECT_EQ(s.lp, "01121223");
  EXPECT_EQ(s.inputs, 3);
  EXPECT_EQ(s.outputs, 2);
}

TEST(TarrowLoader, ASchematicThatFailsGivesTheEmptySequenceAndTheReasonWithoutError) {
  TempDir dir;
  const SchematicSequence s = CTarrowLoader(LODEX_BIN_DIR).CalcFromFile(dir.Write("bad.sch", "PORT Input X\n"));
  EXPECT_FALSE(s.error);
  EXPECT_EQ(s.lp, "");
  EXPECT_EQ(s.refusal, "the port X names a net that is not declared before it");
  ASSERT_TRUE(s.refusalReason);
  EXPECT_EQ(s.refusalReason->code(), ReasonCode::SchPortUndeclared);
  EXPECT_EQ(s.inputs, 0);  // each use loads the library afresh
}

TEST(TarrowLoader, ANestedRefusalComesBackWhole) {
  // A refusal inside a sub-schematic names the file and then the reason.
  TempDir dir;
  dir.Write("half.sch", "SIGNAL A\nSIGNAL S\nPORT Input A\nPORT Output S\nBEGIN BLOCK G1 and2\nPIN I0 A\nPIN O S\n");
  const SchematicSequence s = CTarrowLoader(LODEX_BIN_DIR)
                                  .CalcFromFile(dir.Write("top.sch",
                                                          "SIGNAL A\nSIGNAL F\nPORT Input A\nPORT Output F\n"
                                                          "BEGIN BLOCK U1 half\nPIN A A\nPIN S F\nEND BLOCK\n"));
  EXPECT_EQ(s.refusal, "in half.sch: the input pin I1 of G1 (and2) is not connected");
  ASSERT_TRUE(s.refusalReason);
  EXPECT_EQ(s.refusalReason->code(), ReasonCode::SchInSubSchematic);
  EXPECT_EQ(EnglishText(*s.refusalReason), s.refusal);
}

TEST(TarrowLoader, AnOlderLibraryGivesItsLineWithoutACode) {
  const SchematicSequence s = CTarrowLoader(LODEX_TARROW_OLD_DIR).CalcFromFile(kExample);
  EXPECT_FALSE(s.error);
  EXPECT_EQ(s.lp, "");
  EXPECT_EQ(s.refusal, "the schematic has no output port");
  EXPECT_FALSE(s.refusalReason);
}

TEST(TarrowLoader, ALibraryPlantedInTheCurrentDirectoryIsNotPickedUp) {
  TempDir planted;
  std::filesystem::copy_file(std::string(LODEX_BIN_DIR) + "/libtarrow.so", planted.path() / "libtarrow.so");
  TempDir empty;
  std::filesystem::current_path(planted.path());
  ASSERT_TRUE(std::filesystem::exists("libtarrow.so"));
  const CTarrowLoader loader(empty.path().string());
  const SchematicSequence s = loader.CalcFromFile(kExample);
  ASSERT_TRUE(s.error);
  EXPECT_EQ(s.error->code(), ReasonCode::LibraryNotLoaded);
  EXPECT_THAT(EnglishText(*s.error), HasSubstr("cannot load the schematic-import library '" + loader.LibraryPath()));
  EXPECT_EQ(s.lp, "");
  EXPECT_EQ(loader.CalcFromDialog().error->code(), ReasonCode::LibraryNotLoaded);
}

TEST(TarrowLoader, ARelativeFolderIsRefused) {
  for (const char* dir : {"", ".", "bin"}) {
    const CTarrowLoader loader(dir);
    EXPECT_EQ(loader.LibraryPath(), "") << dir;
    EXPECT_EQ(loader.CalcFromFile(kExample).error->code(), ReasonCode::LibraryFolderUnknown) << dir;
  }
}

TEST(TarrowLoader, AMissingExportIsReportedBeforeAnythingIsCalled) {
  const CTarrowLoader loader(LODEX_TARROW_STUB_DIR);
  SchematicSequence s = loader.CalcFromFile(kExample);
  ASSERT_TRUE(s.error);
  EXPECT_EQ(EnglishText(*s.error),
            "the schematic-import library '" + loader.LibraryPath() + "' has no function CalcLogicLineFromFile");
  EXPECT_EQ(s.inputs, 0);
  s = loader.CalcFromDialog();
  EXPECT_EQ(EnglishText(*s.error),
            "the schematic-import library '" + loader.LibraryPath() + "' has no function CalcLogicLineFromSch");
}

// What the wizard lists and imports for a choice of outputs.
TEST(TarrowLoader, ListsTheOutputsAndImportsAChoiceOfThem) {
  TempDir dir;
  const std::string path =
      dir.Write("cones.sch",
                "SIGNAL A0\nSIGNAL A1\nSIGNAL A2\nSIGNAL F0\nSIGNAL F1\nPORT Input A0\nPORT Input A1\nPORT Input A2\n"
                "PORT Output F0\nPORT Output F1\nBEGIN BLOCK G1 and2\nPIN I0 A0\nPIN I1 A1\nPIN O F0\nEND BLOCK\n"
                "BEGIN BLOCK G2 buf\nPIN I A2\nPIN O F1\nEND BLOCK\n");
  const CTarrowLoader loader(LODEX_BIN_DIR);
  const SchematicOutputs list = loader.ListOutputs(path);
  EXPECT_FALSE(list.error);
  ASSERT_EQ(list.outputs.size(), 2u);
  EXPECT_EQ(list.outputs[0].name, "F0");
  EXPECT_EQ(list.outputs[0].inputs, 2);
  EXPECT_EQ(list.outputs[1].name, "F1");
  EXPECT_EQ(list.outputs[1].inputs, 1);
  const SchematicSequence s = loader.CalcForOutputs(path, {"F0"});
  EXPECT_EQ(s.lp, "0001");
  EXPECT_EQ(s.inputs, 2);
  EXPECT_EQ(s.outputs, 1);
  EXPECT_THAT(s.inputNames, ::testing::ElementsAre("A0", "A1"));
  const SchematicOutputs bad = loader.ListOutputs(dir.Write("bad.sch", "PORT Input X\n"));
  EXPECT_TRUE(bad.outputs.empty());
  EXPECT_EQ(bad.refusal, "the port X names a net that is not declared before it");
  EXPECT_EQ(bad.refusalReason->code(), ReasonCode::SchPortUndeclared);
}

}  // namespace
}  // namespace lodex
