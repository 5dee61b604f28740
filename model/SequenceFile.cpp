#include "model/SequenceFile.h"

#include "model/FileIo.h"
#include "model/LogicSequence.h"

namespace lodex {
namespace {

// Far above the longest sequence a project can have (2^16 words of 8 digits
// with their line breaks).
constexpr size_t kMaxSequenceFile = size_t{16} << 20;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

}  // namespace

std::string FormatSequenceFile(std::string_view lp) {
  std::string out;
  out.reserve(lp.size() + lp.size() / 2);
  for (size_t i = 0; i < lp.size(); ++i) {
    if (i > 0 && i % 4 == 0) out += "\r\n";
    out.push_back(lp[i]);
  }
  return out;
}

std::string ParseSequenceFile(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (!IsBlank(c)) out.push_back(c);
  return ToUpperAscii(out);
}

Status WriteSequenceFile(const std::string& path, std::string_view lp) {
  return WriteFileAtomically(path, FormatSequenceFile(lp));
}

Status ReadSequenceFile(const std::string& path, std::string& lp) {
  std::string text;
  if (Status read = ReadWholeFile(path, text, kMaxSequenceFile); !read) return read;
  lp = ParseSequenceFile(text);
  return Status::Ok();
}

}  // namespace lodex
