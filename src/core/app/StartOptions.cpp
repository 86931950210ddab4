#include "app/StartOptions.h"

namespace tarn {

const char* const kTarnUsage =
    "usage: tarn [--port PORT] [--trace FILE] [FILE.trn]\n"
    "       tarn -m\n"
    "Programming software for the Corvane handheld air-band transceiver.\n"
    "  FILE.trn              the image file to open\n"
    "  --port PORT           the serial port for this run: COM1..COM16 or a device path (/dev/ttyUSB0)\n"
    "  --trace FILE          write every byte on the serial line and the transfer's steps into FILE\n"
    "  -m                    alone: maintenance mode, after the maintenance password\n"
    "  --screenshot PATH     save a picture of the main window once shown, then quit\n"
    "  --quit-when-shown     report start-up time and memory once shown, then quit\n"
    "  --help                print this and quit\n"
    "  --version             print the version and quit\n";

namespace {

bool IsMaintenanceSwitch(std::string_view arg) { return arg == "/m" || arg == "/M" || arg == "-m" || arg == "-M"; }

// "-x..." or "/word" (letters only, so an absolute path such as "/home/a.trn" stays a file name).
bool IsOption(std::string_view arg) {
    if (arg.size() < 2) return false;
    if (arg[0] == '-') return true;
    if (arg[0] != '/') return false;
    for (char c : arg.substr(1)) {
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))) return false;
    }
    return true;
}

}  // namespace

StartOptions ParseStartOptions(const std::vector<std::string>& args) {
    StartOptions options;
    if (args.size() == 1 && IsMaintenanceSwitch(args[0])) {
        options.askMaintenancePassword = true;
        return options;
    }
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--screenshot" && i + 1 < args.size()) {
            options.screenshot = args[++i];
        } else if (a == "--port" && i + 1 < args.size()) {
            options.port = args[++i];
        } else if (a == "--trace" && i + 1 < args.size()) {
            options.trace = args[++i];
        } else if (a == "--help") {
            options.help = true;
        } else if (a == "--version") {
            options.version = true;
        } else if (a == "--quit-when-shown") {
            options.quitWhenShown = true;
        } else if (IsOption(a)) {
            // Options of the old command line ("/m" with other arguments among them) are ignored.
            options.unknownOptions.push_back(a);
        } else if (!options.fileToOpen) {
            options.fileToOpen = a;
        }
    }
    return options;
}

bool IsMaintenancePassword(std::string_view entered) { return entered == "mirel-toska"; }

}  // namespace tarn
