#pragma once
// The alignment command frames on the clone port: a command with its parameters and checksum, the
// radio's acknowledgement, and the reply frame some commands bring back. Every byte sent is followed by
// reading back its echo; nothing is retried beyond the counts below and no message is shown here.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "link/ClonePort.h"

namespace tarn {

enum class AlignStatus {
    Ok = 0,
    Failed = 1,    // a send failed, a line error, a refusal or a bad reply
    NoAnswer = 2,  // five silent receives
};

// The receives a wait for one byte of an answer takes before it gives up (about 155 ms each).
inline constexpr int kAlignAnswerTries = 5;

// (command + L + every byte) modulo 256: the checksum of a command frame and of a reply frame.
std::uint8_t AlignChecksum(std::uint8_t command, std::uint8_t length, std::span<const std::uint8_t> bytes);

// Sends command, L (parameters + 1), the parameters one at a time and the checksum of what came back as
// echo, then waits for 0x06 or the command byte itself. An acknowledged key command is followed by a
// 100 ms pause, every other by 25 ms.
AlignStatus SendAlignCommand(ClonePort& port, std::uint8_t command, std::span<const std::uint8_t> parameters);

// The reply to `command`, right after its acknowledgement: L, L - 1 data bytes, the checksum. A good
// reply is answered with 0x06, a bad checksum with 0x15. An L of 0 (no room for data) fails.
AlignStatus ReceiveAlignReply(ClonePort& port, std::uint8_t command, std::vector<std::uint8_t>& data);

}  // namespace tarn
