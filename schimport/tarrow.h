/* The exported interface of the schematic-import library tarrow.
 *
 * The library is loaded by file name, used for one computation and unloaded.
 * A returned text belongs to the library: it stays valid until the next call
 * of CalcLogicLineFromSch or CalcLogicLineFromFile or until the library is
 * unloaded, and the caller never frees it. */
#pragma once

#include <stdint.h>

#if defined(_WIN32)
#if defined(TARROW_BUILDING)
#define TARROW_EXPORT __declspec(dllexport)
#else
#define TARROW_EXPORT __declspec(dllimport)
#endif
#else
#define TARROW_EXPORT __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Asks for a schematic with the open-file dialog, evaluates it and returns
 * its logic sequence: 2^n words of ceil(m / 4) upper-case hexadecimal digits.
 * The empty text on failure or Cancel; the trace "generating.log" says why. */
TARROW_EXPORT const char* CalcLogicLineFromSch(void);

/* The same for the schematic at `path`, without a dialog. */
TARROW_EXPORT const char* CalcLogicLineFromFile(const char* path);

/* The numbers of input ports (n) and output ports (m) of the last successful
 * computation; 0 in a freshly loaded library. */
TARROW_EXPORT int32_t ICount(void);
TARROW_EXPORT int32_t OCount(void);

/* Why the last call of CalcLogicLineFromSch or CalcLogicLineFromFile gave the
 * empty text, in one line (for example "a block is a flip-flop (fd, XLXI_7):
 * only combinational schematics can be imported"); the empty text after a
 * success or Cancel. Owned by the library like the result. Newer than the
 * other exports: a caller looks it up and does without it when it is missing. */
TARROW_EXPORT const char* LastRefusal(void);

/* The reason of the last refusal as codes and facts, for a caller that words
 * it in its own language. Part 0 is the reason LastRefusal words; a reason
 * that names another (the refusal inside a sub-schematic, the kind of a
 * storing part) has it as its last argument, which is the next part.
 *
 * LastRefusalCode(part): the part's code, 0 past the last part (so 0 for
 * part 0 when LastRefusal is empty). Codes are numbers from 1 that keep their
 * meaning and their arguments in every later library, which only adds codes:
 * a caller that does not know a code uses LastRefusal.
 * LastRefusalArgument(part, index): the part's argument `index` (from 0) as
 * text, null past its last text argument. Owned by the library like the
 * result.
 *
 * Newer than LastRefusal: a caller does without them when they are missing. */
TARROW_EXPORT int32_t LastRefusalCode(int32_t part);
TARROW_EXPORT const char* LastRefusalArgument(int32_t part, int32_t index);

/* The same for the outputs named in `outputs` (output port net names
 * separated by commas; all outputs when empty): the project of those
 * outputs over only the input ports they depend on. Newer than the others,
 * like the two below. */
TARROW_EXPORT const char* CalcLogicLineForOutputs(const char* path, const char* outputs);

/* The input ports of the last successful computation in their order (input
 * k first as bit k), one name a line. */
TARROW_EXPORT const char* InputNames(void);

/* The output ports of the schematic at `path` in file order, one line each:
 * the name, a tab and the number of input ports the output depends on. The
 * empty text, with LastRefusal saying why, when the schematic is refused;
 * no trace is written. */
TARROW_EXPORT const char* ListOutputPorts(const char* path);

#ifdef __cplusplus
}
#endif
