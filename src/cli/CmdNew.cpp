// tarn-cli new OUT.trn
#include <iostream>

#include "CliPrompter.h"
#include "Commands.h"
#include "model/DefaultImage.h"
#include "model/ImageCodec.h"
#include "model/ImageFile.h"

namespace tarn::cli {

int RunNew(const Args& args) {
    if (args.size() != 1 || args[0].empty()) {
        std::cerr << "usage: tarn-cli new OUT.trn\n";
        return kExitUsage;
    }
    CliPrompter prompter;
    DocumentContent content;
    FillDefaultImage(content);
    EncodeImage(content);
    return WriteImageFile(args[0], content.Image, content.Trailer, prompter) ? kExitOk : kExitFailure;
}

}  // namespace tarn::cli
