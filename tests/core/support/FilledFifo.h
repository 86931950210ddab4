#pragma once
// A named pipe that holds `size` bytes and has a writer while it lives: a reader that wrongly accepts it
// gets an image out of it at once instead of hanging the test.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace tarn::test {

class FilledFifo {
public:
    FilledFifo(const std::string& path, std::size_t size) : path_(path) {
        ::mkfifo(path.c_str(), 0666);
        fd_ = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
        const std::vector<unsigned char> bytes(size);
        [[maybe_unused]] const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
    }
    ~FilledFifo() {
        ::close(fd_);
        ::unlink(path_.c_str());
    }
    FilledFifo(const FilledFifo&) = delete;
    FilledFifo& operator=(const FilledFifo&) = delete;

private:
    std::string path_;
    int fd_ = -1;
};

}  // namespace tarn::test
