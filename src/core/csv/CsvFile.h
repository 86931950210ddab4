#pragma once
// Channel list files: read whole with File > Open's care (regular files only, never blocking on a pipe or
// a device) and written the safe way of every file the program writes.
#include <string>
#include <string_view>

#include "ui/Prompter.h"

namespace tarn {

inline constexpr std::string_view kCsvFileFilter = "CSV Files(*.csv)|*.csv||";
inline constexpr std::string_view kCsvFileExtension = "csv";

// The largest file taken as a channel list; a few hundred channels need a few dozen kilobytes.
inline constexpr std::size_t kMaxCsvFileSize = 4 * 1024 * 1024;

// Reads the whole of `path` into `text`; false after the message that says why.
bool ReadCsvFile(const std::string& path, std::string& text, Prompter& prompter);
// Writes `text` as the whole of `path`; a failed write leaves a previous file whole. False after the message.
bool WriteCsvFile(const std::string& path, const std::string& text, Prompter& prompter);

}  // namespace tarn
