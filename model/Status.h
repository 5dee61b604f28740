// The outcome of an operation that can fail, and why it failed.
//
// A refusal carries a reason: a code and its facts (paths, numbers,
// identifiers, a system error, or another reason that names a part such as
// a field of a file). The core never words a reason for the user; each front
// end does, the command line in English (EnglishText), the desktop program
// in its own language. %1, %2, ... in the English wordings below are the
// arguments in order.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

namespace lodex {

// X(code, English wording). The English texts are the command line's
// contract: scripts and tests read them byte for byte.
#define LODEX_REASONS(X)                                                                           \
  /* parts that other reasons name */                                                              \
  X(BlockIndex, "block %1")                                                                        \
  X(BlockNamed, "block %1 (%2)")                                                                   \
  X(BlockId, "block %1")                                                                           \
  X(HeaderField, "header: %1")                                                                     \
  X(BlockField, "%1: %2")                                                                          \
  X(ItemSourceSequence, "source sequence")                                                         \
  X(ItemWordDigits, "word digits")                                                                 \
  X(ItemBlockCounter, "block counter")                                                             \
  X(ItemBlockCount, "block count")                                                                 \
  X(ItemSequence, "sequence")                                                                      \
  X(ItemIdentifier, "identifier")                                                                  \
  X(ItemCaption, "caption")                                                                        \
  X(ItemReserved, "reserved field")                                                                \
  X(ItemInputCount, "input count")                                                                 \
  X(ItemOutputCount, "output count")                                                               \
  X(ItemInputSource, "input %1 source")                                                            \
  X(ItemInputPin, "input %1 pin")                                                                  \
  /* reading and writing files */                                                                  \
  X(WriteFolder, "cannot write '%1': it is a folder")                                              \
  X(WriteFailed, "cannot write '%1': %2")                                                          \
  X(WriteTwice, "cannot write '%1' twice: '%2' is the same file")                                  \
  X(WriteNotCp1251, "cannot write '%1': the text holds a character that Windows-1251 cannot hold") \
  X(OpenFailed, "cannot open '%1': %2")                                                            \
  X(OpenFolder, "cannot open '%1': it is a folder")                                                \
  X(OpenNotRegular, "cannot open '%1': it is not a regular file")                                  \
  X(ReadFailed, "cannot read '%1': %2")                                                            \
  X(FileTooLarge, "'%1' is larger than %2 bytes")                                                  \
  /* scheme files */                                                                               \
  X(SchemeDamaged, "'%1' is damaged: %2")                                                          \
  X(SchemeNotSaved, "cannot save '%1': %2")                                                        \
  X(ArchiveEnds, "file ends in the %1")                                                            \
  X(ArchiveWideText, "%1: wide-character strings are not part of the format")                      \
  X(ArchiveLength, "%1: length %2 exceeds the %3 bytes left")                                      \
  X(ArchiveNotCp1251, "%1: text cannot be stored in Windows-1251")                                 \
  X(ArchiveTooLong, "%1: text too long")                                                           \
  X(BlockCountTooLarge, "header: block count %1 exceeds what the file can hold")                   \
  X(InputCountNegative, "%1: input count %2 is negative")                                          \
  X(InputCountTooLarge, "%1: input count %2 exceeds what the file can hold")                       \
  X(TrailingBytes, "%1 unexpected bytes after the last block")                                     \
  X(HeaderWordDigits, "header: word digits %1 are outside 1..8")                                   \
  X(HeaderCounterNegative, "header: block counter %1 is negative")                                 \
  X(NoInputOutputBlocks, "%1: a scheme needs the input block I and the output block O")            \
  X(FirstNotInput, "%1: the first block must be the input block I")                                \
  X(LastNotOutput, "%1: the last block must be the output block O")                                \
  X(InputBlockHasInputs, "%1: the input block has inputs")                                         \
  X(InputCountRange, "%1: input count %2 is outside 0..%3")                                        \
  X(OutputCountRange, "%1: output count %2 is outside %3..%4")                                     \
  X(WordDigitsMismatch, "%1: word digits %2 do not fit %3 outputs (%4 expected)")                  \
  X(SequenceLength, "%1: sequence has %2 characters, %3 expected")                                 \
  X(SequenceChar, "%1: sequence character %2 is not a hexadecimal digit or *")                     \
  X(SourceLength, "header: source sequence has %1 characters, %2 expected")                        \
  X(SourceChar, "header: source sequence holds a character that is not a hexadecimal digit or *")  \
  X(EmptyIdentifier, "%1: empty identifier")                                                       \
  X(RepeatedIdentifier, "%1: identifier repeats block %2")                                         \
  X(IdentifierAboveCounter, "%1: identifier number is above the block counter %2")                 \
  X(LinkCountMismatch, "%1: input count %2 differs from its %3 links")                             \
  X(LinkUnknown, "%1: input %2 names unknown block %3")                                            \
  X(LinkToOutput, "%1: input %2 names the output block")                                           \
  X(LinkBackward, "%1: input %2 names block %3 at index %4, which is not after it")                \
  X(LinkPin, "%1: input %2 uses pin %3 of %4, which has %5 outputs")                               \
  /* PLA files */                                                                                  \
  X(PlaDamaged, "'%1': %2")                                                                        \
  X(PlaInputValue, "line %1: '%2' is no input value of a cube")                                    \
  X(PlaOutputValue, "line %1: '%2' is no output value of a cube")                                  \
  X(PlaCubeWidth, "line %1: a cube needs %2 input and %3 output characters, not %4")               \
  X(PlaCubeFirst, "line %1: a cube comes before .i and .o")                                        \
  X(PlaTwice, "line %1: %2 is given twice")                                                        \
  X(PlaNumber, "line %1: %2 needs one number")                                                     \
  X(PlaInputCount, "line %1: the number of inputs must lie in 1..%2, not %3")                      \
  X(PlaOutputCount, "line %1: the number of outputs must lie in 1..%2, not %3")                    \
  X(PlaType, "line %1: .type must be f, fd, fr, fdr, r or dr")                                     \
  X(PlaDialect, "line %1: the keyword %2 (%3) is not supported")                                   \
  X(PlaKeyword, "line %1: the keyword %2 is not supported")                                        \
  X(PlaPhase, "an output phase")                                                                   \
  X(PlaPair, "paired inputs")                                                                      \
  X(PlaMultipleValued, "multiple-valued variables")                                                \
  X(PlaStateMachine, "a state machine")                                                            \
  X(PlaSymbolic, "symbolic variables")                                                             \
  X(PlaNoInputs, "the file has no .i line")                                                        \
  X(PlaNoOutputs, "the file has no .o line")                                                       \
  X(PlaInputNames, "line %1: .ilb names %2 inputs, not %3")                                        \
  X(PlaOutputNames, "line %1: .ob names %2 outputs, not %3")                                       \
  X(PlaCubeCount, "line %1: .p announces %2 cubes, the file has %3")                               \
  X(PlaConflict, "lines %1 and %2 set output %3 of combination %4 both to 1 and to 0")             \
  /* synthesis and simulation */                                                                   \
  X(SimNoBlocks, "the scheme has no input and output block")                                       \
  X(SimWordDigits, "the source sequence has %1 word digits")                                       \
  X(SimUnknownSource, "%1: input %2 names no block (\"%3\")")                                      \
  X(SimReadsOutput, "%1: input %2 reads the output block")                                         \
  X(SimReadsEarlier, "%1: input %2 reads %3, which does not come after it")                        \
  X(SimTooManyInputs, "%1 has %2 inputs, too many to simulate")                                    \
  X(SimWordCount, "%1: its sequence holds %2 valid words, its %3 inputs need %4")                  \
  X(NotLogicBlock, "block %1 is not a logic block")                                                \
  X(NotOneOutput, "block %1 has %2 outputs, not 1")                                                \
  X(NoSuchInput, "block %1 has no input %2")                                                       \
  X(InputEssential, "the output of block %1 depends on input %2")                                  \
  X(SelectorRange, "selector type %1 is outside 1..5")                                             \
  X(SelectorMismatch, "selector type %1 does not fit input %2 of block %3")                        \
  X(Cancelled, "cancelled")                                                                        \
  X(NoProgress, "the synthesis made no progress")                                                  \
  X(CannotReduce, "block %1 cannot be brought to %2 inputs")                                       \
  X(BlockWidthRange, "the block width must lie in %1..%2, not %3")                                 \
  X(NoLogicBlock, "the scheme has no logic block")                                                 \
  X(SequenceMisfit, "block %1 cannot be synthesised: its sequence does not fit it")                \
  X(PathLengthRange, "path length %1 is outside 1..16")                                            \
  X(NotElementary, "the scheme has blocks with more than two inputs or more than one output")      \
  /* the schematic-import library as the program loads it */                                       \
  X(LibraryFolderUnknown,                                                                          \
    "the folder of the program, from which the schematic-import library "                          \
    "is loaded, is unknown")                                                                       \
  X(LibraryNotLoaded, "cannot load the schematic-import library '%1': %2")                         \
  X(LibraryFunctionMissing, "the schematic-import library '%1' has no function %2")                \
  LODEX_SCHEMATIC_REASONS(X)

// The refusals of the schematic-import library tarrow. They cross its
// exported interface as numbers counted from the first of them, so this list
// only grows at its end: a code keeps its number and its arguments. A reason
// that names another (the refusal inside a sub-schematic, the kind of a
// storing part) has it as its last argument.
#define LODEX_SCHEMATIC_REASONS(X)                                                               \
  X(SchNotRegular, "the schematic %1 cannot be opened: it is not a regular file")                \
  X(SchCannotOpen, "the schematic %1 cannot be opened")                                          \
  X(SchOutOfResources, "the schematic could not be evaluated: the library ran out of resources") \
  X(SchInSubSchematic, "in %1: %2")                                                              \
  X(SchSubCannotOpen, "the file cannot be opened")                                               \
  X(SchReadFailed, "the schematic could not be read to its end")                                 \
  X(SchLineTooLong, "line %1 is longer than %2 characters")                                      \
  X(SchXmlTooLarge, "the XML schematic is larger than %1 MiB")                                   \
  X(SchXmlDamaged, "the XML schematic is damaged near byte %1")                                  \
  X(SchTooManyNets, "the schematic expands to more than %1 nets")                                \
  X(SchTooManyParts, "the schematic expands to more than %1 library parts")                      \
  X(SchPortUndeclared, "the port %1 names a net that is not declared before it")                 \
  X(SchBusPortTooWide, "the bus port %1 is wider than %2 nets")                                  \
  X(SchPinBeforeBlock, "a pin line stands before the first block")                               \
  X(SchPinBusTooWide, "the pin %1 of %2 or its net is a bus wider than %3 nets")                 \
  X(SchPinWidths, "the pin %1 of %2 has %3 bits, but its net %4 has %5")                         \
  X(SchNoSuchPin, "the block %1 (%2) has no pin %3")                                             \
  X(SchPinNetUndeclared, "the pin %1 of %2 names the net %3, which is not declared")             \
  X(SchUnsupportedType, "the block %1 has the type %2, which is not a supported part")           \
  X(SchUnknownType,                                                                              \
    "the block %1 has the type %2, which is neither a library part nor a "                       \
    "schematic %2.sch in the folder of %3")                                                      \
  X(SchStoringPart, "a block is a %3 (%1, %2): only combinational schematics can be imported")   \
  X(SchFlipFlop, "flip-flop")                                                                    \
  X(SchLatch, "latch")                                                                           \
  X(SchCounter, "counter")                                                                       \
  X(SchShiftRegister, "shift register")                                                          \
  X(SchRam, "RAM")                                                                               \
  X(SchAccumulator, "accumulator")                                                               \
  X(SchSubCycle, "the block %1 uses %2, which is being read: the sub-schematics form a cycle")   \
  X(SchSubTooDeep, "the block %1 uses %2 deeper than %3 levels of sub-schematics")               \
  X(SchNetTables, "the net tables differ in length")                                             \
  X(SchInputPortUndeclared, "an input port names no declared net")                               \
  X(SchOutputPortUndeclared, "an output port names no declared net")                             \
  X(SchNoOutputPort, "the schematic has no output port")                                         \
  X(SchPinsMismatch, "the block %1 does not have the pins of %2")                                \
  X(SchOutputPinUndeclared, "an output pin of %1 names no declared net")                         \
  X(SchInputPinUnconnected, "the input pin %1 of %2 (%3) is not connected")                      \
  X(SchInputPinUndeclared, "the input pin %1 of %2 names no declared net")                       \
  X(SchConstantValue,                                                                            \
    "the constant %1 has the value \"%2\", which is not a hexadecimal "                          \
    "number of at most 16 digits")                                                               \
  X(SchGateDrivesInput, "the gate %1 drives the net %2 (%3) of an input port")                   \
  X(SchNetDrivenTwice, "the net %1 (%2) is driven by both %3 and %4")                            \
  X(SchOutputPortNotDriven, "the output port %1 is not driven")                                  \
  X(SchNetReadNotDriven, "the net %1 (%2) is not driven, but the block %3 reads it")             \
  X(SchGateCycle, "the gates %1 form a cycle")                                                   \
  X(SchNoSuchOutputPort, "the schematic has no output port %1")                                  \
  X(SchNetNotDriven, "the net %1 is not driven")                                                 \
  X(SchSubNetNotDriven, "a net inside a sub-schematic is not driven")                            \
  X(SchChosenTooManyInputs, "the chosen outputs need %1 inputs; at most %2 are supported")       \
  X(SchTooManyInputPorts,                                                                        \
    "the schematic has %1 input ports and its outputs need %2 inputs; "                          \
    "at most %3 are supported (choose outputs to import a part)")                                \
  X(SchTooManyInputPortsOneNeeded,                                                               \
    "the schematic has %1 input ports and its outputs need 1 input; "                            \
    "at most %2 are supported (choose outputs to import a part)")

enum class ReasonCode : uint16_t {
#define LODEX_REASON_CODE(code, english) code,
  LODEX_REASONS(LODEX_REASON_CODE)
#undef LODEX_REASON_CODE
};

// The first of the schematic-import library's codes, and how many there are.
inline constexpr ReasonCode kFirstSchematicReason = ReasonCode::SchNotRegular;
inline constexpr int kSchematicReasonCount = 0
#define LODEX_REASON_COUNT(code, english) +1
    LODEX_SCHEMATIC_REASONS(LODEX_REASON_COUNT)
#undef LODEX_REASON_COUNT
    ;

inline constexpr int kReasonCodeCount = 0
#define LODEX_REASON_COUNT(code, english) +1
    LODEX_REASONS(LODEX_REASON_COUNT)
#undef LODEX_REASON_COUNT
    ;

class Reason;

// A system error number (errno), which each front end words itself.
struct SystemError {
  int value = 0;
};

// One fact of a reason: a text (a path, an identifier, a number written in
// digits), a system error, or a reason that names a part.
struct ReasonArg {
  enum class Kind { Text, System, Nested };

