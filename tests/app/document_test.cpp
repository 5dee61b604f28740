// The document driven through a scripted host: enable rules, history,
// auto-synthesis, settings, open and save, and Cancel in every command.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "ScriptedHost.h"
#include "model/SchemeFile.h"
#include "model/TempDir.h"
#include "synthesis/Analysis.h"
#include "synthesis/AutomaticSynthesis.h"

namespace lodex::test {
namespace {

namespace fs = std::filesystem;

// ((x0 & x1) | x2) & x3 on both outputs: serial with mask 3 twice in a row.
const WizardResult kTwoOutputProject{"Схема1", 4, 2, "0000000000033333"};
// (x0 & x1) | x2: serial with mask 3.
constexpr const char* kOrAnd = "00011111";

CLogicalBlock OneOutputBlock(const std::string& id, const std::string& lp, int inputs) {
  CLogicalBlock b;
  b.m_id = id;
  b.m_caption = id;
  b.m_lp = lp;
  b.m_wordDigits = 1;
  b.m_inputCount = inputs;
  b.m_outputCount = 1;
  for (int k = 0; k < inputs; ++k) b.m_inputs.emplace_back(static_cast<int16_t>(k), "I");
  return b;
}

// Three blocks with the same sequence of three inputs, each driving one output.
CLogicalScheme ThreeEqualBlocks() {
  CLogicalScheme s;
  CLogicalBlock in;
  in.m_id = "I";
  in.m_outputCount = 3;
  CLogicalBlock out;
  out.m_id = "O";
  out.m_inputCount = 3;
  s.m_blocks.push_back(in);
  for (int i = 1; i <= 3; ++i) {
    s.m_blocks.push_back(OneOutputBlock("Bl_" + std::to_string(i), kOrAnd, 3));
    out.m_inputs.emplace_back(0, "Bl_" + std::to_string(i));
  }
  s.m_blocks.push_back(out);
  s.m_sourceLP = "00077777";
  s.m_wordDigits = 1;
  s.m_blockCounter = 3;
  s.RenumberCaptions();
  return s;
}

class DocumentTest : public ::testing::Test {
 protected:
  void SetUp() override { doc.OnNewDocument(); }

  std::string Path(const std::string& name) const { return m_dir.File(name); }

  void NewProject(const WizardResult& r = kTwoOutputProject) {
    host.wizard = r;
    const MessageAnswer answer = host.saveChanges;
    host.saveChanges = MessageAnswer::No;
    doc.OnCommand(CommandId::New);
    host.saveChanges = answer;
  }
  void Load(const CLogicalScheme& s) {
    ASSERT_TRUE(SaveSchemeFile(Path("in.shc"), s).ok());
    host.openFile = Path("in.shc");
    ASSERT_TRUE(doc.OnCommand(CommandId::Open));
  }
  void Serial(int block, int32_t mask) {
    doc.SelectBlock(block);
    host.serial = [mask](const CLogicalBlock&) { return SerialChoice{mask}; };
    ASSERT_TRUE(doc.OnCommand(CommandId::Serial));
  }

