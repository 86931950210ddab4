// tarn-cli listing FILE.trn
#include <iostream>

#include "CliPrompter.h"
#include "Commands.h"
#include "ImageFileToOpen.h"
#include "StandardOutput.h"
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
    return WriteStandardOutput(text, "the listing") ? kExitOk : kExitFailure;
}

}  // namespace tarn::cli
