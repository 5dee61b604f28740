#include <gtest/gtest.h>

#include "model/LogicalScheme.h"
#include "model/RecordingSink.h"
#include "model/SchemeFile.h"
#include "synthesis/OpsTestUtil.h"

namespace lodex {
namespace {

using testing::Block;

// I (2 inputs) -> Bl_2 (one-output function `inner` of both inputs) ->
// Bl_1 (AND of Bl_2 and input 1) -> O.
CLogicalScheme Chain(const std::string& inner) {
  CLogicalScheme s(2, 1, "Bl_1", "0001");
  s.m_blockCounter = 2;
  s.SetBlock(1, Block("Bl_1", "0001", {{0, "Bl_2"}, {1, "I"}}));
  s.InsertBlock(2, Block("Bl_2", inner, {{0, "I"}, {1, "I"}}));
  EXPECT_EQ(ValidateScheme(s), "");
  return s;
}

TEST(SchemeInit, ProjectAndWorkingSchemes) {
  CLogicalScheme empty;
  EXPECT_TRUE(empty.IsEmpty());
  EXPECT_EQ(empty.m_wordDigits, 1);
  EXPECT_EQ(empty.m_blockCounter, 0);

  const CLogicalScheme p(3, 5, "Bl_1", "00000000000000ff");
  ASSERT_FALSE(p.IsEmpty());
  ASSERT_EQ(p.GetBlockCount(), 3);
  EXPECT_EQ(p.m_wordDigits, 2);
  EXPECT_EQ(p.m_blockCounter, 1);
  EXPECT_EQ(p.GetBlock(0).m_id, "I");
  EXPECT_EQ(p.GetBlock(0).m_outputCount, 3);
  EXPECT_EQ(p.GetBlock(1).m_wordDigits, 2);
  EXPECT_EQ(p.GetBlock(1).m_caption, "Блок 1");
  EXPECT_EQ(p.GetBlock(1).m_inputs[2], CBlockInput(2, "I"));
  EXPECT_EQ(p.GetBlock(2).m_inputCount, 5);
  for (const CBlockInput& link : p.GetBlock(2).m_inputs) EXPECT_EQ(link.m_source, "Bl_1");
  EXPECT_EQ(p.GetBlock(2).m_inputs[4].m_pin, 4);

  CLogicalBlock source = Block("Bl_7", "0110", {{3, "Bl_9"}, {0, "I"}});
  source.m_tier = 4;
  source.m_reserved = 9;
  const CLogicalScheme w(source);
  EXPECT_EQ(w.GetBlock(1).m_id, "BL_1");
  EXPECT_EQ(w.GetBlock(1).m_tier, 4);
  EXPECT_EQ(w.GetBlock(1).m_reserved, 0);
  EXPECT_EQ(w.GetBlock(1).m_inputs[0], CBlockInput(0, "I"));
  EXPECT_EQ(w.GetBlock(0).m_outputCount, 2);
  EXPECT_EQ(w.GetBlock(2).m_inputs[0], CBlockInput(0, "BL_1"));
  EXPECT_EQ(ValidateScheme(w), "");
}

TEST(SchemeCopy, AssignmentKeepsTheTargetsCounter) {
  CLogicalScheme a = Chain("0110");
  a.m_blockCounter = 7;
  const CLogicalScheme copy(a);
  EXPECT_EQ(copy.m_blockCounter, 7);
  CLogicalScheme target;
  target.m_blockCounter = 12;
  target = a;
  EXPECT_EQ(target.m_blockCounter, 12);
  EXPECT_EQ(target.m_blocks, a.m_blocks);
  target.GetBlock(1).m_inputs[0].m_pin = 5;  // deep copy
  EXPECT_EQ(a.GetBlock(1).m_inputs[0].m_pin, 0);
}

TEST(SchemeEdit, SetInsertFind) {
  testing::CRecordingSink sink;
  CScopedMessageSink scope(sink);
  CLogicalScheme s(1, 1, "Bl_1", "01");
  const CLogicalScheme before = s;
  s.SetBlock(3, CLogicalBlock{});
  s.SetBlock(-1, CLogicalBlock{});
  EXPECT_EQ(s, before);
  ASSERT_EQ(sink.messages.size(), 2u);
  EXPECT_EQ(MessageText(sink.messages[0]), "Неправильный индекс");
  EXPECT_EQ(sink.messages[0].caption, "Ошибка инициализации");
  EXPECT_EQ(sink.messages[0].icon, MessageIcon::Error);

  s.InsertBlock(4, Block("X", "01", {{0, "I"}}));
  EXPECT_EQ(s.GetBlockCount(), 3);
  s.InsertBlock(3, Block("Y", "01", {{0, "I"}}));
  EXPECT_EQ(s.GetBlock(3).m_id, "Y");
  s.InsertBlock(1, Block("Z", "01", {{0, "I"}}));
  EXPECT_EQ(s.FindBlock("Z"), 1);
  EXPECT_EQ(s.FindBlock("bl_1"), -1);  // case-sensitive
  EXPECT_EQ(s.FindBlock("Bl_1"), 2);
}

TEST(SchemeEdit, FindConsumersIncludesTheOutputBlock) {
  CLogicalScheme s(2, 2, "Bl_1", "0123");
  EXPECT_EQ(s.FindConsumers({1, "Bl_1"}), (std::vector<Consumer>{{2, 1}}));
  EXPECT_EQ(s.FindConsumers({1, "I"}), (std::vector<Consumer>{{1, 1}}));
  EXPECT_TRUE(s.FindConsumers({2, "I"}).empty());
}

TEST(SchemeEdit, SplitTableRowsAndColumns) {
  const CLogicalScheme s(3, 4, "Bl_1", "01234567");
  const SplitTable t = s.BuildSplitTable(1, 5);  // inputs 0 and 2 bound
  EXPECT_EQ(t, (SplitTable{{0, 2}, {1, 3}, {4, 6}, {5, 7}}));
  const SplitTable one = s.BuildSplitTable(1, 2);
  EXPECT_EQ(one, (SplitTable{{0, 1, 4, 5}, {2, 3, 6, 7}}));
}

TEST(SchemeEdit, RenumberCaptions) {
  CLogicalScheme s = Chain("0110");
  s.RenumberCaptions();
  EXPECT_EQ(s.GetBlock(1).m_caption, "Блок 1");
  EXPECT_EQ(s.GetBlock(2).m_caption, "Блок 2");
  EXPECT_EQ(s.GetBlock(0).m_caption, "");
}

TEST(CleanUp, RepeaterIsBypassed) {
  CLogicalScheme s = Chain("0101");  // Bl_2 repeats input 0
  s.RemoveRepeaters();
  ASSERT_EQ(s.GetBlockCount(), 3);
  EXPECT_EQ(s.GetBlock(1).m_inputs[0], CBlockInput(0, "I"));
  EXPECT_EQ(s.GetBlock(1).m_lp, "0001");
  EXPECT_EQ(ValidateScheme(s), "");
}

TEST(CleanUp, UndefinedBlockCountsAsRepeater) {
  CLogicalScheme s = Chain("****");
  s.RemoveRepeaters();
  EXPECT_EQ(s.GetBlockCount(), 3);
}

TEST(CleanUp, RepeaterOfSecondInputAndTheOutputBlock) {
  // Bl_1 repeats input 1 and feeds the output block directly.
  CLogicalScheme s(2, 1, "Bl_1", "0011");
  s.RemoveRepeaters();
  ASSERT_EQ(s.GetBlockCount(), 2);
  EXPECT_EQ(s.GetBlock(1).m_inputs[0], CBlockInput(1, "I"));
}

TEST(CleanUp, InverterIsFoldedIntoItsConsumer) {
  CLogicalScheme s = Chain("1010");  // Bl_2 = not input 0
  s.RemoveRepeaters();
  EXPECT_EQ(s.GetBlockCount(), 4);
  s.RemoveInverters();
  ASSERT_EQ(s.GetBlockCount(), 3);
  // Bl_1 = (not i0) and i1 read straight from the inputs.
  EXPECT_EQ(s.GetBlock(1).m_lp, "0010");
  EXPECT_EQ(s.GetBlock(1).m_inputs[0], CBlockInput(0, "I"));
}

TEST(CleanUp, InverterOnEveryConsumerInput) {
  // Bl_1 reads the inverter on both inputs: complement both.
  CLogicalScheme s(1, 1, "Bl_1", "01");
  s.m_blockCounter = 2;
  s.SetBlock(1, Block("Bl_1", "0001", {{0, "Bl_2"}, {0, "Bl_2"}}));
  s.InsertBlock(2, Block("Bl_2", "10", {{0, "I"}}));
  ASSERT_EQ(ValidateScheme(s), "");
  s.RemoveInverters();
  ASSERT_EQ(s.GetBlockCount(), 3);
  EXPECT_EQ(s.GetBlock(1).m_lp, "1000");
}

TEST(CleanUp, InverterFeedingTheOutputBlockStaysWhole) {
  // Bl_2 = not i0 feeds Bl_1 and also the output block.
  CLogicalScheme s(2, 2, "Bl_1", "0000");
  s.m_blockCounter = 2;
  s.SetBlock(1, Block("Bl_1", "0001", {{0, "Bl_2"}, {1, "I"}}));
  s.InsertBlock(2, Block("Bl_2", "1010", {{0, "I"}, {1, "I"}}));
  s.GetBlock(3).m_inputs = {{0, "Bl_1"}, {0, "Bl_2"}};
  ASSERT_EQ(ValidateScheme(s), "");
  const CLogicalScheme before = s;
  s.RemoveInverters();
  EXPECT_EQ(s, before);
}

TEST(CleanUp, BlocksWithSeveralOutputsStay) {
  CLogicalScheme s(1, 2, "Bl_1", "12");  // outputs 0 = not i0, output 1 = i0
  s.RemoveRepeaters();
  s.RemoveInverters();
  EXPECT_EQ(s.GetBlockCount(), 3);
}

}  // namespace
}  // namespace lodex
