// The binary archive of scheme files: little-endian integers and strings with
// a variable-length prefix, Windows-1251 on disk and UTF-8 in memory.
//
// Loading trusts nothing: every read checks the bytes that remain, so a
// damaged stream ends in a CArchiveError, never in a wild read or a large
// allocation.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "model/Status.h"

namespace lodex {

// Why storing or loading stopped; what() is the reason in English.
class CArchiveError : public std::runtime_error {
 public:
  explicit CArchiveError(Reason reason) : std::runtime_error(EnglishText(reason)), m_reason(std::move(reason)) {}
  const Reason& reason() const { return m_reason; }

 private:
  Reason m_reason;
};

class CArchive {
 public:
  // A storing archive that collects bytes.
  CArchive();
  // A loading archive over `bytes`, which must outlive it.
  explicit CArchive(std::string_view bytes);

  bool IsStoring() const { return m_storing; }
  bool IsLoading() const { return !m_storing; }

  // Stored bytes.
  const std::string& Bytes() const { return m_out; }
  // Bytes not read yet.
  size_t Remaining() const { return m_in.size() - m_pos; }

  void WriteInt32(int32_t v);
  void WriteUInt32(uint32_t v);
  void WriteInt16(int16_t v);
  // Throws CArchiveError naming `what` when the text has a character that
  // Windows-1251 cannot hold.
  void WriteString(std::string_view utf8, const Reason& what);

  // Each read throws CArchiveError naming the field `what` when the bytes run out.
  int32_t ReadInt32(const Reason& what);
  uint32_t ReadUInt32(const Reason& what);
  int16_t ReadInt16(const Reason& what);
  std::string ReadString(const Reason& what);

 private:
  void Need(size_t n, const Reason& what) const;
  uint32_t ReadLE(size_t n, const Reason& what);
  void WriteLE(uint32_t v, size_t n);

  bool m_storing;
  std::string m_out;
  std::string_view m_in;
  size_t m_pos = 0;
};

}  // namespace lodex
