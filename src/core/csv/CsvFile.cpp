#include "csv/CsvFile.h"

#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <span>

#include "model/FileFailureMessage.h"
#include "model/RegularFile.h"
#include "ui/StringIds.h"

namespace tarn {

bool ReadCsvFile(const std::string& path, std::string& text, Prompter& prompter) {
    int error = 0;
    off_t size = 0;
    const int fd = OpenRegularFileToRead(path, error, &size);
    if (fd < 0) {
        TellFileFailure(prompter, kStrProblemOpeningFile, path, error);
        return false;
    }
    if (size < 0 || static_cast<std::uint64_t>(size) > kMaxCsvFileSize) {
        ::close(fd);
        TellFileFailure(prompter, kStrProblemReadingFile, path, EFBIG);
        return false;
    }
    std::string read(static_cast<std::size_t>(size), '\0');
    const long got = ReadFully(fd, reinterpret_cast<std::uint8_t*>(read.data()), read.size());
    error = got < 0 ? errno : 0;
    ::close(fd);
    if (got != static_cast<long>(read.size())) {
        TellFileFailure(prompter, kStrProblemReadingFile, path, error);
        return false;
    }
    text = std::move(read);
    return true;
}

bool WriteCsvFile(const std::string& path, const std::string& text, Prompter& prompter) {
    const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(text.data()), text.size());
    return ToldUnlessWritten(WriteFileSafely(path, bytes), path, prompter);
}

}  // namespace tarn