  CScriptedHost host;
  CLodexDoc doc{host};
  testing::CTempDir m_dir;
};

TEST_F(DocumentTest, EnableTableOfNewDocumentAndProject) {
  for (CommandId id : {CommandId::Undo, CommandId::Redo, CommandId::Analysis, CommandId::Vhdl, CommandId::Visio,
                       CommandId::SaveSequence, CommandId::Serial, CommandId::Parallel, CommandId::Save})
    EXPECT_FALSE(doc.IsEnabled(id)) << static_cast<int>(id);
  for (CommandId id : {CommandId::New, CommandId::Open, CommandId::Settings, CommandId::About, CommandId::CoverNand,
                       CommandId::CoverNor, CommandId::Optimize})
    EXPECT_TRUE(doc.IsEnabled(id)) << static_cast<int>(id);
  EXPECT_TRUE(doc.History().empty());
  // The commands enabled on an empty document run without a scheme.
  EXPECT_TRUE(doc.OnCommand(CommandId::CoverNand));
  EXPECT_TRUE(doc.OnCommand(CommandId::Optimize));
  EXPECT_EQ(host.MessageTexts(), (std::vector<std::string>{"количество ярусов в схеме = 0"}));
  EXPECT_TRUE(doc.Scheme().IsEmpty());
  EXPECT_FALSE(doc.IsEnabled(CommandId::Undo));

  NewProject();
  ASSERT_EQ(doc.History().size(), 1u);
  EXPECT_EQ(doc.HistoryPos(), 0);
  EXPECT_EQ(doc.GetTitle(), "Схема1");
  EXPECT_FALSE(doc.IsEnabled(CommandId::Undo));
  EXPECT_FALSE(doc.IsEnabled(CommandId::Redo));
  EXPECT_TRUE(doc.IsEnabled(CommandId::Analysis));
  EXPECT_FALSE(doc.IsEnabled(CommandId::Serial));    // nothing selected
  EXPECT_FALSE(doc.IsEnabled(CommandId::Optimize));  // 4 inputs, 2 outputs
  doc.SelectBlock(1);
  EXPECT_TRUE(doc.IsEnabled(CommandId::Serial));
  EXPECT_TRUE(doc.IsEnabled(CommandId::Parallel));
  EXPECT_FALSE(doc.IsEnabled(CommandId::Fictitious));  // two outputs
  EXPECT_FALSE(doc.IsEnabled(CommandId::ThreeInput));
  EXPECT_TRUE(doc.IsEnabled(CommandId::SaveSequence));
  doc.SelectBlock(-1);
  EXPECT_FALSE(doc.IsEnabled(CommandId::SaveSequence));
}

TEST_F(DocumentTest, ContextMenuRules) {
  NewProject({"p", 2, 1, "0001"});
  doc.SelectBlock(1);
  EXPECT_FALSE(doc.IsContextEnabled(CommandId::Parallel));
  EXPECT_FALSE(doc.IsContextEnabled(CommandId::ThreeInput));
  EXPECT_TRUE(doc.IsContextEnabled(CommandId::Serial));
  NewProject({"p", 3, 1, kOrAnd});
  doc.SelectBlock(1);
  EXPECT_FALSE(doc.IsContextEnabled(CommandId::Parallel));
  EXPECT_TRUE(doc.IsContextEnabled(CommandId::ThreeInput));
  doc.SelectBlock(-1);
  EXPECT_FALSE(doc.IsContextEnabled(CommandId::Serial));
}

TEST_F(DocumentTest, HistoryAfterSerialSerialUndoParallel) {
  NewProject();
  EXPECT_TRUE(doc.IsFirstState());
  Serial(1, 3);
  ASSERT_EQ(doc.History().size(), 2u);
  EXPECT_FALSE(doc.IsFirstState());  // the source pane keeps the project's sequence
  Serial(1, 3);
  ASSERT_EQ(doc.History().size(), 3u);
  const CLogicalScheme afterFirst = doc.History()[1];
  doc.OnCommand(CommandId::Undo);
  EXPECT_EQ(doc.HistoryPos(), 1);
  EXPECT_EQ(doc.Scheme().m_blocks, afterFirst.m_blocks);
  EXPECT_EQ(doc.Scheme().m_blockCounter, 3);  // identifiers are never handed out twice
  EXPECT_TRUE(doc.IsEnabled(CommandId::Redo));
  doc.SelectBlock(1);
  host.parallel = [](const CLogicalBlock&) { return SplitRequest{7, 1, 7, 2}; };
  ASSERT_TRUE(doc.OnCommand(CommandId::Parallel));
  ASSERT_EQ(doc.History().size(), 3u);
  EXPECT_EQ(doc.HistoryPos(), 2);
  EXPECT_EQ(doc.History()[1], afterFirst);
  EXPECT_EQ(doc.History()[2], doc.Scheme());
  EXPECT_FALSE(doc.IsEnabled(CommandId::Redo));
  EXPECT_TRUE(doc.IsEnabled(CommandId::Undo));
  EXPECT_EQ(ValidateScheme(doc.Scheme()), "");
}

TEST_F(DocumentTest, AutoSynthesisSplitsEveryEqualBlockAndKeepsTheSelection) {
  Load(ThreeEqualBlocks());
  Serial(3, 3);
  const CLogicalScheme& s = doc.Scheme();
  ASSERT_EQ(s.GetBlockCount(), 8);
  for (int i = 1; i < 7; ++i) EXPECT_NE(s.GetBlock(i).m_lp, kOrAnd) << i;
  EXPECT_EQ(doc.SelectedBlock(), 5);
  EXPECT_EQ(s.GetBlock(5).m_id, "Bl_3");  // the higher block keeps the identifier
  EXPECT_EQ(s.GetBlock(5).m_caption, "Блок 5");
  EXPECT_EQ(ValidateScheme(s), "");
  EXPECT_EQ(Analize(s).sequence, "00077777");
  EXPECT_EQ(doc.History().size(), 2u);
}

TEST_F(DocumentTest, WithoutAutoSynthesisOnlyTheSelectedBlockIsSplit) {
  Load(ThreeEqualBlocks());
  host.settings = SettingsChoice{false, true};
  doc.OnCommand(CommandId::Settings);
  Serial(2, 3);
  EXPECT_EQ(doc.Scheme().GetBlockCount(), 6);
  EXPECT_EQ(doc.Scheme().GetBlock(1).m_lp, kOrAnd);
  EXPECT_EQ(doc.Scheme().GetBlock(4).m_lp, kOrAnd);
  EXPECT_EQ(doc.SelectedBlock(), 2);
}

TEST_F(DocumentTest, SettingsMarkTheLayoutButNotTheDocument) {
  Load(ThreeEqualBlocks());
  doc.ClearLayoutDirty();
  host.settings = SettingsChoice{false, false};
  doc.OnCommand(CommandId::Settings);
  EXPECT_FALSE(doc.AutoSynthesis());
  EXPECT_FALSE(doc.LibraryBlocks());
  EXPECT_TRUE(doc.IsLayoutDirty());
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(doc.History().size(), 1u);
  EXPECT_TRUE(doc.SaveModified());
  EXPECT_EQ(host.saveChangesAsked, 0);
}

TEST_F(DocumentTest, OpenWhileModifiedAndCancelAtThePrompt) {
  NewProject();
  Serial(1, 3);
  const DocState before(doc);
  host.openFile = Path("never.shc");
  host.saveChanges = MessageAnswer::Cancel;
  doc.OnCommand(CommandId::Open);
  EXPECT_EQ(host.saveChangesAsked, 1);
  EXPECT_TRUE(host.fileDialogs.empty());
  EXPECT_EQ(DocState(doc), before);
}

TEST_F(DocumentTest, OpenWhileModifiedSavesThenOpens) {
  Load(ThreeEqualBlocks());
  Serial(1, 3);
  host.saveChanges = MessageAnswer::Yes;
  ASSERT_TRUE(SaveSchemeFile(Path("other.shc"), CLogicalScheme(3, 1, "Bl_1", kOrAnd)).ok());
  host.openFile = Path("other.shc");
  doc.OnCommand(CommandId::Open);
  CLogicalScheme saved;
  ASSERT_TRUE(LoadSchemeFile(Path("in.shc"), saved).ok());  // saved under its own path
  EXPECT_EQ(saved.GetBlockCount(), 8);
  EXPECT_EQ(doc.Scheme().GetBlockCount(), 3);
  EXPECT_EQ(doc.GetPathName(), Path("other.shc"));
  EXPECT_EQ(doc.GetTitle(), "other");
  EXPECT_EQ(doc.History().size(), 1u);
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(host.fileDialogs.back(), kOpenSchemeDialog);
}

TEST_F(DocumentTest, OpenOfADamagedFileReportsTheReasonAndKeepsTheDocument) {
  NewProject();
  Serial(1, 3);
  { std::ofstream(Path("bad.shc"), std::ios::binary) << "not a scheme"; }
  doc.SetModifiedFlag(false);
  const DocState before(doc);
  host.openFile = Path("bad.shc");
  doc.OnCommand(CommandId::Open);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_FALSE(MessageText(host.messages[0]).empty());
  EXPECT_EQ(host.messages[0].icon, MessageIcon::Error);
  EXPECT_EQ(DocState(doc), before);
}

TEST_F(DocumentTest, OpenWithAnotherExtensionReadsNothing) {
  NewProject();
  doc.SetModifiedFlag(false);
  ASSERT_TRUE(SaveSchemeFile(Path("x.txt"), ThreeEqualBlocks()).ok());
  host.openFile = Path("x.txt");
  doc.OnCommand(CommandId::Open);
  EXPECT_EQ(doc.Scheme().GetBlockCount(), 3);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(doc.History().size(), 1u);
}

TEST_F(DocumentTest, UndoClearsASelectionBeyondTheRestoredScheme) {
  Load(ThreeEqualBlocks());
  Serial(3, 3);
  doc.SelectBlock(6);
  ASSERT_EQ(doc.SelectedBlock(), 6);
  doc.OnCommand(CommandId::Undo);
  EXPECT_EQ(doc.Scheme().GetBlockCount(), 5);
  EXPECT_EQ(doc.SelectedBlock(), -1);
  EXPECT_FALSE(doc.IsModified());  // back at the scheme as opened
  doc.OnCommand(CommandId::Redo);
  EXPECT_EQ(doc.Scheme().GetBlockCount(), 8);
  doc.SelectBlock(2);
  doc.OnCommand(CommandId::Undo);
  EXPECT_EQ(doc.SelectedBlock(), 2);  // still a logic block: kept
}

TEST_F(DocumentTest, EveryCancelLeavesTheDocumentUnchanged) {
  NewProject({"p", 3, 2, "03030333"});  // 3 inputs, 2 outputs
  doc.SelectBlock(1);
  const DocState before(doc);
  for (CommandId id : {CommandId::Serial, CommandId::Parallel, CommandId::Settings, CommandId::SaveSequence,
                       CommandId::AutomaticSynthesis}) {
    EXPECT_TRUE(doc.OnCommand(id)) << static_cast<int>(id);
    EXPECT_EQ(DocState(doc), before) << static_cast<int>(id);
  }
  NewProject({"p", 3, 1, kOrAnd});
  doc.SelectBlock(1);
  const DocState single(doc);
  for (CommandId id : {CommandId::Fictitious, CommandId::ThreeInput, CommandId::Analysis}) {
    EXPECT_TRUE(doc.OnCommand(id)) << static_cast<int>(id);
    EXPECT_EQ(DocState(doc), single) << static_cast<int>(id);
  }
  EXPECT_EQ(host.dialogsRun,
            (std::vector<std::string>{"wizard", "serial", "parallel", "settings", "automatic-synthesis", "wizard",
                                      "fictitious", "three-input", "analysis"}));
  host.wizard.reset();
  doc.OnCommand(CommandId::New);
  EXPECT_EQ(DocState(doc), single);
}

TEST_F(DocumentTest, NewStopsWhenTheSavePromptIsCancelled) {
  NewProject();
  Serial(1, 3);
  const DocState before(doc);
  host.saveChanges = MessageAnswer::Cancel;
  host.dialogsRun.clear();
  doc.OnCommand(CommandId::New);
  EXPECT_TRUE(host.dialogsRun.empty());
  EXPECT_EQ(DocState(doc), before);
}

TEST_F(DocumentTest, NewProjectRefusesASequenceOfTheWrongLength) {
  NewProject({"p", 3, 1, "0001"});
  EXPECT_TRUE(doc.Scheme().IsEmpty());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(MessageText(host.messages[0]).find("Длина логической последовательности"), std::string::npos);
}

TEST_F(DocumentTest, SaveSequenceWritesTheFileOrReportsTheFailure) {
  NewProject({"p", 3, 1, kOrAnd});
  doc.SelectBlock(1);
  host.saveFile = Path("b.lof");
  doc.OnCommand(CommandId::SaveSequence);
  EXPECT_EQ(host.fileDialogs.back(), kSaveSequenceDialog);
  std::ifstream in(Path("b.lof"), std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "0001\r\n1111");
  EXPECT_TRUE(host.messages.empty());

  host.saveFile = Path("missing-folder/b.lof");
  doc.OnCommand(CommandId::SaveSequence);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].icon, MessageIcon::Error);
}

