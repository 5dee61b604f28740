// The numbers by which tarrow's exported interface names its refusal codes
// (LastRefusalCode): from 1, in the order of LODEX_SCHEMATIC_REASONS, which
// only grows at its end, so a number keeps its meaning from one library to
// the next.
#pragma once

#include <cstdint>
#include <optional>

#include "model/Status.h"

namespace tarrow {

static_assert(static_cast<int>(lodex::kFirstSchematicReason) + lodex::kSchematicReasonCount == lodex::kReasonCodeCount,
              "the schematic reasons close the list of reason codes");

// The number of a schematic reason code; 0 for any other code.
inline int32_t RefusalNumber(lodex::ReasonCode code) {
  const int n = static_cast<int>(code) - static_cast<int>(lodex::kFirstSchematicReason) + 1;
  return n >= 1 && n <= lodex::kSchematicReasonCount ? n : 0;
}

// The code of a number; none for one this program does not know (a newer
// library's).
inline std::optional<lodex::ReasonCode> RefusalCodeOfNumber(int32_t number) {
  if (number < 1 || number > lodex::kSchematicReasonCount) return std::nullopt;
  return static_cast<lodex::ReasonCode>(static_cast<int>(lodex::kFirstSchematicReason) + number - 1);
}

}  // namespace tarrow
