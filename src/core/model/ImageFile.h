#pragma once
// Image files: the 4096 image bytes followed by the 8 trailer bytes, nothing else.
#include <string>

#include "model/CloneImage.h"
#include "ui/Prompter.h"

namespace tarn {

// Reads the image and the trailer (as much of the trailer as the file holds) from a regular file. On failure
// the image and the trailer are unchanged and the message has been shown.
bool ReadImageFile(const std::string& path, CloneImage& image, ImageTrailer& trailer, Prompter& prompter);
// Writes the file the safe way of WriteFileSafely: a failed write leaves the previous file whole. On failure
// the message has been shown.
bool WriteImageFile(const std::string& path, const CloneImage& image, const ImageTrailer& trailer,
                    Prompter& prompter);
// Whether WriteImageFile could write `path`, found before there is anything to write (for example before a
// radio is read into it); false after the message WriteImageFile would show.
bool CheckImageFileToWrite(const std::string& path, Prompter& prompter);

}  // namespace tarn
