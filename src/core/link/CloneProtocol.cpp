#include "link/CloneProtocol.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <thread>

#include "link/ImageMerge.h"
#include "link/Link.h"
#include "link/LinkStrings.h"
#include "ui/StringTable.h"

namespace tarn {
namespace {

using namespace clone_bytes;
namespace ids = link_strings;

bool Fail(TransferContext& context, int messageId) {
    context.prompter.Tell(std::string(LoadString(messageId)), MessageIcon::Stop);
    return false;
}

bool SendOrComplain(TransferContext& context, std::uint8_t byte) {
    if (SendByte(context.port, byte)) return true;
    ShowPortCheckMessage(context.prompter, context.port);
    return false;
}

void ReportBlockDone(TransferContext& context) {
    ++context.progress;
    context.events.SetGaugePosition(context.progress);
}

// The message for a receive that did not deliver: `timeoutId` on silence, else "Communication Error".
bool FailReceive(TransferContext& context, LinkResult result, int timeoutId) {
    return Fail(context, result == LinkResult::NoData ? timeoutId : ids::kCommunicationError);
}

}  // namespace

void Pause(int milliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds)); }

bool AwaitRadio(TransferContext& context, std::uint8_t request, int promptId, bool& firstByteTaken) {
    if (context.cancel.Take()) return false;
    context.events.ShowPrompt(promptId);
    ClonePort& port = context.port;
    std::uint8_t byte = 0;
    // Probing: a radio that is already waiting answers at once.
    for (;;) {
        port.PurgeTransmit();
        port.PurgeReceive();
        SendByte(port, request);
        const LinkResult result = ReceiveByte(port, byte);
        if (result == LinkResult::NoData) break;
        if (result == LinkResult::LineError) {
            ShowPortCheckMessage(context.prompter, port);
            return false;
        }
        if (request == kRequestImage && byte == kFirstBlock) {
            firstByteTaken = true;
            Pause(150);
            return true;
        }
        if (request == kAlignHandshake && byte == kRadioReady) {
            Pause(5);
            return SendOrComplain(context, kAlignHandshake);
        }
        if (context.cancel.Take()) return false;
    }
    // Listening: the user is switching the radio off and on; only a cancel ends this wait otherwise.
    for (;;) {
        if (ReceiveByte(port, byte) == LinkResult::Ok && (byte == kRadioReady || byte == kFirstBlock)) break;
        if (context.cancel.Take()) return false;
    }
    if (byte == kFirstBlock) {
        firstByteTaken = true;
        return true;
    }
    if (request == kAlignHandshake) {
        Pause(5);
        return SendOrComplain(context, kAlignHandshake);
    }
    if (!SendOrComplain(context, kFirstBlock)) return false;
    Pause(150);
    Pause(150);
    return SendOrComplain(context, kRequestImage);
}

LinkResult WaitForByte(TransferContext& context, int extraTries, std::uint8_t& byte) {
    byte = 0;
    for (int i = 0; i <= extraTries; ++i) {
        std::uint8_t got = 0;
        const LinkResult result = ReceiveByte(context.port, got);
        if (result == LinkResult::Ok) {
            byte = got;
            return result;
        }
        if (result == LinkResult::LineError) return result;
        if (context.cancel.Take()) return LinkResult::LineError;
    }
    return LinkResult::NoData;
}

LinkResult ReceiveBlockData(ClonePort& port, std::uint8_t* destination, std::size_t count, std::size_t& received,
                            std::uint8_t& checksum) {
    constexpr std::size_t kPiece = 16;
    received = 0;
    while (received < count) {
        const std::size_t piece = std::min(kPiece, count - received);
        const LinkResult result = ReceiveBytes(port, destination + received, piece);
        if (result != LinkResult::Ok) return result;
        for (std::size_t i = 0; i < piece; ++i) checksum = static_cast<std::uint8_t>(checksum + destination[received + i]);
        received += piece;
    }
    return LinkResult::Ok;
}

