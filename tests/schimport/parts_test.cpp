// The library parts against truth tables written by hand from the parts'
// data sheets: a few rows for every part, and every row for the small ones.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <sstream>

#include "schimport/GateType.h"

namespace tarrow {
namespace {

using ::testing::ElementsAre;

// "D0=1 S0-2=1": the named pins (a range NAMEa-b for NAMEa..NAMEb) are 1,
// every other pin 0.
std::map<std::string, int> Ones(const std::string& text) {
  std::map<std::string, int> ones;
  std::istringstream words(text);
  for (std::string w; words >> w;) {
    const std::string pin = w.substr(0, w.find('='));
    const size_t dash = pin.find('-');
    if (dash == std::string::npos) {
      ones[pin] = 1;
      continue;
    }
    size_t digits = dash;
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(pin[digits - 1]))) --digits;
    for (int i = std::stoi(pin.substr(digits, dash - digits)); i <= std::stoi(pin.substr(dash + 1)); ++i)
      ones[pin.substr(0, digits) + std::to_string(i)] = 1;
  }
  return ones;
}

// The outputs for the inputs given by name; unknown input names fail.
std::map<std::string, int> Outputs(const GateType& g, const std::map<std::string, int>& inputs, uint64_t value = 0) {
  std::vector<uint8_t> in(g.inputNames.size(), 0), out(g.outputNames.size(), 0);
  for (const auto& [name, bit] : inputs) {
    const auto at = std::find(g.inputNames.begin(), g.inputNames.end(), name);
    EXPECT_NE(at, g.inputNames.end()) << "no input " << name;
    if (at != g.inputNames.end()) in[static_cast<size_t>(at - g.inputNames.begin())] = static_cast<uint8_t>(bit);
  }
  ComputeGate(g, value, in.data(), out.data());
  std::map<std::string, int> ones;
  for (size_t k = 0; k < out.size(); ++k)
    if (out[k]) ones[g.outputNames[k]] = 1;
  return ones;
}

// The pin NAME<i>, built piece by piece.
std::string PinName(const char* base, int i) {
  std::string name = base;
  name += std::to_string(i);
  return name;
}

struct Row {
  const char* type;
  const char* inputs;   // the inputs at 1
  const char* outputs;  // the outputs at 1
};

