// tarn-cli settings FILE.trn
// tarn-cli set [--maintenance] FILE.trn OUT.trn NAME=VALUE...
#include <iostream>

#include "CliPrompter.h"
#include "Commands.h"
#include "StandardOutput.h"
#include "model/Document.h"
#include "model/ImageFile.h"
#include "settings/SettingsScript.h"

namespace tarn::cli {
namespace {

// Opens the file as the desktop program does; false (the message shown) when it cannot be read.
bool OpenImage(Document& document, const std::string& path) {
    return document.OpenDocument(path) && document.DefaultImageLoaded();
}

}  // namespace

int RunSettings(const Args& args) {
    if (args.size() != 1) {
        std::cerr << "usage: tarn-cli settings FILE.trn\n";
        return kExitUsage;
    }
    CliPrompter prompter;
    Document document(prompter, {});
    if (!OpenImage(document, args[0])) return kExitFailure;
    SettingsScript script(document, false);
    std::string text;
    for (const std::string& line : script.Lines()) text += line + "\n";
    return WriteStandardOutput(text, "the settings") ? kExitOk : kExitFailure;
}

int RunSet(const Args& args) {
    const bool maintenance = !args.empty() && args[0] == "--maintenance";
    const Args rest(args.begin() + (maintenance ? 1 : 0), args.end());
    if (rest.size() < 3 || rest[1].empty()) {
        std::cerr << "usage: tarn-cli set [--maintenance] FILE.trn OUT.trn NAME=VALUE...\n";
        return kExitUsage;
    }
    CliPrompter prompter;
    Document document(prompter, {});
    if (!OpenImage(document, rest[0])) return kExitFailure;
    SettingsScript script(document, maintenance);
    bool refused = false;
    for (auto it = rest.begin() + 2; it != rest.end(); ++it) {
        std::string why;
        if (!script.Apply(*it, why)) {
            std::cerr << "tarn-cli: " << why << "\n";
            refused = true;
        }
    }
    if (refused) {
        std::cerr << "tarn-cli: nothing written\n";
        return kExitFailure;
    }
    script.Ok();
    document.EncodeImage();
    return WriteImageFile(rest[1], document.Image(), document.Trailer(), prompter) ? kExitOk : kExitFailure;
}

}  // namespace tarn::cli
