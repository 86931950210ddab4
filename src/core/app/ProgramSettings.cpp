#include "app/ProgramSettings.h"

#include <algorithm>
#include <climits>

namespace tarn {

PortType CorrectPortType(long stored) { return stored == 1 ? PortType::InterfaceUnit : PortType::ComPort; }

int CorrectComPort(long stored) { return stored < 1 || stored > kComPortCount ? 1 : static_cast<int>(stored); }

int CorrectWindowWidth(long stored) { return static_cast<int>(std::clamp<long>(stored, kMinWindowWidth, INT_MAX)); }

int CorrectWindowHeight(long stored) { return static_cast<int>(std::clamp<long>(stored, kMinWindowHeight, INT_MAX)); }

int CorrectItemFlag(long stored) { return stored == 0 ? 0 : 1; }

std::string PortNameOf(const ProgramSettings& settings) {
    if (!settings.portName.empty()) return settings.portName;
    return "COM" + std::to_string(settings.comPort);
}

bool ApplyPortChoice(ProgramSettings& settings, std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    if (text.size() >= 4 && (text[0] == 'C' || text[0] == 'c') && (text[1] == 'O' || text[1] == 'o') &&
        (text[2] == 'M' || text[2] == 'm')) {
        std::string_view number = text.substr(3);
        if (!number.empty() && number.front() == ' ') number.remove_prefix(1);
        int n = 0;
        for (char c : number) {
            if (c < '0' || c > '9' || n > kComPortCount) return false;
            n = n * 10 + (c - '0');
        }
        if (number.empty() || n < 1 || n > kComPortCount) return false;
        settings.comPort = n;
        settings.portName.clear();
        return true;
    }
    if (text.empty() || text.front() != '/') return false;
    settings.portName = std::string(text);
    return true;
}

}  // namespace tarn
