#include "model/ImageFile.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "model/FileFailureMessage.h"
#include "model/RegularFile.h"
#include "model/SafeFileWrite.h"
#include "ui/StringIds.h"

namespace tarn {
bool ReadImageFile(const std::string& path, CloneImage& image, ImageTrailer& trailer, Prompter& prompter) {
    int error = 0;
    const int fd = OpenRegularFileToRead(path, error);
    if (fd < 0) {
        TellFileFailure(prompter, kStrProblemOpeningFile, path, error);
        return false;
    }
    CloneImage readImage;
    const long got = ReadFully(fd, readImage.data(), readImage.size());
    if (got != static_cast<long>(readImage.size())) {
        error = got < 0 ? errno : 0;
        ::close(fd);
        TellFileFailure(prompter, kStrProblemReadingFile, path, error);
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
    std::array<std::uint8_t, kImageFileSize> bytes;
    std::copy(trailer.begin(), trailer.end(), std::copy(image.begin(), image.end(), bytes.begin()));
    return ToldUnlessWritten(WriteFileSafely(path, bytes), path, prompter);
}

bool CheckImageFileToWrite(const std::string& path, Prompter& prompter) {
    return ToldUnlessWritten(CheckFileCanBeWritten(path), path, prompter);
}

}  // namespace tarn
