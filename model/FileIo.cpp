#include "model/FileIo.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>

#include "model/PrintableText.h"

namespace lodex {
namespace {

// A short random name in the folder of `path`, so it fits wherever a name
// of the folder fits (a name beside `path` made longer could not).
std::string TemporaryBeside(const std::string& path) {
  std::random_device rd;
  char name[24];
  std::snprintf(name, sizeof name, ".lx%08x.tmp", static_cast<unsigned>(rd()));
  return (std::filesystem::path(path).parent_path() / name).string();
}

// Writes `bytes` to a new temporary file for `path` with the permission bits
// of `path` when it exists; `temp` is empty on failure.
Status WriteTemporary(const std::string& path, std::string_view bytes, std::string& temp) {
  namespace fs = std::filesystem;
  std::error_code ec;
  temp.clear();
  if (fs::is_directory(path, ec)) return Status::Error(ReasonCode::WriteFolder, {path});
  const std::string name = TemporaryBeside(path);
  std::FILE* f = std::fopen(name.c_str(), "wbx");
  if (!f) return Status::Error(ReasonCode::WriteFailed, {path, SystemError{errno}});
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  int err = ok ? 0 : errno;
  if (std::fclose(f) != 0 && ok) {
    ok = false;
    err = errno;
  }
  if (!ok) {
    fs::remove(name, ec);
    return Status::Error(ReasonCode::WriteFailed, {path, SystemError{err}});
  }
  const fs::file_status target = fs::status(path, ec);
  if (!ec && fs::is_regular_file(target)) fs::permissions(name, target.permissions(), ec);
  temp = name;
  return Status::Ok();
}

}  // namespace

std::string QuotedPath(std::string_view path) {
  std::string quoted = "'";
  quoted += PrintableText(path);
  quoted += '\'';
  return quoted;
}

Status WriteFileAtomically(const std::string& path, std::string_view bytes) {
  return WriteFilesAtomically({FileOutput{path, std::string(bytes)}});
}

Status WriteFilesAtomically(const std::vector<FileOutput>& files) {
  namespace fs = std::filesystem;
  for (size_t i = 0; i < files.size(); ++i)
    for (size_t j = 0; j < i; ++j)
      if (SameFile(files[i].path, files[j].path))
        return Status::Error(ReasonCode::WriteTwice, {files[i].path, files[j].path});
  std::vector<std::string> temps;
  std::error_code ec;
  const auto discard = [&] {
    for (const std::string& temp : temps) fs::remove(temp, ec);
  };
  for (const FileOutput& file : files) {
    std::string temp;
    if (Status s = WriteTemporary(file.path, file.bytes, temp); !s) {
      discard();
      return s;
    }
    temps.push_back(temp);
  }
  for (size_t i = 0; i < files.size(); ++i) {
    fs::rename(temps[i], files[i].path, ec);
    if (ec) {
      const int err = ec.value();
      temps.erase(temps.begin(), temps.begin() + static_cast<long>(i));
      discard();
      return Status::Error(ReasonCode::WriteFailed, {files[i].path, SystemError{err}});
    }
  }
  return Status::Ok();
}

bool SameFile(const std::string& a, const std::string& b) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (fs::exists(a, ec) && fs::exists(b, ec)) return fs::equivalent(a, b, ec) && !ec;
  const fs::path x = fs::weakly_canonical(fs::absolute(a, ec), ec), y = fs::weakly_canonical(fs::absolute(b, ec), ec);
  return x == y;
}

Status CheckRegularFile(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  const fs::file_status status = fs::status(path, ec);
  if (ec || !fs::exists(status))
    return Status::Error(ReasonCode::OpenFailed, {path, SystemError{ec ? ec.value() : ENOENT}});
  if (fs::is_directory(status)) return Status::Error(ReasonCode::OpenFolder, {path});
  if (!fs::is_regular_file(status)) return Status::Error(ReasonCode::OpenNotRegular, {path});
  return Status::Ok();
}

Status ReadWholeFile(const std::string& path, std::string& out, size_t limit) {
  if (Status s = CheckRegularFile(path); !s) return s;
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return Status::Error(ReasonCode::OpenFailed, {path, SystemError{errno}});
  std::string data;
  char buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) {
    if (data.size() + n > limit) {
      std::fclose(f);
      return Status::Error(ReasonCode::FileTooLarge, {path, limit});
    }
    data.append(buf, n);
  }
  const bool failed = std::ferror(f) != 0;
  const int err = errno;
  std::fclose(f);
  if (failed) return Status::Error(ReasonCode::ReadFailed, {path, SystemError{err}});
  out = std::move(data);
  return Status::Ok();
}

}  // namespace lodex
