#include "link/RadioBackup.h"

#include <sys/stat.h>

#include <array>
#include <cctype>
#include <cerrno>
#include <cstdio>

#include "model/FileChecks.h"
#include "model/IdentityValues.h"
#include "model/RegularFile.h"
#include "model/SafeFileWrite.h"

namespace tarn {
namespace {

// Makes `folder` and its parents; 0 or the error that stopped it.
int MakeFolders(const std::string& folder) {
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (!part.empty() && ::mkdir(part.c_str(), 0755) != 0 && errno != EEXIST) return errno;
        if (slash == std::string::npos) break;
    }
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0) return errno;
    return S_ISDIR(info.st_mode) ? 0 : ENOTDIR;
}

}  // namespace

std::string BackupFileName(const std::tm& localTime, const CloneImage& image) {
    std::array<char, 32> stamp{};
    std::strftime(stamp.data(), stamp.size(), "%Y-%m-%d_%H%M%S", &localTime);
    std::string serial = SerialNumberText(image);
    for (char& c : serial) {
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-') c = '_';
    }
    return std::string(stamp.data()) + "_" + serial + ".trn";
}

BackupResult SaveRadioBackup(const std::string& folder, const CloneImage& image, std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    const std::string name = BackupFileName(local, image);
    BackupResult result;
    result.path = folder + "/" + name;
    if (const int error = MakeFolders(folder); error != 0) {
        result.why = FileErrorText(error);
        return result;
    }
    const std::string stem = result.path.substr(0, result.path.size() - 4);
    for (int n = 2; PathExists(result.path); ++n) result.path = stem + "-" + std::to_string(n) + ".trn";
    std::array<std::uint8_t, kImageFileSize> file{};  // the image and a zero trailer
    std::copy(image.begin(), image.end(), file.begin());
    const WriteResult written = WriteFileSafely(result.path, file);
    result.saved = written.ok();
    if (!result.saved) result.why = FileErrorText(written.error);
    return result;
}

}  // namespace tarn
