#include "model/SchemeFile.h"

#include <charconv>
#include <unordered_map>

#include "model/Archive.h"
#include "model/FileIo.h"

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

// A block as reasons name it: its index and its identifier.
Reason BlockName(int index, const CLogicalBlock& b) { return Reason(ReasonCode::BlockNamed, {index, b.m_id}); }

// A field of the header, or of a block's record.
Reason Header(ReasonCode item) { return Reason(ReasonCode::HeaderField, {Reason(item)}); }
Reason Field(const Reason& block, Reason item) { return Reason(ReasonCode::BlockField, {block, std::move(item)}); }

// The number of an identifier "Bl_<n>", or -1 for any other identifier.
long long SynthesisedNumber(const std::string& id) {
  if (id.size() <= 3 || id.compare(0, 3, "Bl_") != 0) return -1;
  long long n = -1;
  const char* end = id.data() + id.size();
  auto [p, ec] = std::from_chars(id.data() + 3, end, n);
  return (ec == std::errc() && p == end) ? n : -1;
}

Status ValidateSequence(const CLogicalBlock& b, const Reason& where) {
  using enum ReasonCode;
  if (b.m_inputCount < 0 || b.m_inputCount > kMaxInputs)
    return Status::Error(InputCountRange, {where, b.m_inputCount, kMaxInputs});
  if (b.m_outputCount < 1 || b.m_outputCount > kMaxOutputs)
    return Status::Error(OutputCountRange, {where, b.m_outputCount, 1, kMaxOutputs});
  const int digits = WordDigitsFor(b.m_outputCount);
  if (b.m_wordDigits != digits)
    return Status::Error(WordDigitsMismatch, {where, b.m_wordDigits, b.m_outputCount, digits});
  const size_t expected = (size_t{1} << b.m_inputCount) * static_cast<size_t>(digits);
  if (b.m_lp.size() != expected) return Status::Error(SequenceLength, {where, b.m_lp.size(), expected});
  for (size_t i = 0; i < b.m_lp.size(); ++i)
    if (!IsSequenceChar(b.m_lp[i])) return Status::Error(SequenceChar, {where, i});
  return Status::Ok();
}

}  // namespace

Status CheckScheme(const CLogicalScheme& s) {
  using enum ReasonCode;
  if (s.m_wordDigits < 1 || s.m_wordDigits > 8) return Status::Error(HeaderWordDigits, {s.m_wordDigits});
  if (s.m_blockCounter < 0) return Status::Error(HeaderCounterNegative, {s.m_blockCounter});
  const int count = s.GetBlockCount();
  if (count == 0) return Status::Ok();
  if (count < 2) return Status::Error(NoInputOutputBlocks, {BlockName(0, s.GetBlock(0))});
  if (s.GetBlock(0).m_id != "I") return Status::Error(FirstNotInput, {BlockName(0, s.GetBlock(0))});
  if (s.GetBlock(count - 1).m_id != "O")
    return Status::Error(LastNotOutput, {BlockName(count - 1, s.GetBlock(count - 1))});

  const CLogicalBlock& in = s.GetBlock(0);
  if (in.m_inputCount != 0) return Status::Error(InputBlockHasInputs, {BlockName(0, in)});
  if (in.m_outputCount < 0 || in.m_outputCount > kMaxInputs)
    return Status::Error(OutputCountRange, {BlockName(0, in), in.m_outputCount, 0, kMaxInputs});
  if (!s.m_sourceLP.empty()) {
    const size_t expected = (size_t{1} << in.m_outputCount) * static_cast<size_t>(s.m_wordDigits);
    if (s.m_sourceLP.size() != expected) return Status::Error(SourceLength, {s.m_sourceLP.size(), expected});
    for (char c : s.m_sourceLP)
      if (!IsSequenceChar(c)) return Status::Error(SourceChar);
  }

  std::unordered_map<std::string, int> index;
  for (int i = 0; i < count; ++i) {
    const CLogicalBlock& b = s.GetBlock(i);
    const Reason where = BlockName(i, b);
    if (b.m_id.empty()) return Status::Error(EmptyIdentifier, {where});
    if (auto [it, fresh] = index.emplace(b.m_id, i); !fresh)
      return Status::Error(RepeatedIdentifier, {where, it->second});
    if (SynthesisedNumber(b.m_id) > s.m_blockCounter)
      return Status::Error(IdentifierAboveCounter, {where, s.m_blockCounter});
    if (b.m_inputCount != static_cast<int>(b.m_inputs.size()))
      return Status::Error(LinkCountMismatch, {where, b.m_inputCount, b.m_inputs.size()});
    if (i > 0 && i < count - 1)
      if (Status sound = ValidateSequence(b, where); !sound) return sound;
  }

  for (int i = 1; i < count; ++i) {
    const CLogicalBlock& b = s.GetBlock(i);
    for (size_t k = 0; k < b.m_inputs.size(); ++k) {
      const CBlockInput& link = b.m_inputs[k];
      const auto found = index.find(link.m_source);
      if (found == index.end()) return Status::Error(LinkUnknown, {BlockName(i, b), k, link.m_source});
      const int src = found->second;
      if (src == count - 1) return Status::Error(LinkToOutput, {BlockName(i, b), k});
      if (src != 0 && src <= i && i != count - 1)
        return Status::Error(LinkBackward, {BlockName(i, b), k, link.m_source, src});
      const int outputs = s.GetBlock(src).m_outputCount;
      if (link.m_pin < 0 || link.m_pin >= outputs)
        return Status::Error(LinkPin, {BlockName(i, b), k, link.m_pin, link.m_source, outputs});
    }
  }
  return Status::Ok();
}

