#include "model/Archive.h"

#include "model/Cp1251.h"

namespace lodex {

CArchive::CArchive() : m_storing(true) {}

CArchive::CArchive(std::string_view bytes) : m_storing(false), m_in(bytes) {}

void CArchive::WriteLE(uint32_t v, size_t n) {
  for (size_t i = 0; i < n; ++i) m_out.push_back(static_cast<char>((v >> (8 * i)) & 0xFFu));
}

void CArchive::WriteInt32(int32_t v) { WriteLE(static_cast<uint32_t>(v), 4); }
void CArchive::WriteUInt32(uint32_t v) { WriteLE(v, 4); }
void CArchive::WriteInt16(int16_t v) { WriteLE(static_cast<uint16_t>(v), 2); }

void CArchive::WriteString(std::string_view utf8, const Reason& what) {
  const auto bytes = Utf8ToCp1251(utf8);
  if (!bytes) throw CArchiveError(Reason(ReasonCode::ArchiveNotCp1251, {what}));
  const size_t n = bytes->size();
  if (n < 0xFF) {
    WriteLE(static_cast<uint32_t>(n), 1);
  } else if (n < 0xFFFE) {
    WriteLE(0xFF, 1);
    WriteLE(static_cast<uint32_t>(n), 2);
  } else {
    if (n > 0xFFFFFFFEu) throw CArchiveError(Reason(ReasonCode::ArchiveTooLong, {what}));
    WriteLE(0xFF, 1);
    WriteLE(0xFFFF, 2);
    WriteLE(static_cast<uint32_t>(n), 4);
  }
  m_out += *bytes;
}

void CArchive::Need(size_t n, const Reason& what) const {
  if (Remaining() < n) throw CArchiveError(Reason(ReasonCode::ArchiveEnds, {what}));
}

uint32_t CArchive::ReadLE(size_t n, const Reason& what) {
  Need(n, what);
  uint32_t v = 0;
  for (size_t i = 0; i < n; ++i) v |= static_cast<uint32_t>(static_cast<unsigned char>(m_in[m_pos + i])) << (8 * i);
  m_pos += n;
  return v;
}

int32_t CArchive::ReadInt32(const Reason& what) { return static_cast<int32_t>(ReadLE(4, what)); }
uint32_t CArchive::ReadUInt32(const Reason& what) { return ReadLE(4, what); }
int16_t CArchive::ReadInt16(const Reason& what) { return static_cast<int16_t>(ReadLE(2, what)); }

std::string CArchive::ReadString(const Reason& what) {
  uint32_t n = ReadLE(1, what);
  if (n == 0xFF) {
    n = ReadLE(2, what);
    if (n == 0xFFFE) throw CArchiveError(Reason(ReasonCode::ArchiveWideText, {what}));
    if (n == 0xFFFF) n = ReadLE(4, what);
  }
  if (n > Remaining()) throw CArchiveError(Reason(ReasonCode::ArchiveLength, {what, n, Remaining()}));
  const std::string_view raw = m_in.substr(m_pos, n);
  m_pos += n;
  return Cp1251ToUtf8(raw);
}

}  // namespace lodex
