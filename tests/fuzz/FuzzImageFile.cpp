// An image file as someone might download it: read, decoded, encoded again and listed.
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "FuzzInput.h"
#include "FuzzPrompter.h"
#include "model/DocumentContent.h"
#include "model/ImageCodec.h"
#include "model/ImageFile.h"
#include "print/ListingPlainText.h"

namespace {

// One file for every run, in a folder of this process's own.
const std::string& FilePath() {
    static const std::string path = [] {
        std::string folder = "/tmp/tarn-fuzz-XXXXXX";
        if (!::mkdtemp(folder.data())) std::abort();
        return folder + "/image.trn";
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    tarn::fuzz::WriteInputFile(FilePath(), data, size);
    tarn::fuzz::FuzzInput noAnswers(nullptr, 0);
    tarn::fuzz::FuzzPrompter prompter(noAnswers);
    tarn::DocumentContent content;
    if (!tarn::ReadImageFile(FilePath(), content.Image, content.Trailer, prompter)) return 0;
    tarn::DecodeImage(content);
    tarn::ListingJob listing(content, FilePath());
    (void)tarn::ListingPlainText(listing);
    tarn::EncodeImage(content);
    tarn::DecodeImage(content);
    return 0;
}
