// Small builders for scheme tests of the synthesis operations.
#pragma once

#include <random>
#include <string>
#include <vector>

#include "model/LogicalScheme.h"
#include "model/MessageSink.h"

namespace lodex::testing {

// The sanitizer builds run unoptimised and several times slower: the
// random-project tests try a quarter of their rounds there.
#ifdef LODEX_SANITIZED
constexpr int kRoundDivisor = 4;
#else
constexpr int kRoundDivisor = 1;
#endif

// A logic block with the given sequence and links (pin, source).
inline CLogicalBlock Block(const std::string& id, const std::string& lp, std::vector<CBlockInput> inputs,
                           int outputs = 1) {
  CLogicalBlock b;
  b.m_id = id;
  b.m_caption = id;
  b.m_lp = lp;
  b.m_outputCount = outputs;
  b.m_wordDigits = WordDigitsFor(outputs);
  b.m_inputCount = static_cast<int32_t>(inputs.size());
  b.m_inputs = std::move(inputs);
  return b;
}

// A scheme of `inputs` primary inputs whose logic blocks are `blocks` (in
// order) and whose output block reads `outputs`; the source sequence is
// `source` with `digits` digits per word.
inline CLogicalScheme Scheme(int inputs, std::vector<CLogicalBlock> blocks, std::vector<CBlockInput> outputs,
                             const std::string& source, int digits = 1) {
  CLogicalScheme s;
  CLogicalBlock in;
  in.m_id = "I";
  in.m_outputCount = inputs;
  CLogicalBlock out;
  out.m_id = "O";
  out.m_inputCount = static_cast<int32_t>(outputs.size());
  out.m_inputs = std::move(outputs);
  s.m_blocks.push_back(in);
  for (auto& b : blocks) s.m_blocks.push_back(std::move(b));
  s.m_blocks.push_back(out);
  s.m_sourceLP = source;
  s.m_wordDigits = digits;
  s.m_blockCounter = 100;
  return s;
}

// A random sequence of 2^n words for m outputs; each word undefined with
// probability `undefined`.
inline std::string RandomSequence(std::mt19937& rng, int n, int m, double undefined) {
  Words w(size_t{1} << n);
  std::bernoulli_distribution star(undefined);
  std::uniform_int_distribution<int32_t> value(0, (1 << m) - 1);
  for (auto& x : w) x = star(rng) ? -1 : value(rng);
  return ToUpperAscii(WordsToLP(w, WordDigitsFor(m)));
}

// Records every message instead of showing it.
class RecordingSink : public CMessageSink {
 public:
  MessageAnswer Show(const Message& message) override {
    messages.push_back(message);
    return MessageAnswer::Ok;
  }
  std::vector<Message> messages;
};

}  // namespace lodex::testing
