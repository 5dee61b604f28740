// Scheme-file loader: any bytes are either refused with a reason or give a
// scheme that passes validation and survives a store and a load unchanged.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "model/SchemeFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  lodex::CLogicalScheme scheme;
  const lodex::Status status = lodex::LoadScheme(bytes, scheme);
  if (status.ok()) {
    if (!lodex::ValidateScheme(scheme).empty()) std::abort();
    lodex::CLogicalScheme again;
    if (!lodex::LoadScheme(lodex::StoreScheme(scheme), again).ok() || !(again == scheme)) std::abort();
  } else if (status.message().empty() || scheme.GetBlockCount() != 0) {
    std::abort();
  }
  return 0;
}
