#include "ImageFileToOpen.h"

#include "model/FileChecks.h"
#include "model/ImageCodec.h"
#include "model/ImageFile.h"

namespace tarn::cli {

bool ReadImageFileToOpen(const std::string& path, DocumentContent& content, Prompter& prompter) {
    return CheckImageFileToOpen(path, prompter) && ReadImageFile(path, content.Image, content.Trailer, prompter);
}

bool OpenImageFile(const std::string& path, DocumentContent& content, Prompter& prompter) {
    if (!ReadImageFileToOpen(path, content, prompter)) return false;
    DecodeImage(content);
    return true;
}

}  // namespace tarn::cli
