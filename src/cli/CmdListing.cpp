// tarn-cli listing FILE.trn
#include <cstdio>
#include <iostream>

#include "CliPrompter.h"
#include "Commands.h"
#include "ImageFileToOpen.h"
#include "model/DocumentContent.h"
#include "print/ListingJob.h"
#include "print/ListingPlainText.h"

namespace tarn::cli {

int RunListing(const Args& args) {
    if (args.size() != 1) {
        std::cerr << "usage: tarn-cli listing FILE.trn\n";
        return kExitUsage;
    }
    CliPrompter prompter;
    DocumentContent content;
    if (!OpenImageFile(args[0], content, prompter)) return kExitFailure;
    const ListingJob job(content, args[0], TextMetrics{});
    const std::string text = ListingPlainText(job);
    if (std::fwrite(text.data(), 1, text.size(), stdout) != text.size() || std::fflush(stdout) != 0) {
        std::perror("tarn-cli: writing the listing");
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace tarn::cli
