#include "model/FileChecks.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "model/CloneImage.h"
#include "ui/StringIds.h"
#include "ui/StringTable.h"

namespace tarn {

FileCheck FileIsReadable(const std::string& path) {
    if (path.empty()) return FileCheck::CannotOpen;
    // Not blocking: a pipe without a writer has nothing to read rather than hanging the program.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return FileCheck::CannotOpen;
    unsigned char byte;
    ssize_t n;
    do {
        n = ::read(fd, &byte, 1);
    } while (n < 0 && errno == EINTR);
    ::close(fd);
    return n == 1 ? FileCheck::Ok : FileCheck::CannotRead;
}

FileCheck CheckImageFile(const std::string& path, std::size_t expectedSize) {
    struct stat st;
    if (path.empty() || ::stat(path.c_str(), &st) != 0) return FileCheck::CannotOpen;
    if (static_cast<std::size_t>(st.st_size) != expectedSize) return FileCheck::WrongSize;
    return FileIsReadable(path);
}

bool CheckImageFileToOpen(const std::string& path, Prompter& prompter) {
    switch (CheckImageFile(path, kImageFileSize)) {
        case FileCheck::CannotOpen: prompter.Tell(FormatString(kStrProblemOpeningFile, path), MessageIcon::Stop); break;
        case FileCheck::CannotRead: prompter.Tell(FormatString(kStrProblemReadingFile, path), MessageIcon::Stop); break;
        case FileCheck::WrongSize: prompter.Tell(std::string(LoadString(kStrFileFormatInvalid)), MessageIcon::Stop); break;
        case FileCheck::Ok: return true;
    }
    return false;
}

bool PathExists(const std::string& path) {
    struct stat st;
    return !path.empty() && ::lstat(path.c_str(), &st) == 0;
}

bool IsReadOnlyFile(const std::string& path) {
    struct stat st;
    if (path.empty() || ::stat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return false;
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0;
}

bool CheckFileWritable(const std::string& path, Prompter& prompter) {
    if (!IsReadOnlyFile(path)) return true;
    prompter.Tell(FormatString(kStrFileReadOnly, path), MessageIcon::Stop);
    return false;
}

}  // namespace tarn
