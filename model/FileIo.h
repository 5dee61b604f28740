// Whole-file reads and writes that never leave a half-written target.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "model/Status.h"

namespace lodex {

// A path as messages quote it: in single quotes, its control characters
// escaped so that the message stays one line.
std::string QuotedPath(std::string_view path);

// Writes `bytes` to a temporary file beside `path` and renames it over
// `path`, so a failed save leaves the previous file as it was. A replaced
// file keeps its permission bits.
Status WriteFileAtomically(const std::string& path, std::string_view bytes);

// One file of a group written together.
struct FileOutput {
  std::string path;
  std::string bytes;
};

// Writes every file to a temporary file beside it and renames them over
// their targets only once all were written, so a failure leaves every
// target as it was. Refuses two outputs that are the same file.
Status WriteFilesAtomically(const std::vector<FileOutput>& files);

// True when both paths name one file, however named (links, relative
// forms); for paths that do not exist yet, when their absolute forms agree.
bool SameFile(const std::string& a, const std::string& b);

// Ok when `path` is a regular file (after links); a folder, a pipe, a
// device or a missing file is refused by name, before anything opens it
// (opening a pipe would wait for a writer).
Status CheckRegularFile(const std::string& path);

// Reads the whole file into `out`; refuses what is not a regular file and
// files larger than `limit` bytes.
Status ReadWholeFile(const std::string& path, std::string& out, size_t limit);

}  // namespace lodex
