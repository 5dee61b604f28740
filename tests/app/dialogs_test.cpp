// What the dialogs and panes show and return, against the examples the
// program's users see.
#include <gtest/gtest.h>

#include "app/DependencyTable.h"
#include "app/SequencePane.h"
#include "app/Wizard.h"
#include "app/dialogs/AnalysisDialog.h"
#include "app/dialogs/FictDialog.h"
#include "app/dialogs/ParallelDialog.h"
#include "app/dialogs/SerialDialog.h"
#include "app/dialogs/ThreeInDialog.h"
#include "model/TempDir.h"

namespace lodex {
namespace {

using Lines = std::vector<std::string>;

CLogicalBlock Block(int inputs, int outputs, const std::string& lp) {
  CLogicalScheme s(static_cast<int16_t>(inputs), static_cast<int16_t>(outputs), "Bl_1", lp);
  return s.GetBlock(1);
}

TEST(ParallelDialog, ItemsAndTheMasksOfTheCheckMarks) {
  CParallelDialogModel model(Block(4, 3, std::string(16, '0')));
  EXPECT_EQ(model.InputItems(), (Lines{"In8", "In4", "In2", "In1"}));
  EXPECT_EQ(model.OutputItems(), (Lines{"Out4", "Out2", "Out1"}));
  EXPECT_FALSE(model.OkEnabled());
  EXPECT_EQ(model.Pictures().size(), 1u);

  model.SetChecks({false, true, false, false}, {false, true, false});  // In4 and Out2
  EXPECT_EQ(model.Choice(), (SplitRequest{15, 5, 4, 2}));
  EXPECT_TRUE(model.OkEnabled());
  const std::vector<BlockPicture> pictures = model.Pictures();
  ASSERT_EQ(pictures.size(), 2u);
  EXPECT_EQ(pictures[0].inputCount, 4);
  EXPECT_EQ(pictures[0].outputPins, (std::vector<CBlockInput>{{0, "O"}, {2, "O"}}));
  EXPECT_EQ(pictures[1].inputPins, (std::vector<CBlockInput>{{2, "I"}}));

  model.SetChecks({true, false, false, false}, {false, false, false});  // inputs only
  EXPECT_TRUE(model.OkEnabled());
  EXPECT_EQ(model.Choice().out2, 0);
  model.SetChecks({false, false, false, false}, {true, true, true});  // every output
  EXPECT_EQ(model.Choice().out1, 0);
  model.SetChecks({}, {});
  EXPECT_FALSE(model.OkEnabled());
  EXPECT_EQ(model.Pictures().size(), 1u);
  EXPECT_EQ(model.Choice(), (SplitRequest{15, 7, 0, 0}));
}

TEST(SerialDialog, WeightColumnsAndRows) {
  EXPECT_EQ(SerialWeightColumn(5, 3, true), "4, 1, ");
  EXPECT_EQ(SerialWeightColumn(5, 3, false), "2, ");
  EXPECT_EQ(MakeSerialListRow({5, 12}, 3), (SerialListRow{"Полученная 12", "4, 1, ", "2, "}));

  CSerialDialogModel model(Block(3, 1, "00011111"));  // (x0 & x1) | x2
  EXPECT_EQ(model.ComplexityText(), "8");
  EXPECT_FALSE(model.OkEnabled());
  EXPECT_FALSE(model.Choice());
  ASSERT_TRUE(model.Search());
  const std::vector<SplitCandidate>& c = model.Candidates();
  ASSERT_FALSE(c.empty());
  for (size_t i = 1; i < c.size(); ++i) EXPECT_LT(c[i - 1], c[i]);
  ASSERT_EQ(model.Rows().size(), c.size());
  model.Select(static_cast<int>(c.size()));  // no such row
  EXPECT_FALSE(model.OkEnabled());
  model.Select(0);
  EXPECT_EQ(model.Choice(), SerialChoice{c[0].mask});
  EXPECT_FALSE(model.BeforePreview().split);
  const SerialPreview after = model.AfterPreview();
  EXPECT_TRUE(after.split);
  EXPECT_EQ(after.lowerOutputs, 1);
  EXPECT_EQ(after.HigherInputs(), 3 - static_cast<int>(after.boundInputs.size()) + 1);
}

TEST(SerialDialog, AndOfTwoInputsHasNoSplit) {
  CSerialDialogModel model(Block(2, 1, "0001"));
  ASSERT_TRUE(model.Search());
  EXPECT_TRUE(model.Rows().empty());
  model.Select(0);
  EXPECT_FALSE(model.OkEnabled());
}

TEST(SerialDialog, LowerOutputsFromTheComplexity) {
  // n = 4, m = 1, k = 2: r = 1 gives 4 + 8 = 12, r = 2 gives 8 + 16 = 24.
  EXPECT_EQ(SerialLowerOutputs(4, 1, {3, 12}), 1);
  EXPECT_EQ(SerialLowerOutputs(4, 1, {3, 24}), 2);
}

TEST(FictDialog, GridPickRuleAndMessage) {
  CFictDialogModel model(Block(3, 1, "00000101"));  // x0 & x2
  EXPECT_EQ(model.InputItems(), (Lines{"In4", "In2", "In1"}));
  EXPECT_EQ(model.GridRows(), (std::vector<FictGridRow>{{"In4", " 1"}, {"In2", " 0"}, {"In1", " 1"}}));
  EXPECT_TRUE(model.FictitiousFound());
  EXPECT_FALSE(model.OkEnabled());

  CFictDialogModel::PickResult r = model.Pick(1);  // In2 = input 1
  EXPECT_EQ(r.checkedItem, 1);
  EXPECT_FALSE(r.message);
  EXPECT_TRUE(model.OkEnabled());
  EXPECT_EQ(model.Choice(), (SplitRequest{5, 1, 2, 0}));

  r = model.Pick(0);  // essential: no mark, the button keeps its state
  EXPECT_EQ(r.checkedItem, -1);
  EXPECT_TRUE(model.OkEnabled());
  EXPECT_EQ(model.Choice().in1, 7);

  CFictDialogModel none(Block(3, 1, "01101001"));  // parity: every input essential
  EXPECT_FALSE(none.FictitiousFound());
  r = none.Pick(2);
  EXPECT_EQ(r.checkedItem, -1);
  EXPECT_EQ(r.message, Phrase(PhraseCode::NoFictitiousInputs));
  EXPECT_FALSE(none.OkEnabled());
}

TEST(ThreeInDialog, LinesAndChosenInput) {
  CThreeInDialogModel model({5, 5, 4});
  EXPECT_EQ(model.Lines(),
            (Lines{"In 4, тип выделяемого блока 4", "In 2, тип выделяемого блока 5", "In 1, тип выделяемого блока 5"}));
  EXPECT_FALSE(model.Choice());
  model.Select(0);
  EXPECT_EQ(model.Choice(), ThreeInputChoice{2});
  model.Select(2);
  EXPECT_EQ(model.Choice(), ThreeInputChoice{0});
  model.Select(3);
  EXPECT_FALSE(model.OkEnabled());
  EXPECT_EQ(ThreeInputLines(std::vector<int32_t>(4, 1))[0], "In 8, тип выделяемого блока 1");
}

TEST(AnalysisGrid, HeadersCellsAndVerdicts) {
  const CAnalysisGrid grid("0110*111", "0111011*", 1);
  ASSERT_EQ(grid.Rows(), 3);
  EXPECT_EQ(grid.Cell(0, 2), "0");
  EXPECT_EQ(grid.Cell(0, 10), "3");
  EXPECT_EQ(grid.Cell(0, 0), "");
  EXPECT_EQ(grid.Cell(0, 6), "");
  EXPECT_EQ(grid.Cell(1, 1), "0");
  EXPECT_EQ(grid.Cell(2, 1), "1");
  EXPECT_EQ(grid.Cell(1, 5), " 0");
  EXPECT_EQ(grid.Cell(1, 10), " 1");
  EXPECT_EQ(grid.Cell(2, 2), " *");
  EXPECT_EQ(grid.Cell(1, 0), "НЕСОВПАДЕНИЕ");
  EXPECT_EQ(grid.Cell(2, 0), "OK");  // '*' on either side is never a mismatch
  EXPECT_TRUE(grid.HasMismatch());
  EXPECT_EQ(CAnalysisGrid::ColumnWidth(3, 100), 200);
  EXPECT_EQ(CAnalysisGrid::ColumnWidth(7, 100), 220);
  EXPECT_EQ(CAnalysisGrid::ColumnWidth(6, 100), 100);
}

TEST(AnalysisGrid, TwoDigitWordsAndShortSequences) {
  const CAnalysisGrid wide("0a0b0c0d", "0A0B0C0D", 2);
  ASSERT_EQ(wide.Rows(), 2);
  EXPECT_EQ(wide.Cell(1, 3), " 0b");
  EXPECT_EQ(wide.Cell(1, 8), " 0B");
  // Fewer than four combinations: only the header row, but a differing word
  // is still reported.
  const CAnalysisGrid same("01", "01", 1);
  EXPECT_EQ(same.Rows(), 1);
  EXPECT_FALSE(same.HasMismatch());
  EXPECT_TRUE(CAnalysisGrid("01", "11", 1).HasMismatch());
}

TEST(DependencyTable, HeadersAndCells) {
  // Output 0 = x0, output 1 = x1 & x2.
  const CDependencyTable table(Block(3, 2, "01010123"));
  ASSERT_EQ(table.Columns(), 4);
  ASSERT_EQ(table.Rows(), 3);
  EXPECT_EQ(table.Cell(0, 1), "In1");
  EXPECT_EQ(table.Cell(0, 3), "In4");
  EXPECT_EQ(table.Cell(1, 0), "Out2");
  EXPECT_EQ(table.Cell(2, 0), "Out1");
  EXPECT_EQ(table.Cell(2, 1), "  1");
  EXPECT_EQ(table.Cell(2, 2), "  0");
  EXPECT_EQ(table.Cell(1, 1), "  0");
  EXPECT_EQ(table.Cell(1, 3), "  1");
}

TEST(Wizard, LengthCheckAndSummary) {
  EXPECT_TRUE(SequenceLengthMatches(2, 5, "01020304"));
  EXPECT_FALSE(SequenceLengthMatches(2, 5, "0102"));
  const WizardPage2 page = BuildWizardPage2(kDefaultProjectName, 2, 5, "01020304");
  EXPECT_TRUE(page.finishEnabled);
  EXPECT_FALSE(page.problem);
  EXPECT_EQ(page.sequence, "  01 02 03 04");
  EXPECT_FALSE(BuildWizardPage2("", 2, 5, "01020304").finishEnabled);
  EXPECT_EQ(BuildWizardPage2("", 2, 5, "01020304").problem, Phrase(PhraseCode::SequenceLength));
  // 16 words a line, groups of four.
  const std::string text = BuildWizardPage2("p", 5, 1, std::string(32, '1')).sequence;
  EXPECT_NE(text.find("  1 1 1 1   1 1 1 1   1 1 1 1   1 1 1 1   \r\n  1 1"), std::string::npos);
}

// A word above 2^m - 1 keeps Finish off and says where it is; the entry
// field offers only the digits the word's place can hold.
TEST(Wizard, WordsTheOutputsCannotHoldAreRefused) {
  const WizardPage2 page = BuildWizardPage2("p", 4, 2, "012332101122330F");
  EXPECT_FALSE(page.finishEnabled);
  ASSERT_TRUE(page.problem);
  EXPECT_EQ(PhraseText({*page.problem}),
            "Слово 15 логической последовательности (F) больше 3 — наибольшего слова для 2 выходов");
  EXPECT_TRUE(BuildWizardPage2("p", 4, 2, "0123321011223303").finishEnabled);
  EXPECT_EQ(AllowedWordDigits(2, 0), "0123*");
  EXPECT_EQ(AllowedWordDigits(1, 0), "01*");
  EXPECT_EQ(AllowedWordDigits(5, 1), "0123456789ABCDEFabcdef*");
  EXPECT_EQ(AllowedWordDigits(5, 0), "01*");
  // The entry field for 2 inputs and 6 outputs: "&& && && &&".
  const SequenceEntry entry = BuildSequenceEntry(2, 2, nullptr, 6);
  EXPECT_TRUE(SequenceEntryTakes(entry, 0, '3'));
  EXPECT_FALSE(SequenceEntryTakes(entry, 0, '4'));
  EXPECT_TRUE(SequenceEntryTakes(entry, 1, 'f'));
  EXPECT_FALSE(SequenceEntryTakes(entry, 2, '0'));  // the blank between words
  EXPECT_FALSE(SequenceEntryTakes(entry, 3, '9'));
  EXPECT_TRUE(SequenceEntryTakes(BuildSequenceEntry(2, 2, nullptr), 3, '9'));
}

TEST(Wizard, PageOneChecks) {
  EXPECT_EQ(KeyboardEntryRefusal(-1, 0), Phrase(PhraseCode::NoProjectProperties));
  EXPECT_FALSE(KeyboardEntryRefusal(2, 1));
  EXPECT_EQ(CountSelection(3, kInputItems), 2);
  EXPECT_EQ(CountSelection(13, kOutputItems), -1);
  EXPECT_EQ(CountSelection(0, kOutputItems), -1);
  const WizardPage1Next none = NextFromPage1(-1, "", "0110");
  EXPECT_FALSE(none.advance);
  EXPECT_EQ(none.message, Phrase(PhraseCode::NoSequenceLoaded));
  EXPECT_EQ(NextFromPage1(1, "", "0110").lp, "0110");
  const WizardPage1Next file = NextFromPage1(0, std::string(LODEX_SOURCE_DIR) + "/examples/full-adder.lof", "x");
  EXPECT_TRUE(file.advance);
  EXPECT_EQ(file.lp, "01121223");
  EXPECT_EQ(NextFromPage1(0, "/nonexistent/x.lof", "x").lp, "");
  // A PLA file brings its counts; one the reader refuses keeps page 1 with the reason.
  testing::CTempDir dir;
  testing::WriteBytes(dir.File("f.PLA"), ".i 2\n.o 5\n11 10001\n");
  const WizardPage1Next pla = NextFromPage1(0, dir.File("f.PLA"), "x");
  EXPECT_TRUE(pla.advance);
  EXPECT_EQ(pla.lp, "00000011");
  EXPECT_EQ(pla.inputs, 2);
  EXPECT_EQ(pla.outputs, 5);
  testing::WriteBytes(dir.File("g.pla"), ".i 2\n");
  const WizardPage1Next refused = NextFromPage1(0, dir.File("g.pla"), "x");
  EXPECT_FALSE(refused.advance);
  ASSERT_TRUE(refused.refusal);
  EXPECT_EQ(EnglishText(*refused.refusal), "'" + dir.File("g.pla") + "': the file has no .o line");
}

TEST(Wizard, SequenceEntryMaskTextAndSizes) {
  const SequenceEntry keys = BuildSequenceEntry(3, 1, nullptr);
  EXPECT_EQ(keys.mask, "& & & &  & & & &");
  EXPECT_EQ(keys.initialText, "_ _ _ _  _ _ _ _");
  EXPECT_EQ(keys.editWidth, 187);
  EXPECT_EQ(keys.dialogWidth, 207);
  EXPECT_EQ(keys.okX, 93 - 46 - 50);
  EXPECT_EQ(keys.cancelX, 93 + 46 - 30);

  const std::string imported = "0110";
  const SequenceEntry sch = BuildSequenceEntry(2, 1, &imported);
  EXPECT_EQ(sch.initialText, "0 1 1 0");
  EXPECT_EQ(sch.editWidth, 11 * (16 + 18));

  const SequenceEntry wide = BuildSequenceEntry(5, 2, nullptr);
  EXPECT_EQ(wide.mask.substr(0, 47), "&& && && &&  && && && &&  && && && &&  && && &&");
  EXPECT_NE(wide.mask.find("&&  \r\n&&"), std::string::npos);
  EXPECT_EQ(SequenceEntryResult("01 10\r\n 0 1"), "011001");
}

TEST(SequencePane, LayoutOfBlocksAndSource) {
  CLogicalScheme s(3, 1, "Bl_1", "01101001");
  s.GetBlock(1).m_caption = "Блок 1";
  EXPECT_EQ(ShowBlocks(s), (Lines{"Блок 1:", "       0 1 1 0   1 0 0 1"}));
  const std::string row = "       0 0 0 0   0 0 0 0   0 0 0 0   0 0 0 0   ";
  EXPECT_EQ(LayoutSequence(std::string(32, '0'), 1), (Lines{row, "       0 0 0 0   0 0 0 0   0 0 0 0   0 0 0 0"}));
  EXPECT_EQ(ShowSource("0a0b", 2), (Lines{"       0a 0b"}));
  EXPECT_EQ(LayoutSequence("", 1), (Lines{""}));
}

}  // namespace
}  // namespace lodex
