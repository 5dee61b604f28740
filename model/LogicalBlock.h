// One block of a scheme: its logic sequence, counts and input links.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lodex {

// One input of a block: output `m_pin` of the block named `m_source`
// (`I` for a primary input, then `m_pin` is the primary input's index).
struct CBlockInput {
  int16_t m_pin = 0;
  std::string m_source;

  CBlockInput() = default;
  CBlockInput(int16_t pin, std::string source) : m_pin(pin), m_source(std::move(source)) {}
  bool operator==(const CBlockInput&) const = default;
};

// A plain value; copies are deep. The input block `I` has no inputs and
// n outputs; the output block `O` has m inputs and no outputs; both have an
// empty sequence and 0 word digits.
struct CLogicalBlock {
  std::string m_lp;
  std::string m_id;
  std::string m_caption;
  int32_t m_wordDigits = 0;
  std::vector<CBlockInput> m_inputs;
  int32_t m_reserved = 0;
  int32_t m_inputCount = 0;
  int32_t m_outputCount = 0;
  int32_t m_tier = 0;

  bool operator==(const CLogicalBlock&) const = default;
};

}  // namespace lodex
