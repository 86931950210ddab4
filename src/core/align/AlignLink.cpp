#include "align/AlignLink.h"

#include "link/CloneProtocol.h"
#include "link/Link.h"

namespace tarn {
namespace {

constexpr std::uint8_t kKey = 0x34;

// Up to five single-byte receives; the first byte that arrives ends the wait.
AlignStatus WaitForAnswer(ClonePort& port, std::uint8_t& byte) {
    for (int i = 0; i < kAlignAnswerTries; ++i) {
        switch (ReceiveByte(port, byte)) {
            case LinkResult::Ok: return AlignStatus::Ok;
            case LinkResult::LineError: return AlignStatus::Failed;
            case LinkResult::NoData: break;
        }
    }
    return AlignStatus::NoAnswer;
}

AlignStatus FromLink(LinkResult result) {
    return result == LinkResult::LineError ? AlignStatus::Failed : AlignStatus::NoAnswer;
}

}  // namespace

std::uint8_t AlignChecksum(std::uint8_t command, std::uint8_t length, std::span<const std::uint8_t> bytes) {
    std::uint8_t sum = static_cast<std::uint8_t>(command + length);
    for (std::uint8_t b : bytes) sum = static_cast<std::uint8_t>(sum + b);
    return sum;
}

AlignStatus SendAlignCommand(ClonePort& port, std::uint8_t command, std::span<const std::uint8_t> parameters) {
    port.PurgeTransmit();
    port.PurgeReceive();
    std::uint8_t head[2] = {command, static_cast<std::uint8_t>(parameters.size() + 1)};
    const std::uint8_t length = head[1];
    if (!SendBytes(port, head, 2)) return AlignStatus::Failed;
    std::vector<std::uint8_t> echoed(parameters.begin(), parameters.end());
    for (std::uint8_t& b : echoed) {  // the checksum covers the parameters as they came back
        if (!SendBytes(port, &b, 1)) return AlignStatus::Failed;
    }
    std::uint8_t checksum = AlignChecksum(command, length, echoed);
    if (!SendBytes(port, &checksum, 1)) return AlignStatus::Failed;
    std::uint8_t answer = 0;
    const AlignStatus waited = WaitForAnswer(port, answer);
    if (waited != AlignStatus::Ok) return waited;
    if (answer != clone_bytes::kAck && answer != command) return AlignStatus::Failed;
    Pause(command == kKey ? 100 : 25);
    return AlignStatus::Ok;
}

AlignStatus ReceiveAlignReply(ClonePort& port, std::uint8_t command, std::vector<std::uint8_t>& data) {
    data.clear();
    std::uint8_t length = 0;
    AlignStatus status = WaitForAnswer(port, length);
    if (status != AlignStatus::Ok) return status;
    if (length == 0) return AlignStatus::Failed;
    data.resize(length - 1u);
    LinkResult read = LinkResult::NoData;
    for (int i = 0; i < kAlignAnswerTries && read == LinkResult::NoData; ++i) {
        std::size_t received = 0;
        std::uint8_t ignored = 0;
        read = ReceiveBlockData(port, data.data(), data.size(), received, ignored);
    }
    if (read != LinkResult::Ok) return FromLink(read);
    std::uint8_t checksum = 0;
    status = WaitForAnswer(port, checksum);
    if (status != AlignStatus::Ok) return status;
    if (checksum != AlignChecksum(command, length, data)) {
        SendByte(port, clone_bytes::kNak);
        return AlignStatus::Failed;
    }
    const bool acknowledged = SendByte(port, clone_bytes::kAck);
    Pause(25);
    port.PurgeReceive();
    return acknowledged ? AlignStatus::Ok : AlignStatus::Failed;
}

}  // namespace tarn
