#include "link/Link.h"

#include <grp.h>
#include <sys/stat.h>

#include <cerrno>
#include <cstring>

#include "link/LinkStrings.h"
#include "link/PortName.h"
#include "ui/StringTable.h"

namespace tarn {
namespace {

std::string OpenFailureReason(const PortState& state, int error) {
    const std::string& path = state.devicePath;
    switch (error) {
        case 0:
            return path + " does not accept the line settings (9600 baud, 8 data bits, no parity, 1 stop bit).";
        case ENOENT:
            return path + " does not exist.";
        case EBUSY:
            return path + " is in use by another program.";
        case ENOTTY:
            return path + " is not a serial port.";
        case EACCES:
        case EPERM: {
            struct stat st {};
            std::string owner;
            if (::stat(path.c_str(), &st) == 0) {
                if (const struct group* g = getgrgid(st.st_gid)) owner = g->gr_name;
            }
            if (owner.empty()) return "You have no permission to use " + path + ".";
            return "You have no permission to use " + path + ": your user must be a member of the group \"" +
                   owner + "\" that owns it (log in again after joining the group).";
        }
        default:
            return path + ": " + std::strerror(error) + ".";
    }
}

}  // namespace

bool OpenLink(ClonePort& port, const std::string& portName) {
    if (port.IsOpen()) port.Close();
    LinkSettings settings;
    settings.portName = portName;
    settings.line = LineSettings{9600, 8, 0, 0};
    return port.Open(settings);
}

bool SendByte(ClonePort& port, std::uint8_t byte) { return port.WriteEcho(&byte, 1) == 1; }

bool SendBytes(ClonePort& port, std::uint8_t* bytes, std::size_t count) {
    return port.WriteEcho(bytes, count) == count;
}

LinkResult ReceiveByte(ClonePort& port, std::uint8_t& byte) {
    std::uint8_t got = 0;
    std::size_t count = 0;
    switch (port.ReadByte(&got, &count)) {
        case PortRead::LineError: return LinkResult::LineError;
        case PortRead::Failed: return LinkResult::NoData;
        case PortRead::Ok: break;
    }
    if (count == 0) return LinkResult::NoData;
    byte = got;
    return LinkResult::Ok;
}

LinkResult ReceiveBytes(ClonePort& port, std::uint8_t* buffer, std::size_t count) {
    switch (port.Read(buffer, count)) {
        case PortRead::Ok: return LinkResult::Ok;
        case PortRead::LineError: return LinkResult::LineError;
        case PortRead::Failed: break;
    }
    return LinkResult::NoData;
}

void ShowPortCheckMessage(Prompter& prompter, const ClonePort& port) {
    prompter.Tell(FormatString(link_strings::kCheckLead, PortLabel(port.State().portName)), MessageIcon::Stop);
}

std::string PortOpenFailureText(const ClonePort& port) {
    return std::string(LoadString(link_strings::kProblemWithPort)) + "\r\n" +
           OpenFailureReason(port.State(), port.OpenError());
}

}  // namespace tarn
