#pragma once
// Image files: the 4096 image bytes followed by the 8 trailer bytes, nothing else.
#include <string>

#include "model/CloneImage.h"
#include "ui/Prompter.h"

namespace tarn {

// Reads the image and the trailer (as much of the trailer as the file holds). On failure the image and the
// trailer are unchanged and the message has been shown.
bool ReadImageFile(const std::string& path, CloneImage& image, ImageTrailer& trailer, Prompter& prompter);
// Writes the file atomically: a temporary file in the same folder, flushed to disk and renamed over the
// target, so a failed write leaves the previous file whole. Every write, the flush and the close are checked.
// On failure the message has been shown.
bool WriteImageFile(const std::string& path, const CloneImage& image, const ImageTrailer& trailer,
                    Prompter& prompter);

}  // namespace tarn
