#include "link/PortName.h"

#include <cctype>

namespace tarn {
namespace {

// The n of "COMn" (any letter case), or 0 when `name` is not of that form or n is not 1..16.
int ComNumber(const std::string& name) {
    if (name.size() < 4 || name.size() > 5) return 0;
    for (int i = 0; i < 3; ++i) {
        if (std::toupper(static_cast<unsigned char>(name[i])) != "COM"[i]) return 0;
    }
    int n = 0;
    for (std::size_t i = 3; i < name.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(name[i]))) return 0;
        n = n * 10 + (name[i] - '0');
    }
    return n >= 1 && n <= 16 ? n : 0;
}

}  // namespace

std::string DevicePathFor(const std::string& portName) {
    const int n = ComNumber(portName);
    return n ? "/dev/ttyS" + std::to_string(n - 1) : portName;
}

std::string PortLabel(const std::string& portName) {
    const int n = ComNumber(portName);
    return n ? std::to_string(n) : portName;
}

}  // namespace tarn
