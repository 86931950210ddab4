#pragma once
// A port as the user names it: "COMn" (n = 1..16, the n-th serial port, /dev/ttyS<n-1>) or a device path.
#include <string>

namespace tarn {

// The device path to open for `portName`.
std::string DevicePathFor(const std::string& portName);

// What the port check message puts after "COM": the port number for "COMn", otherwise the name.
std::string PortLabel(const std::string& portName);

}  // namespace tarn
