#pragma once
// Image files are regular files. Pipes, devices and folders are refused before a byte is read, and opening
// never blocks: a pipe without a writer or a device would otherwise hang the program or feed it endless bytes.
#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace tarn {

// The error given for something that exists but is neither a regular file nor a folder.
inline constexpr int kNotRegularFile = -1;

// 0 for a regular file; otherwise the error that refuses it: EISDIR for a folder, kNotRegularFile for the rest.
int NotRegularFileError(mode_t mode);
// Opens `path` for reading; returns the descriptor, or -1 with `error` set (0 for an empty path, an errno
// value, EISDIR for a folder, kNotRegularFile for anything else that is not a regular file). `size`, when
// given, receives the file's size.
int OpenRegularFileToRead(const std::string& path, int& error, off_t* size = nullptr);
// Reads up to `size` bytes; returns the number read, or -1 on an error (errno tells which).
long ReadFully(int fd, std::uint8_t* data, std::size_t size);
// The reason for `error` in words, as the operating system gives it.
std::string FileErrorText(int error);

}  // namespace tarn
