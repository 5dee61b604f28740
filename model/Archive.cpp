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

void CArchive::WriteString(std::string_view utf8, std::string_view what) {
  const auto bytes = Utf8ToCp1251(utf8);
  if (!bytes) throw CArchiveError(std::string(what) + ": text cannot be stored in Windows-1251");
  const size_t n = bytes->size();
  if (n < 0xFF) {
    WriteLE(static_cast<uint32_t>(n), 1);
  } else if (n < 0xFFFE) {
    WriteLE(0xFF, 1);
    WriteLE(static_cast<uint32_t>(n), 2);
  } else {
    if (n > 0xFFFFFFFEu) throw CArchiveError(std::string(what) + ": text too long");
    WriteLE(0xFF, 1);
    WriteLE(0xFFFF, 2);
    WriteLE(static_cast<uint32_t>(n), 4);
  }
  m_out += *bytes;
}

void CArchive::Need(size_t n, std::string_view what) const {
  if (Remaining() < n) throw CArchiveError("file ends in the " + std::string(what));
}

uint32_t CArchive::ReadLE(size_t n, std::string_view what) {
  Need(n, what);
  uint32_t v = 0;
  for (size_t i = 0; i < n; ++i) v |= static_cast<uint32_t>(static_cast<unsigned char>(m_in[m_pos + i])) << (8 * i);
  m_pos += n;
  return v;
}

int32_t CArchive::ReadInt32(std::string_view what) { return static_cast<int32_t>(ReadLE(4, what)); }
uint32_t CArchive::ReadUInt32(std::string_view what) { return ReadLE(4, what); }
int16_t CArchive::ReadInt16(std::string_view what) { return static_cast<int16_t>(ReadLE(2, what)); }

std::string CArchive::ReadString(std::string_view what) {
  uint32_t n = ReadLE(1, what);
  if (n == 0xFF) {
    n = ReadLE(2, what);
    if (n == 0xFFFE) throw CArchiveError(std::string(what) + ": wide-character strings are not part of the format");
    if (n == 0xFFFF) n = ReadLE(4, what);
  }
  if (n > Remaining())
    throw CArchiveError(std::string(what) + ": length " + std::to_string(n) + " exceeds the " +
                        std::to_string(Remaining()) + " bytes left");
  const std::string_view raw = m_in.substr(m_pos, n);
  m_pos += n;
  return Cp1251ToUtf8(raw);
}

}  // namespace lodex