TEST(LibraryParts, HandWrittenRows) {
  const Row rows[] = {
      {"inv", "", "O=1"},
      {"buf", "I=1", "O=1"},
      {"ibuf", "I=1", "O=1"},
      {"obuf", "", ""},
      {"bufg", "I=1", "O=1"},
      {"ibufg", "I=1", "O=1"},
      {"inv4", "I1=1", "O0=1 O2=1 O3=1"},
      {"inv8", "I7=1", "O0-6=1"},
      {"inv16", "I0-14=1", "O15=1"},
      {"buf4", "I2=1", "O2=1"},
      {"buf8", "I5=1", "O5=1"},
      {"buf16", "I15=1 I3=1", "O3=1 O15=1"},
      {"gnd", "", ""},
      {"vcc", "", "P=1"},
      {"and16", "I0-15=1", "O=1"},
      {"and16", "I0-14=1", ""},
      {"nor16", "", "O=1"},
      {"nor16", "I9=1", ""},
      {"or8", "I7=1", "O=1"},
      {"nand12", "I0-11=1", ""},
      {"nand5b2", "I2-4=1", ""},  // I0 and I1 inverted
      {"nand5b2", "I0=1 I2-4=1", "O=1"},
      {"xnor4", "I0=1 I3=1", "O=1"},
      // Multiplexers: O = D[S] while E is high; b1 inverts D0, b2 D0 and D1.
      {"m2_1", "D0=1", "O=1"},
      {"m2_1", "D0=1 S0=1", ""},
      {"m2_1b1", "", "O=1"},
      {"m2_1b1", "D1=1 S0=1", "O=1"},
      {"m2_1b2", "S0=1", "O=1"},
      {"m2_1b2", "D1=1 S0=1", ""},
      {"m2_1e", "D1=1 S0=1 E=1", "O=1"},
      {"m2_1e", "D1=1 S0=1", ""},
      {"m4_1e", "D2=1 S1=1 E=1", "O=1"},
      {"m4_1e", "D2=1 S0=1 S1=1 E=1", ""},
      {"m8_1e", "D5=1 S0=1 S2=1 E=1", "O=1"},
      {"m8_1e", "D5=1 S0=1 S2=1", ""},
      {"m16_1e", "D10=1 S1=1 S3=1 E=1", "O=1"},
      {"m16_1e", "D10=1 S1=1 S2=1 E=1", ""},
      // Decoders: D[A] high while E is high.
      {"d2_4e", "A0=1 E=1", "D1=1"},
      {"d2_4e", "A0=1", ""},
      {"d3_8e", "A1=1 A2=1 E=1", "D6=1"},
      {"d4_16e", "A0=1 A3=1 E=1", "D9=1"},
      // Comparators: EQ for A = B; GT and LT of the unsigned values.
      {"comp2", "", "EQ=1"},
      {"comp2", "A1=1 B1=1 A0=1", ""},
      {"comp4", "A3=1 B3=1 A0=1 B0=1", "EQ=1"},
      {"comp8", "A7=1 B7=1", "EQ=1"},
      {"comp8", "B6=1", ""},
      {"comp16", "A15=1", ""},
      {"compm2", "A1=1 B0=1", "GT=1"},
      {"compm4", "A3=1 B0-2=1", "GT=1"},
      {"compm8", "A0-6=1 B7=1", "LT=1"},
      {"compm16", "A15=1 B15=1", ""},
      // Adders: S = A + B + CI, CO the carry, OFL the two's-complement overflow.
      {"add1", "A0=1 CI=1", "CO=1"},
      {"add1", "A0=1 B0=1", "CO=1 OFL=1"},
      {"add4", "A0-2=1 B0=1", "S3=1 OFL=1"},
      {"add4", "A0-3=1 B0=1", "CO=1"},
      {"add4", "A3=1 B3=1", "CO=1 OFL=1"},
      {"add4", "A0=1 B1=1 CI=1", "S2=1"},
      {"add8", "A7=1 B7=1 CI=1", "S0=1 CO=1 OFL=1"},
      {"add16", "A0=1 B15=1", "S0=1 S15=1"},
      // With ADD low: S = A - B - not CI; CO low on a borrow.
      {"adsu4", "A1=1 B0=1 ADD=1", "S0=1 S1=1"},
      {"adsu4", "A1=1 B0=1 CI=1", "S0=1 CO=1"},
      {"adsu4", "A0=1 B1=1 CI=1", "S0-3=1"},
      {"adsu4", "A0=1 B0=1", "S0-3=1"},
      {"adsu4", "A3=1 B0=1 CI=1", "S0-2=1 CO=1 OFL=1"},
      {"adsu8", "A0=1 B0=1 CI=1", "CO=1"},
      {"adsu16", "A15=1 B14=1 CI=1 ADD=1", "S0=1 S14=1 S15=1"},
      {"adsu16", "A2=1 B0=1 CI=1", "S0=1 S1=1 CO=1"},
  };
  for (const Row& row : rows) {
    const std::optional<GateType> g = ParseGateType(row.type);
    ASSERT_TRUE(g) << row.type;
    EXPECT_EQ(Outputs(*g, Ones(row.inputs)), Ones(row.outputs)) << row.type << " with " << row.inputs;
  }
}

TEST(LibraryParts, PinNamesOfTheWideParts) {
  EXPECT_THAT(ParseGateType("adsu4")->inputNames,
              ElementsAre("A0", "A1", "A2", "A3", "B0", "B1", "B2", "B3", "CI", "ADD"));
  EXPECT_THAT(ParseGateType("ADSU4")->outputNames, ElementsAre("S0", "S1", "S2", "S3", "CO", "OFL"));
  EXPECT_THAT(ParseGateType("m4_1e")->inputNames, ElementsAre("D0", "D1", "D2", "D3", "S0", "S1", "E"));
  EXPECT_THAT(ParseGateType("compm2")->outputNames, ElementsAre("GT", "LT"));
  EXPECT_EQ(ParseGateType("d3_8e")->outputNames.size(), 8u);
}

