#include "model/FileIo.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <random>

#include "model/PrintableText.h"

namespace lodex {
namespace {

std::string Reason(const char* verb, const std::string& path) {
  return std::string("cannot ") + verb + " " + QuotedPath(path) + ": " + std::strerror(errno);
}

std::string TemporaryBeside(const std::string& path) {
  std::random_device rd;
  char suffix[24];
  std::snprintf(suffix, sizeof suffix, ".tmp%08x", static_cast<unsigned>(rd()));
  return path + suffix;
}

}  // namespace

std::string QuotedPath(std::string_view path) {
  std::string quoted = "'";
  quoted += PrintableText(path);
  quoted += '\'';
  return quoted;
}

Status WriteFileAtomically(const std::string& path, std::string_view bytes) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (fs::is_directory(path, ec)) return Status::Error("cannot write " + QuotedPath(path) + ": it is a folder");
  const std::string temp = TemporaryBeside(path);
  std::FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) return Status::Error(Reason("write", path));
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  int err = ok ? 0 : errno;
  if (std::fclose(f) != 0 && ok) {
    ok = false;
    err = errno;
  }
  if (!ok) {
    fs::remove(temp, ec);
    return Status::Error("cannot write " + QuotedPath(path) + ": " + std::strerror(err));
  }
  fs::rename(temp, path, ec);
  if (ec) {
    fs::remove(temp, ec);
    return Status::Error("cannot write " + QuotedPath(path) + ": " + ec.message());
  }
  return Status::Ok();
}

Status ReadWholeFile(const std::string& path, std::string& out, size_t limit) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return Status::Error(Reason("open", path));
  std::string data;
  char buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) {
    if (data.size() + n > limit) {
      std::fclose(f);
      return Status::Error(QuotedPath(path) + " is larger than " + std::to_string(limit) + " bytes");
    }
    data.append(buf, n);
  }
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) return Status::Error(Reason("read", path));
  out = std::move(data);
  return Status::Ok();
}

}  // namespace lodex