std::string ValidateScheme(const CLogicalScheme& s) { return CheckScheme(s).message(); }

void CLogicalScheme::Serialize(CArchive& ar) {
  if (ar.IsStoring()) {
    ar.WriteString(m_sourceLP, Reason(ReasonCode::ItemSourceSequence));
    ar.WriteInt32(m_wordDigits);
    ar.WriteInt32(m_blockCounter);
    ar.WriteUInt32(static_cast<uint32_t>(m_blocks.size()));
    for (size_t i = 0; i < m_blocks.size(); ++i) {
      const CLogicalBlock& b = m_blocks[i];
      const Reason where = BlockName(static_cast<int>(i), b);
      ar.WriteString(b.m_lp, Field(where, ReasonCode::ItemSequence));
      ar.WriteString(b.m_id, Field(where, ReasonCode::ItemIdentifier));
      ar.WriteString(b.m_caption, Field(where, ReasonCode::ItemCaption));
      ar.WriteInt32(b.m_wordDigits);
      ar.WriteInt32(b.m_reserved);
      ar.WriteInt32(static_cast<int32_t>(b.m_inputs.size()));
      for (size_t k = 0; k < b.m_inputs.size(); ++k) {
        ar.WriteString(b.m_inputs[k].m_source, Field(where, Reason(ReasonCode::ItemInputSource, {k})));
        ar.WriteInt16(b.m_inputs[k].m_pin);
      }
      ar.WriteInt32(b.m_outputCount);
    }
    return;
  }

  CLogicalScheme loaded;
  using enum ReasonCode;
  loaded.m_sourceLP = ar.ReadString(Header(ItemSourceSequence));
  loaded.m_wordDigits = ar.ReadInt32(Header(ItemWordDigits));
  loaded.m_blockCounter = ar.ReadInt32(Header(ItemBlockCounter));
  const uint32_t count = ar.ReadUInt32(Header(ItemBlockCount));
  if (count > ar.Remaining() / kMinBlockBytes) throw CArchiveError(Reason(BlockCountTooLarge, {count}));
  loaded.m_blocks.resize(count);
  for (uint32_t i = 0; i < count; ++i) {
    CLogicalBlock& b = loaded.m_blocks[i];
    const Reason where(BlockIndex, {i});
    b.m_lp = ar.ReadString(Field(where, ItemSequence));
    b.m_id = ar.ReadString(Field(where, ItemIdentifier));
    const Reason named = BlockName(static_cast<int>(i), b);
    b.m_caption = ar.ReadString(Field(named, ItemCaption));
    b.m_wordDigits = ar.ReadInt32(Field(named, ItemWordDigits));
    b.m_reserved = ar.ReadInt32(Field(named, ItemReserved));
    b.m_inputCount = ar.ReadInt32(Field(named, ItemInputCount));
    if (b.m_inputCount < 0) throw CArchiveError(Reason(InputCountNegative, {named, b.m_inputCount}));
    if (static_cast<size_t>(b.m_inputCount) > ar.Remaining() / kMinLinkBytes)
      throw CArchiveError(Reason(InputCountTooLarge, {named, b.m_inputCount}));
    b.m_inputs.resize(static_cast<size_t>(b.m_inputCount));
    for (int32_t k = 0; k < b.m_inputCount; ++k) {
      b.m_inputs[static_cast<size_t>(k)].m_source = ar.ReadString(Field(named, Reason(ItemInputSource, {k})));
      b.m_inputs[static_cast<size_t>(k)].m_pin = ar.ReadInt16(Field(named, Reason(ItemInputPin, {k})));
    }
    b.m_outputCount = ar.ReadInt32(Field(named, ItemOutputCount));
  }
  if (ar.Remaining() != 0) throw CArchiveError(Reason(TrailingBytes, {ar.Remaining()}));
  if (Status sound = CheckScheme(loaded); !sound) throw CArchiveError(sound.reason());
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
    return Status::Error(e.reason());
  }
}

Status SaveSchemeFile(const std::string& path, const CLogicalScheme& scheme) {
  std::string bytes;
  try {
    bytes = StoreScheme(scheme);
  } catch (const CArchiveError& e) {
    return Status::Error(ReasonCode::SchemeNotSaved, {path, e.reason()});
  }
  return WriteFileAtomically(path, bytes);
}

Status LoadSchemeFile(const std::string& path, CLogicalScheme& scheme) {
  std::string bytes;
  if (Status read = ReadWholeFile(path, bytes, kMaxSchemeFile); !read) return read;
  Status loaded = LoadScheme(bytes, scheme);
  if (!loaded) return Status::Error(ReasonCode::SchemeDamaged, {path, loaded.reason()});
  return loaded;
}

}  // namespace lodex
