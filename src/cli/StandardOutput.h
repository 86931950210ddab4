#pragma once
#include <string>

namespace tarn::cli {

// Writes `text` to stdout and flushes it: a full disk or a closed pipe is an error, not a short listing.
// False after the system's message "tarn-cli: writing WHAT: ..." on stderr.
bool WriteStandardOutput(const std::string& text, const std::string& what);

}  // namespace tarn::cli
