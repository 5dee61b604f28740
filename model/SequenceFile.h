// Sequence files (*.lof): one logic sequence as text, four characters a line.
#pragma once

#include <string>
#include <string_view>

#include "model/Status.h"

namespace lodex {

// The file text: CR LF before every character whose index is a positive
// multiple of 4, nothing else.
std::string FormatSequenceFile(std::string_view lp);

// The sequence a file's text holds: every white-space character dropped,
// the rest upper-cased.
std::string ParseSequenceFile(std::string_view text);

Status WriteSequenceFile(const std::string& path, std::string_view lp);

// Reads and parses a sequence file; a file that cannot be read is an error
// (callers that want the empty text use an empty `lp` on failure).
Status ReadSequenceFile(const std::string& path, std::string& lp);

}  // namespace lodex