// Every row of the small parts against the part's rule.
TEST(LibraryParts, EveryRowOfTheSmallParts) {
  using Rule = std::function<std::map<std::string, int>(const std::map<std::string, int>&)>;
  auto bit = [](const std::map<std::string, int>& v, const std::string& n) {
    const auto at = v.find(n);
    return at == v.end() ? 0 : at->second;
  };
  auto number = [&](const std::map<std::string, int>& v, const char* base, int width) {
    int x = 0;
    for (int i = 0; i < width; ++i) x |= bit(v, PinName(base, i)) << i;
    return x;
  };
  auto ones = [](std::initializer_list<std::pair<std::string, bool>> outs) {
    std::map<std::string, int> m;
    for (const auto& [name, on] : outs)
      if (on) m[name] = 1;
    return m;
  };
  const std::pair<const char*, Rule> parts[] = {
      {"m4_1e",
       [&](const auto& v) {
         return ones({{"O", bit(v, "E") && bit(v, PinName("D", number(v, "S", 2)))}});
       }},
      {"d3_8e",
       [&](const auto& v) {
         std::map<std::string, int> m;
         if (bit(v, "E")) m[PinName("D", number(v, "A", 3))] = 1;
         return m;
       }},
      {"compm2",
       [&](const auto& v) {
         return ones({{"GT", number(v, "A", 2) > number(v, "B", 2)}, {"LT", number(v, "A", 2) < number(v, "B", 2)}});
       }},
      {"add4",
       [&](const auto& v) {
         const int a = number(v, "A", 4), b = number(v, "B", 4), sum = a + b + bit(v, "CI");
         const int sa = a >= 8 ? a - 16 : a, sb = b >= 8 ? b - 16 : b, signedSum = sa + sb + bit(v, "CI");
         std::map<std::string, int> m = ones({{"CO", sum >= 16}, {"OFL", signedSum < -8 || signedSum > 7}});
         for (int i = 0; i < 4; ++i)
           if ((sum >> i) & 1) m[PinName("S", i)] = 1;
         return m;
       }},
  };
  for (const auto& [type, rule] : parts) {
    const GateType g = *ParseGateType(type);
    for (int j = 0; j < (1 << g.inputs); ++j) {
      std::map<std::string, int> v;
      for (int k = 0; k < g.inputs; ++k)
        if ((j >> k) & 1) v[g.inputNames[static_cast<size_t>(k)]] = 1;
      EXPECT_EQ(Outputs(g, v), rule(v)) << type << " row " << j;
    }
  }
}

TEST(LibraryParts, ConstantsAndStoringParts) {
  const GateType c = *ParseGateType("constant");
  EXPECT_EQ(Outputs(c, {}, 0xA), Ones("O1=1 O3=1"));
  EXPECT_EQ(ParseConstantValue("0F"), 15u);
  EXPECT_EQ(ParseConstantValue("ffffffffffffffff"), ~uint64_t{0});
  for (const char* bad : {"", "0x1", "G", "11111111111111111"}) EXPECT_FALSE(ParseConstantValue(bad)) << bad;

  using enum lodex::ReasonCode;
  EXPECT_EQ(SequentialKind("fd"), SchFlipFlop);
  EXPECT_EQ(SequentialKind("FDCE_1"), SchFlipFlop);
  EXPECT_EQ(SequentialKind("ldc"), SchLatch);
  EXPECT_EQ(SequentialKind("cb4ce"), SchCounter);
  EXPECT_EQ(SequentialKind("sr8rle"), SchShiftRegister);
  EXPECT_EQ(SequentialKind("ram16x1s"), SchRam);
  EXPECT_EQ(SequentialKind("acc16"), SchAccumulator);
  for (const char* other : {"FDivider", "sr_latch", "cbx", "ram", "and2", "adder4"})
    EXPECT_EQ(SequentialKind(other), std::nullopt) << other;
}

}  // namespace
}  // namespace tarrow
