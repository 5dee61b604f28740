#include "synthesis/Covering.h"

#include <array>
#include <set>

namespace lodex {
namespace {

// One element of a network: its two inputs, each either an input link of
// the covered block (A, B) or an earlier element (1-based creation number).
enum : int { A = -1, B = -2 };
struct Gate {
  int in0;
  int in1;
};

struct Network {
  const char* pattern;
  std::vector<Gate> gates;  // in creation order; the last one is the output
};

// Networks of two-input NAND elements for every non-trivial two-input
// function, in the order the patterns are tested.
const std::vector<Network>& NandTable() {
  static const std::vector<Network> table = {
      {"0001", {{A, B}, {1, 1}}},
      {"0111", {{B, B}, {A, A}, {1, 2}}},
      {"0010", {{A, A}, {1, B}, {2, 2}}},
      {"0100", {{B, B}, {A, 1}, {2, 2}}},
      {"1000", {{B, B}, {A, A}, {1, 2}, {3, 3}}},
      {"1011", {{B, B}, {A, 1}, {2, 2}, {3, 3}}},
      {"1101", {{A, A}, {1, B}, {2, 2}, {3, 3}}},
      {"0110", {{A, B}, {A, 1}, {1, B}, {2, 3}}},
      {"1001", {{A, B}, {A, 1}, {1, B}, {2, 3}, {4, 4}}},
  };
  return table;
}

// The same shapes applied to the dual functions, for NOR elements.
const std::vector<Network>& NorTable() {
  static const std::vector<Network> table = {
      {"0111", {{A, B}, {1, 1}}},
      {"0001", {{B, B}, {A, A}, {1, 2}}},
      {"1011", {{A, A}, {1, B}, {2, 2}}},
      {"1101", {{B, B}, {A, 1}, {2, 2}}},
      {"1110", {{B, B}, {A, A}, {1, 2}, {3, 3}}},
      {"0010", {{B, B}, {A, 1}, {2, 2}, {3, 3}}},
      {"0100", {{A, A}, {1, B}, {2, 2}, {3, 3}}},
      {"1001", {{A, B}, {A, 1}, {1, B}, {2, 3}}},
      {"0110", {{A, B}, {A, 1}, {1, B}, {2, 3}, {4, 4}}},
  };
  return table;
}

void Cover(CLogicalScheme& scheme, const std::vector<Network>& table, const char* element) {
  std::set<std::string> taken;
  for (const CLogicalBlock& b : scheme.m_blocks) taken.insert(b.m_id);

  for (int i = 1; i < scheme.GetBlockCount() - 1; ++i) {
    // Only two-input, one-output blocks are covered; any other block keeps
    // its links exactly as they are.
    CLogicalBlock s = scheme.GetBlock(i);
    if (s.m_inputCount != 2 || s.m_outputCount != 1 || s.m_inputs.size() != 2) continue;

    // Links from blocks read pin 0; a source with more outputs keeps its pin,
    // since any other pin is a different signal.
    for (CBlockInput& link : s.m_inputs) {
      const int source = scheme.FindBlock(link.m_source);
      if (link.m_source != "I" && source >= 0 && scheme.GetBlock(source).m_outputCount <= 1) link.m_pin = 0;
    }
    scheme.SetBlock(i, s);

    const Network* network = nullptr;
    for (const Network& candidate : table)
      if (s.m_lp == candidate.pattern) {
        network = &candidate;
        break;
      }
    if (network == nullptr) continue;
    const std::array<CBlockInput, 2> in = {s.m_inputs[0], s.m_inputs[1]};

    // Elements are named N_1, N_2, ... in creation order, skipping names the
    // scheme already holds (a block covered once before), and the last one N.
    std::vector<std::string> ids;
    for (int k = 1; ids.size() + 1 < network->gates.size(); ++k) {
      std::string id = s.m_id + "_" + std::to_string(k);
      if (taken.insert(id).second) ids.push_back(std::move(id));
    }
    ids.push_back(s.m_id);

    auto signal = [&](int ref) {
      if (ref == A) return in[0];
      if (ref == B) return in[1];
      return CBlockInput(0, ids[static_cast<size_t>(ref - 1)]);
    };
    for (size_t g = 0; g < network->gates.size(); ++g) {
      CLogicalBlock e;
      e.m_id = ids[g];
      e.m_lp = element;
      e.m_wordDigits = 1;
      e.m_inputCount = 2;
      e.m_outputCount = 1;
      e.m_inputs = {signal(network->gates[g].in0), signal(network->gates[g].in1)};
      if (g == 0)
        scheme.SetBlock(i, e);
      else
        scheme.InsertBlock(i, e);
    }
  }

  for (int i = 1; i < scheme.GetBlockCount() - 1; ++i) {
    CLogicalBlock& b = scheme.GetBlock(i);
    b.m_caption = "Блок " + std::to_string(i);
    // Every covered block has one digit per word; a block of more than four
    // outputs keeps its wider words, which its sequence is written in.
    if (b.m_outputCount <= 4) b.m_wordDigits = 1;
  }
}

}  // namespace

void CoverNand(CLogicalScheme& scheme) { Cover(scheme, NandTable(), "1110"); }
void CoverNor(CLogicalScheme& scheme) { Cover(scheme, NorTable(), "1000"); }

}  // namespace lodex