  ReasonArg(std::string s) : text(std::move(s)) {}  // NOLINT: facts read best without wrappers
  ReasonArg(std::string_view s) : text(s) {}        // NOLINT
  ReasonArg(const char* s) : text(s) {}             // NOLINT
  template <typename N, typename = std::enable_if_t<std::is_integral_v<N> && !std::is_same_v<N, char>>>
  ReasonArg(N number) : text(std::to_string(number)) {}              // NOLINT
  ReasonArg(SystemError e) : kind(Kind::System), system(e.value) {}  // NOLINT
  ReasonArg(Reason part);                                            // NOLINT

  Kind kind = Kind::Text;
  std::string text;
  int system = 0;
  std::shared_ptr<const Reason> nested;
};

class Reason {
 public:
  Reason(ReasonCode code, std::vector<ReasonArg> args = {}) : m_code(code), m_args(std::move(args)) {}

  ReasonCode code() const { return m_code; }
  const std::vector<ReasonArg>& args() const { return m_args; }

 private:
  ReasonCode m_code;
  std::vector<ReasonArg> m_args;
};

inline ReasonArg::ReasonArg(Reason part)
    : kind(Kind::Nested), nested(std::make_shared<const Reason>(std::move(part))) {}

class Status {
 public:
  static Status Ok() { return Status(); }
  static Status Error(Reason reason) { return Status(std::move(reason)); }
  static Status Error(ReasonCode code, std::vector<ReasonArg> args = {}) {
    return Status(Reason(code, std::move(args)));
  }

  bool ok() const { return m_reason == nullptr; }
  explicit operator bool() const { return ok(); }
  // Why it failed; only for a failed status.
  const Reason& reason() const { return *m_reason; }
  // The reason in English, as the command line prints it; empty when ok.
  std::string message() const;

 private:
  Status() = default;
  explicit Status(Reason reason) : m_reason(std::make_shared<const Reason>(std::move(reason))) {}

  std::shared_ptr<const Reason> m_reason;
};

// The English wording of a code, with %1.. for its arguments; the code's
// name ("WriteFailed") for tests and tables.
std::string_view EnglishWording(ReasonCode code);
std::string_view ReasonCodeName(ReasonCode code);

// `reason` worded in English: texts made printable, system errors by the C
// library's text, parts worded in turn.
std::string EnglishText(const Reason& reason);

// `wording` with each %N (1 ≤ N ≤ 99) replaced by args[N - 1] in one pass, so
// an argument that itself holds "%2" stays as it is; a %N without an
// argument stays too.
std::string FillPlaceholders(std::string_view wording, const std::vector<std::string>& args);

}  // namespace lodex
