#pragma once
// What the command line asks of the desktop program at start-up.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarn {

struct StartOptions {
    bool askMaintenancePassword = false;   // the whole command line is "/m", "/M", "-m" or "-M"
    std::optional<std::string> fileToOpen; // the first argument that is not an option
    std::optional<std::string> screenshot; // --screenshot PATH: save a picture of the window, then quit
    bool quitWhenShown = false;            // --quit-when-shown: report start-up time and memory, then quit
    std::optional<std::string> port;       // --port COMn|PATH: the serial port, as if chosen in Configure
    std::optional<std::string> trace;      // --trace FILE: the serial trace of this run goes to FILE
    bool help = false;                     // --help: print the usage and quit
    bool version = false;                  // --version: print the version and quit
    std::vector<std::string> unknownOptions;
};

// What `tarn --help` prints.
extern const char* const kTarnUsage;

// `args` are the arguments after the program name.
StartOptions ParseStartOptions(const std::vector<std::string>& args);

// The maintenance password, compared exactly (case-sensitive).
bool IsMaintenancePassword(std::string_view entered);

}  // namespace tarn
