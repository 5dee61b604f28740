// Handing a file to another program, without a shell in between.
#pragma once

#include <string>

namespace lodex {

// The program's path: `program` itself when it names a path, otherwise the
// first executable of that name on PATH; empty when there is none.
std::string FindProgram(const std::string& program);

// Runs `program file` and waits a few seconds for it. True when it ended
// successfully or is still running (it has taken the file); false when it
// could not be started or ended with a failure.
bool OpenWithProgram(const std::string& program, const std::string& file);

// A new, empty file "<prefix>XXXXXX<suffix>" in the temporary folder,
// created exclusively; empty when none could be created.
std::string CreateTemporaryFile(const std::string& prefix, const std::string& suffix);

}  // namespace lodex
