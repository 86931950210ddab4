#include "model/SafeFileWrite.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <string_view>
#include <utility>

#include "model/FileChecks.h"
#include "model/RegularFile.h"

namespace tarn {
namespace {

constexpr int kMaxLinkDepth = 40;
// Short, so that even a target name of the longest length can be saved.
constexpr std::string_view kTemporaryPrefix = ".tarn-save-";

WriteResult Refused(int error) { return {WriteStatus::CannotCreate, error}; }

bool WriteFully(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
}

// The file the bytes go to: symbolic links followed to the end, also to a file that does not exist yet.
bool FollowLinks(const std::string& path, std::string& target, int& error) {
    target = path;
    for (int depth = 0; depth < kMaxLinkDepth; ++depth) {
        struct stat st;
        if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
        std::string link(PATH_MAX, '\0');
        const ssize_t n = ::readlink(target.c_str(), link.data(), link.size());
        if (n <= 0) {
            error = n < 0 ? errno : ENOENT;
            return false;
        }
        link.resize(static_cast<std::size_t>(n));
        target = link.front() == '/' ? link : FolderOf(target) + "/" + link;
    }
    error = ELOOP;
    return false;
}

struct Target {
    std::string path;
    bool exists = false;
    struct stat status {};
};

WriteResult FindTarget(const std::string& path, Target& target) {
    if (path.empty()) return Refused(ENOENT);
    int error = 0;
    if (!FollowLinks(path, target.path, error)) return Refused(error);
    target.exists = ::lstat(target.path.c_str(), &target.status) == 0;
    if (!target.exists) return {};
    if ((error = NotRegularFileError(target.status.st_mode)) != 0) return Refused(error);
    // A read-only file is never replaced, even where the folder would allow it.
    if (IsReadOnlyFile(target.path)) return Refused(EACCES);
    return {};
}

// Where the bytes are written: a temporary file beside the target, or the target itself.
struct Destination {
    int fd = -1;
    std::string temporaryName;  // empty while the temporary is unnamed, and when writing in place
    bool inPlace = false;
};

std::string TemporaryName(const std::string& folder) {
    static std::atomic<unsigned> counter{0};
    return folder + "/" + std::string(kTemporaryPrefix) + std::to_string(::getpid()) + "-" +
           std::to_string(counter++);
}

// Named temporaries whose process is gone were left by a save that was killed.
void RemoveStaleTemporaries(const std::string& folder) {
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (!name.starts_with(kTemporaryPrefix)) continue;
        const long pid = std::strtol(entry->d_name + kTemporaryPrefix.size(), nullptr, 10);
        if (pid > 0 && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) {
            ::unlinkat(::dirfd(dir), entry->d_name, 0);
        }
    }
    ::closedir(dir);
}

// An unnamed file where the file system has them: a killed save then leaves nothing behind.
int OpenTemporary(const std::string& folder, std::string& name) {
    name.clear();
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
    if (fd >= 0 || (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL)) return fd;
    name = TemporaryName(folder);
    return ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
}

// The replaced file's owner, group and permissions; false when they cannot be kept.
bool TakeOverOwnerAndMode(int fd, const struct stat& replaced) {
    struct stat mine;
    if (::fstat(fd, &mine) != 0) return false;
    if ((mine.st_uid != replaced.st_uid || mine.st_gid != replaced.st_gid) &&
        ::fchown(fd, replaced.st_uid, replaced.st_gid) != 0) {
        return false;
    }
    return ::fchmod(fd, replaced.st_mode & 07777) == 0;
}

void Discard(Destination& destination) {
    if (destination.fd >= 0) ::close(destination.fd);
    if (!destination.temporaryName.empty()) ::unlink(destination.temporaryName.c_str());
    destination = {};
}

// The target itself, opened without truncating it yet.
WriteResult OpenInPlace(const Target& target, Destination& destination) {
    destination.fd = ::open(target.path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (destination.fd < 0) return Refused(errno);
    destination.inPlace = true;
    // It may have been swapped for something else since it was looked at.
    struct stat st;
    const int error = ::fstat(destination.fd, &st) != 0 ? errno : NotRegularFileError(st.st_mode);
    if (error == 0) return {};
    Discard(destination);
    return Refused(error);
}

WriteResult OpenDestination(const Target& target, Destination& destination) {
    destination.fd = OpenTemporary(FolderOf(target.path), destination.temporaryName);
    if (destination.fd < 0) {
        const int error = errno;
        // A folder the user may not write, holding a file the user may write.
        if (target.exists && (error == EACCES || error == EPERM)) return OpenInPlace(target, destination);
        return Refused(error);
    }
    if (target.exists && !TakeOverOwnerAndMode(destination.fd, target.status)) {
        Discard(destination);
        return OpenInPlace(target, destination);
    }
    return {};
}

// Gives the finished unnamed file the temporary name that is then renamed over the target.
bool NameTemporary(Destination& destination, const std::string& folder) {
    destination.temporaryName = TemporaryName(folder);
    const std::string self = "/proc/self/fd/" + std::to_string(destination.fd);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, destination.temporaryName.c_str(), AT_SYMLINK_FOLLOW) == 0 ||
        ::linkat(destination.fd, "", AT_FDCWD, destination.temporaryName.c_str(), AT_EMPTY_PATH) == 0) {
        return true;
    }
    destination.temporaryName.clear();
    return false;
}

// Makes the rename itself durable.
void SyncFolder(const std::string& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

WriteResult WriteFileSafely(const std::string& path, std::span<const std::uint8_t> bytes) {
    Target target;
    WriteResult result = FindTarget(path, target);
    if (!result.ok()) return result;
    const std::string folder = FolderOf(target.path);
    RemoveStaleTemporaries(folder);
    Destination destination;
    result = OpenDestination(target, destination);
    if (!result.ok()) return result;

    bool ok = (!destination.inPlace || ::ftruncate(destination.fd, 0) == 0) && WriteFully(destination.fd, bytes) &&
              ::fsync(destination.fd) == 0 &&
              (destination.inPlace || !destination.temporaryName.empty() || NameTemporary(destination, folder));
    int error = ok ? 0 : errno;
    if (::close(std::exchange(destination.fd, -1)) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && !destination.inPlace && ::rename(destination.temporaryName.c_str(), target.path.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        Discard(destination);
        return {WriteStatus::CannotWrite, error};
    }
    if (!destination.inPlace) SyncFolder(folder);
    return {};
}

WriteResult CheckFileCanBeWritten(const std::string& path) {
    Target target;
    WriteResult result = FindTarget(path, target);
    Destination destination;
    if (result.ok()) result = OpenDestination(target, destination);
    Discard(destination);
    return result;
}

}  // namespace tarn
