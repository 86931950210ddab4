#include "model/RegularFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tarn {

int NotRegularFileError(mode_t mode) {
    if (S_ISREG(mode)) return 0;
    return S_ISDIR(mode) ? EISDIR : kNotRegularFile;
}

int OpenRegularFileToRead(const std::string& path, int& error, off_t* size) {
    if (path.empty()) {
        error = 0;
        return -1;
    }
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        error = errno;
        return -1;
    }
    struct stat st;
    error = ::fstat(fd, &st) != 0 ? errno : NotRegularFileError(st.st_mode);
    if (error != 0) {
        ::close(fd);
        return -1;
    }
    if (size) *size = st.st_size;
    return fd;
}

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

std::string FileErrorText(int error) {
    return error == kNotRegularFile ? "Not a regular file" : std::strerror(error);
}

}  // namespace tarn
