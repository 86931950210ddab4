#pragma once
// The one way files are written: a whole new content that replaces the old one only once it is complete
// and on disk, so a failed or killed save leaves the previous file whole and nothing else behind. The one
// exception is the in-place write described at WriteFileSafely, where no replacement can be made.
#include <cstdint>
#include <span>
#include <string>

namespace tarn {

enum class WriteStatus {
    Written,
    CannotCreate,  // nothing was written: the file or its temporary cannot be made, or the target is refused
    CannotWrite,   // writing, flushing or putting the file in place failed; the previous file is whole
                   // unless it had to be written in place
};

struct WriteResult {
    WriteStatus status = WriteStatus::Written;
    int error = 0;  // the reason, for FileErrorText
    bool ok() const { return status == WriteStatus::Written; }
};

// Writes `bytes` as the whole content of `path`:
// - a symbolic link is followed to the file it names (created when missing), so the link stays a link;
// - a target that exists and is not a regular file, or that this process may not write, is refused;
// - the content goes into an unnamed temporary file in the target's folder (a named one where the file
//   system has no unnamed files), is flushed to disk, takes the replaced file's owner, group and mode,
//   and is then renamed over the target; temporaries left by saves that were killed are removed;
// - when the folder takes no new file but the target may be written, or the replaced file's owner cannot
//   be kept, the target is written in place (truncated, written, flushed).
WriteResult WriteFileSafely(const std::string& path, std::span<const std::uint8_t> bytes);
// What WriteFileSafely would say before writing anything, found without changing anything.
WriteResult CheckFileCanBeWritten(const std::string& path);

}  // namespace tarn
