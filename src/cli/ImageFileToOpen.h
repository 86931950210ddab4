#pragma once
#include <string>

#include "model/DocumentContent.h"
#include "ui/Prompter.h"

namespace tarn::cli {

// Reads an image file into `content` with the checks of File > Open: a regular file of exactly 4104 bytes;
// otherwise false after the message that says why.
bool ReadImageFileToOpen(const std::string& path, DocumentContent& content, Prompter& prompter);

// ReadImageFileToOpen, then the channels and settings decoded from the image, as File > Open leaves them.
bool OpenImageFile(const std::string& path, DocumentContent& content, Prompter& prompter);

}  // namespace tarn::cli
