// Schemes shared by the benchmarks.
#pragma once

#include <random>
#include <string>

#include "model/LogicalScheme.h"

namespace lodex::bench {

// `blocks` two- and three-input blocks over 16 primary inputs; each reads
// primary inputs or blocks further down the scheme, mostly near ones, as
// decompositions build them, and the output block reads the first eight.
inline CLogicalScheme LargeScheme(int blocks) {
  std::mt19937 rng(2006);
  CLogicalScheme s;
  CLogicalBlock in;
  in.m_id = "I";
  in.m_outputCount = 16;
  s.m_blocks.push_back(in);
  for (int i = 1; i <= blocks; ++i) {
    CLogicalBlock b;
    b.m_id = "Bl_" + std::to_string(i);
    b.m_caption = "Блок " + std::to_string(i);
    b.m_inputCount = std::uniform_int_distribution<int>(2, 3)(rng);
    b.m_lp = b.m_inputCount == 2 ? "1110" : "00110101";
    b.m_outputCount = 1;
    b.m_wordDigits = 1;
    for (int k = 0; k < b.m_inputCount; ++k) {
      const int reach = std::uniform_int_distribution<int>(1, 12)(rng);
      if (i + reach > blocks || std::bernoulli_distribution(0.3)(rng))
        b.m_inputs.emplace_back(static_cast<int16_t>(std::uniform_int_distribution<int>(0, 15)(rng)), "I");
      else
        b.m_inputs.emplace_back(0, "Bl_" + std::to_string(i + reach));
    }
    s.m_blocks.push_back(b);
  }
  CLogicalBlock out;
  out.m_id = "O";
  for (int k = 0; k < 8; ++k) out.m_inputs.emplace_back(0, "Bl_" + std::to_string(1 + k));
  out.m_inputCount = 8;
  s.m_blocks.push_back(out);
  return s;
}

}  // namespace lodex::bench
