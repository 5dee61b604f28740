// Stand-ins for tarrow, for the tests of the program's loader. By default a
// library that lacks CalcLogicLineFromSch and CalcLogicLineFromFile; with
// TARROW_STUB_OLD one from before LastRefusalCode and LastRefusalArgument,
// which refuses every schematic with its one English line.
#include <cstdint>

#define STUB_EXPORT extern "C" __attribute__((visibility("default")))

#ifdef TARROW_STUB_OLD
STUB_EXPORT const char* CalcLogicLineFromSch(void) { return ""; }
STUB_EXPORT const char* CalcLogicLineFromFile(const char*) { return ""; }
STUB_EXPORT const char* LastRefusal(void) { return "the schematic has no output port"; }
STUB_EXPORT int32_t ICount(void) { return 0; }
STUB_EXPORT int32_t OCount(void) { return 0; }
#else
STUB_EXPORT int32_t ICount(void) { return 3; }
STUB_EXPORT int32_t OCount(void) { return 2; }
#endif
