#pragma once
// The program-wide settings that the desktop program keeps in its configuration file, and the
// corrections applied when they are read.
#include <array>
#include <string>
#include <string_view>

namespace tarn {

inline constexpr int kItemCount = 11;         // optional grid columns that can be shown or hidden
inline constexpr int kComPortCount = 16;      // COM 1 .. COM 16
inline constexpr int kMinWindowWidth = 860;   // pixels
inline constexpr int kMinWindowHeight = 640;

enum class PortType { ComPort = 0, InterfaceUnit = 1 };  // the COM port driven directly, or the KLU-40 unit

struct ProgramSettings {
    PortType portType = PortType::ComPort;
    int comPort = 1;             // 1..16
    std::string portName;        // a device path chosen instead of COM n; empty when COM n is used
    std::array<int, kItemCount> itemVisible{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    int windowWidth = kMinWindowWidth;
    int windowHeight = kMinWindowHeight;
    bool serialTrace = false;    // write a trace of the serial line (Configuration: "Write serial trace")
};

// Read-time corrections of stored values.
PortType CorrectPortType(long stored);   // anything but 0 or 1 is the COM port type
int CorrectComPort(long stored);         // outside 1..16 is COM 1
int CorrectWindowWidth(long stored);     // raised to 860, and held to what an int holds
int CorrectWindowHeight(long stored);    // raised to 640, and held to what an int holds
int CorrectItemFlag(long stored);        // anything but 0 shows the column

// The port as the link opens it and the header panel shows it: "COM<n>", or the chosen device path.
std::string PortNameOf(const ProgramSettings& settings);

}  // namespace tarn

namespace tarn {

// Takes the port the user chose or typed: "COM 5" (also "COM5", any case) selects COM port 5, a path
// selects that device. Returns false, changing nothing, for anything else.
bool ApplyPortChoice(ProgramSettings& settings, std::string_view text);

}  // namespace tarn