TEST_F(DocumentTest, SaveToAnUnwritablePlaceIsReported) {
  NewProject();
  EXPECT_FALSE(doc.OnSaveDocument(Path("missing-folder/x.shc")));
  EXPECT_EQ(host.messages.size(), 1u);
  EXPECT_TRUE(doc.IsModified());
  host.saveFile = Path("x.shc");
  EXPECT_TRUE(doc.OnCommand(CommandId::Save));  // no path yet: save as
  EXPECT_FALSE(doc.IsModified());
  EXPECT_EQ(doc.GetPathName(), Path("x.shc"));
}

TEST_F(DocumentTest, ParallelSerialOfferMergesOnYes) {
  // Output 0: ((x0 & x1) | x2) & x3; output 1: x0 & x1.
  const std::string lp = "0002000200031113";
  NewProject({"p", 4, 2, lp});
  doc.SelectBlock(1);
  // Group 2: output 1 from inputs 0 and 1, which the group-1 block can
  // also take out as a serial lower block.
  host.parallel = [](const CLogicalBlock&) { return SplitRequest{15, 1, 3, 2}; };
  host.answers = {MessageAnswer::Yes};
  doc.OnCommand(CommandId::Parallel);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].caption, "Выделение параллельно-последовательного блока");
  EXPECT_EQ(host.messages[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(host.messages[0].icon, MessageIcon::Question);
  EXPECT_EQ(ValidateScheme(doc.Scheme()), "");
  EXPECT_EQ(Analize(doc.Scheme()).sequence, lp);
  ASSERT_EQ(doc.Scheme().GetBlockCount(), 4);
  EXPECT_EQ(doc.Scheme().GetBlock(2).m_outputCount, 2);  // group 2 and the lower block's output
  EXPECT_EQ(doc.History().size(), 2u);
}

TEST_F(DocumentTest, FictitiousAndThreeInputCommands) {
  NewProject({"p", 3, 1, "00000101"});  // x0 & x2
  doc.SelectBlock(1);
  host.fictitious = [](const CLogicalBlock& b) {
    CFictDialogModel model(b);
    model.Pick(1);
    return std::optional<SplitRequest>(model.Choice());
  };
  doc.OnCommand(CommandId::Fictitious);
  ASSERT_EQ(doc.Scheme().GetBlockCount(), 3);
  EXPECT_EQ(doc.Scheme().GetBlock(1).m_inputCount, 2);
  EXPECT_EQ(doc.Scheme().GetBlock(1).m_lp, "0001");
  EXPECT_EQ(Analize(doc.Scheme()).sequence, "00000101");

  NewProject({"p", 3, 1, "00000001"});  // AND of three inputs
  doc.SelectBlock(1);
  host.threeInput = [](const CLogicalBlock&, const std::vector<int32_t>& types) {
    CThreeInDialogModel model(types);
    model.Select(0);  // the top line: input 2
    return model.Choice();
  };
  doc.OnCommand(CommandId::ThreeInput);
  EXPECT_EQ(doc.Scheme().GetBlock(1).m_lp, "001*010*");
  EXPECT_EQ(Analize(doc.Scheme()).sequence, "00000001");
}

TEST_F(DocumentTest, AutomaticSynthesisReplacesTheSchemeAsOneUndoableStep) {
  NewProject({"p", 4, 2, "0000002300222223"});
  const CLogicalScheme project = doc.Scheme();
  host.automaticSynthesis = [](const CLogicalScheme& s) {
    CLogicalScheme work = s;
    EXPECT_TRUE(RunAutomaticSynthesis(work, {2, nullptr}).status);
    return std::optional<CLogicalScheme>(work);
  };
  doc.OnCommand(CommandId::AutomaticSynthesis);
  const CLogicalScheme& result = doc.Scheme();
  EXPECT_GT(result.GetBlockCount(), 3);
  for (int b = 1; b < result.GetBlockCount() - 1; ++b) EXPECT_LE(result.GetBlock(b).m_inputCount, 2);
  EXPECT_EQ(Analize(result).sequence, "0000002300222223");
  EXPECT_TRUE(doc.IsModified());
  EXPECT_GT(result.m_blockCounter, project.m_blockCounter) << "identifiers are never handed out twice";
  doc.OnCommand(CommandId::Undo);
  EXPECT_EQ(doc.Scheme().m_blocks, project.m_blocks);
}

TEST_F(DocumentTest, AChoiceTheDialogCannotGiveIsRefused) {
  NewProject({"p", 3, 1, "00000101"});
  doc.SelectBlock(1);
  host.fictitious = [](const CLogicalBlock&) { return SplitRequest{6, 1, 1, 0}; };  // input 0 is essential
  const DocState before(doc);
  doc.OnCommand(CommandId::Fictitious);
  EXPECT_EQ(DocState(doc), before);
  EXPECT_EQ(host.messages.size(), 1u);
  host.serial = [](const CLogicalBlock&) { return SerialChoice{1}; };
  doc.OnCommand(CommandId::Serial);
  EXPECT_EQ(DocState(doc), before);
  EXPECT_EQ(host.messages.size(), 2u);
}

TEST_F(DocumentTest, CoveringAndAnalysisOfTheResult) {
  NewProject({"p", 2, 1, "0110"});
  doc.OnCommand(CommandId::CoverNand);
  EXPECT_EQ(doc.Scheme().GetBlockCount(), 6);
  EXPECT_EQ(doc.History().size(), 2u);
  doc.OnCommand(CommandId::Analysis);
  EXPECT_TRUE(host.messages.empty());
  EXPECT_EQ(host.analysisRows, (std::vector<std::string>{"OK"}));
}

TEST_F(DocumentTest, AnalysisMismatchShowsTheMessageBeforeTheGrid) {
  CLogicalScheme s(2, 1, "Bl_1", "0110");
  s.m_sourceLP = "0111";
  Load(s);
  doc.OnCommand(CommandId::Analysis);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(MessageText(host.messages[0]), "Не сходятся логические последовательности!");
  EXPECT_EQ(host.messages[0].caption, kAppTitle);
  EXPECT_EQ(host.analysisRows, (std::vector<std::string>{"НЕСОВПАДЕНИЕ"}));
}

// A project is never made of words its outputs cannot hold; a stored one
// that holds them still opens, and the analysis says why it cannot match.
TEST_F(DocumentTest, WordsAboveTheOutputsAreRefusedNewButExplainedStored) {
  NewProject({"p", 4, 2, "012332101122330F"});
  EXPECT_TRUE(doc.Scheme().IsEmpty());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(MessageText(host.messages[0]).find("Слово 15"), std::string::npos) << MessageText(host.messages[0]);

  host.messages.clear();
  ASSERT_TRUE(SaveSchemeFile(Path("wide.shc"), CLogicalScheme(4, 2, "Bl_1", "012332101122330F")).ok());
  host.openFile = Path("wide.shc");
  ASSERT_TRUE(doc.OnFileOpen());
  ASSERT_EQ(doc.Scheme().GetBlockCount(), 3);
  doc.OnCommand(CommandId::Analysis);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(MessageText(host.messages[0]),
            "Не сходятся логические последовательности!\r\nСлово 15 логической последовательности (F) больше 3 — "
            "наибольшего слова для 2 выходов");
}

// Opening (or dropping) a pipe is refused by the reader at once.
TEST_F(DocumentTest, OpenOfAPipeIsRefusedWithoutWaiting) {
  NewProject();
  doc.SetModifiedFlag(false);
  const DocState before(doc);
  ASSERT_EQ(::mkfifo(Path("pipe.shc").c_str(), 0600), 0);
  host.openFile = Path("pipe.shc");
  EXPECT_FALSE(doc.OnFileOpen());
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(MessageText(host.messages[0]).find("not a regular file"), std::string::npos)
      << MessageText(host.messages[0]);
  EXPECT_EQ(DocState(doc), before);
}

TEST_F(DocumentTest, OptimisationReportsTheTiers) {
  NewProject({"p", 2, 1, "0001"});
  doc.OnCommand(CommandId::Optimize);
  ASSERT_GE(host.messages.size(), 2u);
  EXPECT_EQ(MessageText(host.messages[0]), "количество ярусов в схеме = 2");
  EXPECT_EQ(MessageText(host.messages[1]), "");  // the empty candidate list
  EXPECT_EQ(doc.History().size(), 1u);
  EXPECT_EQ(doc.Scheme().GetBlock(0).m_lp, "0123");
}

TEST_F(DocumentTest, OptimisationAppliesTheSubstitutionThatFreesMostBlocks) {
  // x0 & x1 through a chain: Bl_1 = Bl_2 & x0, Bl_2 = Bl_3 & x1, Bl_3 = x0 & x1.
  CLogicalScheme s(2, 1, "Bl_1", "0001");
  CLogicalBlock b2 = s.GetBlock(1), b3 = s.GetBlock(1);
  s.GetBlock(1).m_inputs = {{0, "Bl_2"}, {0, "I"}};
  b2.m_id = "Bl_2";
  b2.m_inputs = {{0, "Bl_3"}, {1, "I"}};
  b3.m_id = "Bl_3";
  s.InsertBlock(2, b2);
  s.InsertBlock(3, b3);
  s.m_blockCounter = 3;
  ASSERT_EQ(ValidateScheme(s), "");
  Load(s);
  ASSERT_TRUE(doc.OnCommand(CommandId::Optimize));
  const std::vector<std::string> texts = host.MessageTexts();
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0], "количество ярусов в схеме = 4");
  EXPECT_EQ(std::count(texts[1].begin(), texts[1].end(), '\n'), 2);  // two candidates
  EXPECT_EQ(texts[2], "3  номер #1");                                // equal dead sets: the later candidate
  EXPECT_EQ(doc.Scheme().GetBlockCount(), 4);
  EXPECT_EQ(doc.Scheme().GetBlock(2).m_inputs[0], (CBlockInput{1, "I"}));
  EXPECT_EQ(doc.Scheme().GetBlock(2).m_caption, "Блок 2");
  EXPECT_EQ(Analize(doc.Scheme()).sequence, "0001");
  ASSERT_EQ(doc.History().size(), 2u);
  EXPECT_EQ(doc.History()[1], doc.Scheme());
  EXPECT_TRUE(doc.IsModified());
}

}  // namespace
}  // namespace lodex::test
