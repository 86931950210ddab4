#include "model/FileChecks.h"

#include <sys/stat.h>
#include <unistd.h>

#include "model/CloneImage.h"
#include "model/RegularFile.h"
#include "ui/StringIds.h"
#include "ui/StringTable.h"

namespace tarn {
namespace {

FileCheck ReadsOneByte(int fd) {
    unsigned char byte;
    const long n = ReadFully(fd, &byte, 1);
    ::close(fd);
    return n == 1 ? FileCheck::Ok : FileCheck::CannotRead;
}

}  // namespace

FileCheck FileIsReadable(const std::string& path) {
    int error = 0;
    const int fd = OpenRegularFileToRead(path, error);
    return fd < 0 ? FileCheck::CannotOpen : ReadsOneByte(fd);
}

FileCheck CheckImageFile(const std::string& path, std::size_t expectedSize) {
    int error = 0;
    off_t size = 0;
    const int fd = OpenRegularFileToRead(path, error, &size);
    if (fd < 0) return FileCheck::CannotOpen;
    if (static_cast<std::size_t>(size) != expectedSize) {
        ::close(fd);
        return FileCheck::WrongSize;
    }
    return ReadsOneByte(fd);
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
