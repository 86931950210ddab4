#include "link/Link.h"

#include "link/LinkStrings.h"
#include "link/PortAdvice.h"
#include "link/PortName.h"
#include "ui/StringTable.h"

namespace tarn {

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
    const std::string& path = port.State().devicePath;
    const int error = port.OpenError();
    const PortFacts facts = LookUpPortFacts(path, error);
    std::string text = std::string(LoadString(link_strings::kProblemWithPort)) + "\r\n" +
                       PortFailureReason(path, error, facts);
    const std::string advice = PortFailureAdvice(path, error, facts);
    if (!advice.empty()) text += " " + advice;
    return text;
}

}  // namespace tarn