bool ReceiveImage(TransferContext& context, int promptId) {
    if (context.cancel.Take()) return false;
    bool firstByteTaken = false;
    if (!AwaitRadio(context, kRequestImage, promptId, firstByteTaken)) return false;
    ClonePort& port = context.port;
    std::size_t position = 0;
    while (position < kImageSize) {
        if (context.cancel.Take()) return false;
        std::uint8_t checksum = 0;
        std::uint8_t type = kFirstBlock;
        if (firstByteTaken) {
            firstByteTaken = false;
        } else if (const LinkResult r = ReceiveByte(port, type); r != LinkResult::Ok) {
            return FailReceive(context, r, ids::kTimeout4);
        }
        checksum = static_cast<std::uint8_t>(checksum + type);

        std::uint8_t length = 0;
        if (const LinkResult r = ReceiveByte(port, length); r != LinkResult::Ok) {
            return FailReceive(context, r, ids::kTimeout5);
        }
        checksum = static_cast<std::uint8_t>(checksum + length);
        // The length decides where the data goes: check it before anything is stored.
        const std::size_t dataCount = length >= 3 ? length - 2u : 0u;
        if (dataCount == 0 || dataCount > kMaxReceivedBlockData || dataCount > kImageSize - position) {
            return Fail(context, ids::kCommunicationError);
        }

        std::uint8_t number = 0;
        if (const LinkResult r = ReceiveByte(port, number); r != LinkResult::Ok) {
            return FailReceive(context, r, ids::kTimeout6);
        }
        checksum = static_cast<std::uint8_t>(checksum + number);

        std::size_t received = 0;
        if (const LinkResult r = ReceiveBlockData(port, context.buffer.data() + position, dataCount, received, checksum);
            r != LinkResult::Ok) {
            return FailReceive(context, r, ids::kTimeout7);
        }

        std::uint8_t expected = 0;
        if (const LinkResult r = ReceiveByte(port, expected); r != LinkResult::Ok) {
            return FailReceive(context, r, ids::kTimeout8);
        }
        if (expected != checksum) {
            SendByte(port, kNak);
            return Fail(context, ids::kBccError);
        }
        SendByte(port, kAck);
        position += dataCount;
        ReportBlockDone(context);
    }
    if (!HasRadioModelId(context.buffer)) return Fail(context, ids::kHardwareMismatch);
    return true;
}

bool SendBlockData(ClonePort& port, const WriteBlockHeader& header, const std::uint8_t* source, std::size_t count,
                   std::size_t& sent, std::uint8_t& checksum) {
    std::array<std::uint8_t, std::tuple_size_v<WriteBlockHeader> + kWriteBlockData> work{};
    sent = 0;
    if (count > kWriteBlockData) return false;
    const auto data = std::copy(header.begin(), header.end(), work.begin());
    std::copy(source, source + count, data);
    for (std::uint8_t b : header) checksum = static_cast<std::uint8_t>(checksum + b);
    const std::size_t echoes = port.WriteEcho(work.data(), header.size() + count);
    sent = echoes > header.size() ? echoes - header.size() : 0;
    for (std::size_t i = 0; i < sent; ++i) checksum = static_cast<std::uint8_t>(checksum + data[i]);
    return sent == count;
}

bool SendImage(TransferContext& context) {
    if (context.cancel.Take()) return false;
    ClonePort& port = context.port;
    const std::uint8_t command = context.maintenance ? kWriteBlockMaintenance : kWriteBlock;
    port.PurgeTransmit();
    port.PurgeReceive();
    SendByte(port, kWakeUp);
    Pause(100);
    std::uint8_t number = 0;
    std::size_t position = 0;
    while (position < kImageSize) {
        if (context.cancel.Take()) return false;
        const std::size_t dataCount = std::min(kWriteBlockData, kImageSize - position);
        const WriteBlockHeader header{command, static_cast<std::uint8_t>(dataCount + 2), number};
        std::uint8_t checksum = 0;
        std::size_t sent = 0;
        // A block that does not get out is caught by the missing acknowledgement.
        SendBlockData(port, header, context.buffer.data() + position, dataCount, sent, checksum);
        SendByte(port, checksum);
        Pause(10);
        std::uint8_t answer = 0;
        const LinkResult result = WaitForByte(context, 30, answer);
        if (result == LinkResult::Ok && answer == kAck) {
            position += sent;
            ++number;
            Pause(50);
            ReportBlockDone(context);
            continue;
        }
        if (result == LinkResult::Ok && answer == kNak) return Fail(context, ids::kBccError);
        if (result == LinkResult::NoData) return Fail(context, ids::kTimeout4);
        return Fail(context, ids::kCommunicationError);
    }
    return true;
}

bool ReadAndMerge(TransferContext& context, CloneImage& image, CloneImage* asRead) {
    if (context.cancel.Take()) return false;
    if (!ReceiveImage(context, ids::kPromptDownloading)) return false;
    if (asRead) *asRead = context.buffer;
    if (context.cancel.Take()) return false;
    std::copy_n(context.buffer.begin(), 2, image.begin());
    if (!HardwareBitsMatch(context.buffer, image)) return Fail(context, ids::kHardwareMismatch);
    MergeProgramRegions(context.buffer, image, context.maintenance);
    return !context.cancel.Take();
}

}  // namespace tarn
