#pragma once
// Checks of a file before it is read or written.
#include <cstddef>
#include <string>

#include "ui/Prompter.h"

namespace tarn {

enum class FileCheck {
    Ok = 0,          // one byte could be read
    CannotOpen = 1,  // empty path, no such file, no permission, not a regular file, or no status
    CannotRead = 2,  // opens, but not one byte can be read
    WrongSize = 3,   // not the expected size
};

FileCheck FileIsReadable(const std::string& path);
// Size first, then FileIsReadable.
FileCheck CheckImageFile(const std::string& path, std::size_t expectedSize);
// True when `path` is an image file of the right size that can be read; otherwise false, after the message
// that says why.
bool CheckImageFileToOpen(const std::string& path, Prompter& prompter);
// Whether anything (a file, a folder, a link) exists under `path`.
bool PathExists(const std::string& path);
// Whether the file at `path` exists and is read-only: no write permission bit is set, or this process may not
// write it.
bool IsReadOnlyFile(const std::string& path);
// False, after the read-only message, when the file exists and cannot be written; true otherwise.
bool CheckFileWritable(const std::string& path, Prompter& prompter);

}  // namespace tarn
