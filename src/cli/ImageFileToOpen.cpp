#include "ImageFileToOpen.h"

#include "model/FileChecks.h"
#include "model/ImageFile.h"

namespace tarn::cli {

bool ReadImageFileToOpen(const std::string& path, DocumentContent& content, Prompter& prompter) {
    return CheckImageFileToOpen(path, prompter) && ReadImageFile(path, content.Image, content.Trailer, prompter);
}

}  // namespace tarn::cli
