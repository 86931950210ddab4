// tarn-cli diff A.trn B.trn
#include <iostream>

#include "CliPrompter.h"
#include "Commands.h"
#include "ImageFileToOpen.h"
#include "StandardOutput.h"
#include "diff/DiffSummary.h"

namespace tarn::cli {

int RunDiff(const Args& args) {
    if (args.size() != 2) {
        std::cerr << "usage: tarn-cli diff A.trn B.trn\n";
        return kExitUsage;
    }
    CliPrompter prompter;
    DocumentContent a, b;
    if (!ReadImageFileToOpen(args[0], a, prompter) || !ReadImageFileToOpen(args[1], b, prompter)) {
        return kExitUsage;
    }
    const std::string text = DiffSummary(CompareImages(a.Image, b.Image));
    if (!WriteStandardOutput(text, "the changes")) return kExitUsage;
    return text.empty() ? kExitOk : kExitFailure;
}

}  // namespace tarn::cli
