#pragma once
// The copy of the radio's image kept before every write: a normal image file (the image and a zero
// trailer) named after the time and the radio's serial number, saved atomically. Backups are never
// replaced or removed.
#include <ctime>
#include <string>

#include "model/CloneImage.h"

namespace tarn {

// "2026-12-06_152617_12345678.trn": the local time and the serial number, characters that do not belong
// in a file name replaced by "_".
std::string BackupFileName(const std::tm& localTime, const CloneImage& image);

struct BackupResult {
    bool saved = false;
    std::string path;  // the file written; on failure the file that was meant
    std::string why;   // on failure: the reason in words
};

// Saves `image` in `folder` (made, with its parents, when missing). A name already taken gets "-2", "-3"...
BackupResult SaveRadioBackup(const std::string& folder, const CloneImage& image, std::time_t when);

}  // namespace tarn
