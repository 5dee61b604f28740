// What a library part's type name means: its pins and how its outputs follow
// from its inputs.
//
// The and/or family: an optional leading "n" (inverted output), "and" or "or",
// the number of inputs, and optionally "b" and the number of inverted inputs
// (the pins below it): and2, nor3, and3b1, nand4b2. The parity gates xor2..,
// xnor2... Every other part (inverters, buffers, constants, multiplexers,
// decoders, comparators, adders) comes from one table of fixed names.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Status.h"

namespace tarrow {

enum class GateOp { And, Or, Xor, Buf, Gnd, Vcc, Const, Mux, Decode, Equal, Compare, Add, AddSub };

struct GateType {
  GateOp op = GateOp::And;
  bool invertOutput = false;
  int inputs = 0;          // number of input pins
  int invertedInputs = 0;  // and/or: pins I0.. below this are inverted; mux: data inputs D0..
  int width = 1;           // bits of one operand (wide parts), or data inputs of a multiplexer
  bool enable = false;     // the part has an enable input E, last of its inputs
  // Pin names in evaluation order. A bus pin A(3:0) of a schematic meets the
  // names A3..A0.
  std::vector<std::string> inputNames;
  std::vector<std::string> outputNames;
};

// Gates of more inputs than this are refused.
inline constexpr int kMaxGateInputs = 64;

// The meaning of a type name (any case), or nothing for a type that is not a
// supported part.
std::optional<GateType> ParseGateType(std::string_view type);

// "and", "or", "xor", "buf", ... as the log writes it.
const char* GateOpName(GateOp op);

// Computes the outputs of `gate` from its input bits (0 or 1, in the order of
// inputNames) into `out` (one per output name). `constant` is the value of a
// constant part.
void ComputeGate(const GateType& gate, uint64_t constant, const uint8_t* in, uint8_t* out);

// ComputeGate over 64 combinations a word: in[pin][w] holds input pin's bit
// for combinations 64w .. 64w + 63, out[k][w] receives output k's; `words`
// words per column. The and/or/xor family, buffers and constants take a few
// word operations; the other parts go lane by lane through ComputeGate.
// Cost: O(words x pins) word operations, 64 times that for the lane parts.
void ComputeGateWords(const GateType& gate, uint64_t constant, const uint64_t* const* in, uint64_t* const* out,
                      size_t words);

// The value of a constant part's CValue attribute: hexadecimal digits, at
// most 16.
std::optional<uint64_t> ParseConstantValue(std::string_view text);

// What kind of storing part a library type name is (the reason code that
// names it: SchFlipFlop, SchLatch, SchCounter, SchShiftRegister, SchRam,
// SchAccumulator), or none for any other name.
std::optional<lodex::ReasonCode> SequentialKind(std::string_view type);

}  // namespace tarrow
