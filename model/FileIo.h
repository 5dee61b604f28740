// Whole-file reads and writes that never leave a half-written target.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "model/Status.h"

namespace lodex {

// A path as messages quote it: in single quotes, its control characters
// escaped so that the message stays one line.
std::string QuotedPath(std::string_view path);

// Writes `bytes` to a temporary file beside `path` and renames it over
// `path`, so a failed save leaves the previous file as it was.
Status WriteFileAtomically(const std::string& path, std::string_view bytes);

// Reads the whole file into `out`; refuses files larger than `limit` bytes.
Status ReadWholeFile(const std::string& path, std::string& out, size_t limit);

}  // namespace lodex
