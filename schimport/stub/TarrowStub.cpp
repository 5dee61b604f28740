// A stand-in for tarrow that lacks CalcLogicLineFromSch and
// CalcLogicLineFromFile, for the tests of the program's loader.
#include <cstdint>

extern "C" __attribute__((visibility("default"))) int32_t ICount(void) { return 3; }
extern "C" __attribute__((visibility("default"))) int32_t OCount(void) { return 2; }
