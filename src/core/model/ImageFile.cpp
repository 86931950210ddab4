#include "model/ImageFile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>

#include "model/FileChecks.h"
#include "ui/StringIds.h"
#include "ui/StringTable.h"

namespace tarn {
namespace {

// The system's message followed by the operating system's reason.
void TellFailure(Prompter& prompter, int id, const std::string& path, int error) {
    std::string text = FormatString(id, path);
    if (error != 0) text += "\r\n(" + std::string(std::strerror(error)) + ")";
    prompter.Tell(text, MessageIcon::Stop);
}

// Reads up to `size` bytes; returns the number read, or -1 on an error.
long ReadFully(int fd, std::uint8_t* data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, data + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return -1;
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    return static_cast<long>(done);
}

bool WriteFully(int fd, const std::uint8_t* data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Where the bytes really go: the target of a symbolic link, so that saving through a link keeps the link.
std::string ResolvedTarget(const std::string& path) {
    char resolved[PATH_MAX];
    struct stat st;
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode) && ::realpath(path.c_str(), resolved)) return resolved;
    return path;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
}

// A short name in the target's folder, so that even a target name of the longest length can be saved.
std::string TemporaryPathFor(const std::string& target) {
    static std::atomic<unsigned> counter{0};
    return FolderOf(target) + "/.tarn-save-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
}

// Makes the rename itself durable.
void SyncFolderOf(const std::string& path) {
    const std::string folder = FolderOf(path);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

bool ReadImageFile(const std::string& path, CloneImage& image, ImageTrailer& trailer, Prompter& prompter) {
    const int fd = path.empty() ? -1 : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        TellFailure(prompter, kStrProblemOpeningFile, path, path.empty() ? 0 : errno);
        return false;
    }
    CloneImage readImage;
    const long got = ReadFully(fd, readImage.data(), readImage.size());
    if (got != static_cast<long>(readImage.size())) {
        const int error = got < 0 ? errno : 0;
        ::close(fd);
        TellFailure(prompter, kStrProblemReadingFile, path, error);
        return false;
    }
    ImageTrailer readTrailer = trailer;
    ReadFully(fd, readTrailer.data(), readTrailer.size());  // a short or missing trailer is not an error
    ::close(fd);
    image = readImage;
    trailer = readTrailer;
    return true;
}

bool WriteImageFile(const std::string& path, const CloneImage& image, const ImageTrailer& trailer,
                    Prompter& prompter) {
    if (path.empty()) {
        TellFailure(prompter, kStrProblemCreatingFile, path, ENOENT);
        return false;
    }
    const std::string target = ResolvedTarget(path);
    struct stat existing;
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    // A read-only file is never replaced, even where the folder would allow it.
    if (exists && (S_ISDIR(existing.st_mode) || IsReadOnlyFile(target))) {
        TellFailure(prompter, kStrProblemCreatingFile, path, S_ISDIR(existing.st_mode) ? EISDIR : EACCES);
        return false;
    }
    const std::string temporary = TemporaryPathFor(target);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
        TellFailure(prompter, kStrProblemCreatingFile, path, errno);
        return false;
    }
    bool ok = !exists || ::fchmod(fd, existing.st_mode & 07777) == 0;
    ok = ok && WriteFully(fd, image.data(), image.size()) && WriteFully(fd, trailer.data(), trailer.size()) &&
         ::fsync(fd) == 0;
    int error = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temporary.c_str(), target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        TellFailure(prompter, kStrProblemWritingFile, path, error);
        return false;
    }
    SyncFolderOf(target);
    return true;
}

}  // namespace tarn
