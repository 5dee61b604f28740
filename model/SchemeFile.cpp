#include "model/SchemeFile.h"

#include <charconv>
#include <unordered_map>

#include "model/Archive.h"
#include "model/FileIo.h"
#include "model/PrintableText.h"

namespace lodex {
namespace {

// Largest scheme file read: far beyond any real project, small enough to
// refuse a runaway file before it is read.
constexpr size_t kMaxSchemeFile = size_t{1} << 30;
// Fewest bytes a block record and a link take; counts are checked against
// them before anything is allocated.
constexpr size_t kMinBlockBytes = 1 + 1 + 1 + 4 + 4 + 4 + 4;
constexpr size_t kMinLinkBytes = 1 + 2;
// A logic block's inputs and outputs: the project's limit of 16 inputs, and
// outputs that fit a 32-bit word whose all-ones value still differs from -1.
constexpr int kMaxInputs = 16;
constexpr int kMaxOutputs = 31;

// A block as reasons name it; the identifier comes from the file, so it is
// shown printable.
std::string BlockName(int index, const CLogicalBlock& b) {
  return "block " + std::to_string(index) + " (" + PrintableText(b.m_id) + ")";
}

// The number of an identifier "Bl_<n>", or -1 for any other identifier.
long long SynthesisedNumber(const std::string& id) {
  if (id.size() <= 3 || id.compare(0, 3, "Bl_") != 0) return -1;
  long long n = -1;
  const char* end = id.data() + id.size();
  auto [p, ec] = std::from_chars(id.data() + 3, end, n);
  return (ec == std::errc() && p == end) ? n : -1;
}

std::string ValidateSequence(const CLogicalBlock& b, const std::string& where) {
  if (b.m_inputCount < 0 || b.m_inputCount > kMaxInputs)
    return where + ": input count " + std::to_string(b.m_inputCount) + " is outside 0.." + std::to_string(kMaxInputs);
  if (b.m_outputCount < 1 || b.m_outputCount > kMaxOutputs)
    return where + ": output count " + std::to_string(b.m_outputCount) + " is outside 1.." +
           std::to_string(kMaxOutputs);
  const int digits = WordDigitsFor(b.m_outputCount);
  if (b.m_wordDigits != digits)
    return where + ": word digits " + std::to_string(b.m_wordDigits) + " do not fit " +
           std::to_string(b.m_outputCount) + " outputs (" + std::to_string(digits) + " expected)";
  const size_t expected = (size_t{1} << b.m_inputCount) * static_cast<size_t>(digits);
  if (b.m_lp.size() != expected)
    return where + ": sequence has " + std::to_string(b.m_lp.size()) + " characters, " + std::to_string(expected) +
           " expected";
  for (size_t i = 0; i < b.m_lp.size(); ++i)
    if (!IsSequenceChar(b.m_lp[i]))
      return where + ": sequence character " + std::to_string(i) + " is not a hexadecimal digit or *";
  return {};
}

}  // namespace

std::string ValidateScheme(const CLogicalScheme& s) {
  if (s.m_wordDigits < 1 || s.m_wordDigits > 8)
    return "header: word digits " + std::to_string(s.m_wordDigits) + " are outside 1..8";
  if (s.m_blockCounter < 0) return "header: block counter " + std::to_string(s.m_blockCounter) + " is negative";
  const int count = s.GetBlockCount();
  if (count == 0) return {};
  if (count < 2) return BlockName(0, s.GetBlock(0)) + ": a scheme needs the input block I and the output block O";
  if (s.GetBlock(0).m_id != "I") return BlockName(0, s.GetBlock(0)) + ": the first block must be the input block I";
  if (s.GetBlock(count - 1).m_id != "O")
    return BlockName(count - 1, s.GetBlock(count - 1)) + ": the last block must be the output block O";

  const CLogicalBlock& in = s.GetBlock(0);
  if (in.m_inputCount != 0) return BlockName(0, in) + ": the input block has inputs";
  if (in.m_outputCount < 0 || in.m_outputCount > kMaxInputs)
    return BlockName(0, in) + ": output count " + std::to_string(in.m_outputCount) + " is outside 0.." +
           std::to_string(kMaxInputs);
  if (!s.m_sourceLP.empty()) {
    const size_t expected = (size_t{1} << in.m_outputCount) * static_cast<size_t>(s.m_wordDigits);
    if (s.m_sourceLP.size() != expected)
      return "header: source sequence has " + std::to_string(s.m_sourceLP.size()) + " characters, " +
             std::to_string(expected) + " expected";
    for (char c : s.m_sourceLP)
      if (!IsSequenceChar(c)) return "header: source sequence holds a character that is not a hexadecimal digit or *";
  }

  std::unordered_map<std::string, int> index;
  for (int i = 0; i < count; ++i) {
    const CLogicalBlock& b = s.GetBlock(i);
    const std::string where = BlockName(i, b);
    if (b.m_id.empty()) return where + ": empty identifier";
    if (auto [it, fresh] = index.emplace(b.m_id, i); !fresh)
      return where + ": identifier repeats block " + std::to_string(it->second);
    if (SynthesisedNumber(b.m_id) > s.m_blockCounter)
      return where + ": identifier number is above the block counter " + std::to_string(s.m_blockCounter);
    if (b.m_inputCount != static_cast<int>(b.m_inputs.size()))
      return where + ": input count " + std::to_string(b.m_inputCount) + " differs from its " +
             std::to_string(b.m_inputs.size()) + " links";
    if (i > 0 && i < count - 1)
      if (std::string reason = ValidateSequence(b, where); !reason.empty()) return reason;
  }

  for (int i = 1; i < count; ++i) {
    const CLogicalBlock& b = s.GetBlock(i);
    const std::string where = BlockName(i, b);
    for (size_t k = 0; k < b.m_inputs.size(); ++k) {
      const CBlockInput& link = b.m_inputs[k];
      const std::string input = where + ": input " + std::to_string(k);
      const std::string source = PrintableText(link.m_source);
      const auto found = index.find(link.m_source);
      if (found == index.end()) return input + " names unknown block " + source;
      const int src = found->second;
      if (src == count - 1) return input + " names the output block";
      if (src != 0 && src <= i && i != count - 1)
        return input + " names block " + source + " at index " + std::to_string(src) + ", which is not after it";
      const int outputs = s.GetBlock(src).m_outputCount;
      if (link.m_pin < 0 || link.m_pin >= outputs)
        return input + " uses pin " + std::to_string(link.m_pin) + " of " + source + ", which has " +
               std::to_string(outputs) + " outputs";
    }
  }
  return {};
}

void CLogicalScheme::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar.WriteString(m_sourceLP, "source sequence");
    ar.WriteInt32(m_wordDigits);
    ar.WriteInt32(m_blockCounter);
    ar.WriteUInt32(static_cast<uint32_t>(m_blocks.size()));
    for (size_t i = 0; i < m_blocks.size(); ++i) {
      const CLogicalBlock& b = m_blocks[i];
      const std::string where = BlockName(static_cast<int>(i), b);
      ar.WriteString(b.m_lp, where + ": sequence");
      ar.WriteString(b.m_id, where + ": identifier");
      ar.WriteString(b.m_caption, where + ": caption");
      ar.WriteInt32(b.m_wordDigits);
      ar.WriteInt32(b.m_reserved);
      ar.WriteInt32(static_cast<int32_t>(b.m_inputs.size()));
      for (const CBlockInput& link : b.m_inputs) {
        ar.WriteString(link.m_source, where + ": input source");
        ar.WriteInt16(link.m_pin);
      }
      ar.WriteInt32(b.m_outputCount);
    }
    return;
  }

  CLogicalScheme loaded;
  loaded.m_sourceLP = ar.ReadString("header: source sequence");
  loaded.m_wordDigits = ar.ReadInt32("header: word digits");
  loaded.m_blockCounter = ar.ReadInt32("header: block counter");
  const uint32_t count = ar.ReadUInt32("header: block count");
  if (count > ar.Remaining() / kMinBlockBytes)
    throw CArchiveError("header: block count " + std::to_string(count) + " exceeds what the file can hold");
  loaded.m_blocks.resize(count);
  for (uint32_t i = 0; i < count; ++i) {
    CLogicalBlock& b = loaded.m_blocks[i];
    const std::string where = "block " + std::to_string(i);
    b.m_lp = ar.ReadString(where + ": sequence");
    b.m_id = ar.ReadString(where + ": identifier");
    const std::string named = BlockName(static_cast<int>(i), b);
    b.m_caption = ar.ReadString(named + ": caption");
    b.m_wordDigits = ar.ReadInt32(named + ": word digits");
    b.m_reserved = ar.ReadInt32(named + ": reserved field");
    b.m_inputCount = ar.ReadInt32(named + ": input count");
    if (b.m_inputCount < 0)
      throw CArchiveError(named + ": input count " + std::to_string(b.m_inputCount) + " is negative");
    if (static_cast<size_t>(b.m_inputCount) > ar.Remaining() / kMinLinkBytes)
      throw CArchiveError(named + ": input count " + std::to_string(b.m_inputCount) +
                          " exceeds what the file can hold");
    b.m_inputs.resize(static_cast<size_t>(b.m_inputCount));
    for (int32_t k = 0; k < b.m_inputCount; ++k) {
      const std::string input = named + ": input " + std::to_string(k);
      b.m_inputs[static_cast<size_t>(k)].m_source = ar.ReadString(input + " source");
      b.m_inputs[static_cast<size_t>(k)].m_pin = ar.ReadInt16(input + " pin");
    }
    b.m_outputCount = ar.ReadInt32(named + ": output count");
  }
  if (ar.Remaining() != 0)
    throw CArchiveError(std::to_string(ar.Remaining()) + " unexpected bytes after the last block");
  if (std::string reason = ValidateScheme(loaded); !reason.empty()) throw CArchiveError(reason);
  m_blocks = std::move(loaded.m_blocks);
  m_sourceLP = std::move(loaded.m_sourceLP);
  m_wordDigits = loaded.m_wordDigits;
  m_blockCounter = loaded.m_blockCounter;
}

std::string StoreScheme(const CLogicalScheme& scheme) {
  CArchive ar;
  const_cast<CLogicalScheme&>(scheme).Serialize(ar);  // storing does not modify
  return ar.Bytes();
}

Status LoadScheme(std::string_view bytes, CLogicalScheme& scheme) {
  try {
    CArchive ar(bytes);
    scheme.Serialize(ar);
    return Status::Ok();
  } catch (const CArchiveError& e) {
    return Status::Error(e.what());
  }
}

Status SaveSchemeFile(const std::string& path, const CLogicalScheme& scheme) {
  std::string bytes;
  try {
    bytes = StoreScheme(scheme);
  } catch (const CArchiveError& e) {
    return Status::Error("cannot save " + QuotedPath(path) + ": " + e.what());
  }
  return WriteFileAtomically(path, bytes);
}

Status LoadSchemeFile(const std::string& path, CLogicalScheme& scheme) {
  std::string bytes;
  if (Status read = ReadWholeFile(path, bytes, kMaxSchemeFile); !read) return read;
  Status loaded = LoadScheme(bytes, scheme);
  if (!loaded) return Status::Error(QuotedPath(path) + " is damaged: " + loaded.message());
  return loaded;
}

}  // namespace lodex
