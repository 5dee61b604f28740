// What a gate's type name means: the operation, the declared inputs and the
// inverted ones.
//
// The and/or family: an optional leading "n" (inverted output), "and" or "or",
// the number of inputs, and optionally "b" and the number of inverted inputs
// (the pins below it): and2, nor3, and3b1, nand4b2. Further primitives: inv,
// buf, xor2.., xnor2.. (odd parity), and the constants gnd and vcc.
#pragma once

#include <optional>
#include <string_view>

namespace tarrow {

enum class GateOp { And, Or, Xor, Buf, Gnd, Vcc };

struct GateType {
  GateOp op = GateOp::And;
  bool invertOutput = false;
  int inputs = 0;          // declared inputs, pins I0 .. I(inputs-1)
  int invertedInputs = 0;  // pins with a number below this are inverted
  // The and/or family evaluates the pins that are connected; the other
  // primitives need every declared input connected.
  bool needsAllInputs = true;
  // Name of the output pin: 'O', or 'G' for gnd and 'P' for vcc.
  char outputPin = 'O';
};

// Gates of more inputs than this are refused.
inline constexpr int kMaxGateInputs = 64;

// The meaning of a type name, or nothing for a type that is not a gate.
std::optional<GateType> ParseGateType(std::string_view type);

// "and", "or", "xor", "buf", "gnd" or "vcc", as the log writes it.
const char* GateOpName(GateOp op);

}  // namespace tarrow
