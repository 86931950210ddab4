#include "VirtualRadio.h"

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "AlignmentMemory.h"
#include "model/ImageChecksum.h"
#include "model/SafeFileWrite.h"

namespace tarn::sim {
namespace {

constexpr std::uint8_t kRequestImage = 0x70;
constexpr std::uint8_t kRadioReady = 0x50;
constexpr std::uint8_t kBlockType = 0x20;
constexpr std::uint8_t kWakeUp = 0x60;
constexpr std::uint8_t kAlignRequest = 0x38;
constexpr std::uint8_t kAlignHandshake = 0x30;
constexpr std::uint8_t kAlignSelectChannel = 0x30;
constexpr std::uint8_t kAlignReadMeasurements = 0x31;
constexpr std::uint8_t kAlignUnkey = 0x35;
constexpr std::uint8_t kAlignReadVorAngle = 0x3C;
constexpr std::uint8_t kAlignReadWord = 0xF0;
constexpr std::uint8_t kAlignWriteWord = 0xF1;
constexpr std::uint8_t kAck = 0x06;
constexpr std::uint8_t kNak = 0x15;

// How long the radio waits for the next byte inside a block or an exchange before it gives up.
constexpr int kByteWaitMs = 3000;

std::uint8_t Sum(const std::vector<std::uint8_t>& bytes) {
    std::uint8_t s = 0;
    for (std::uint8_t b : bytes) s = static_cast<std::uint8_t>(s + b);
    return s;
}

// The name an alignment command has in the log.
std::string AlignCommandName(std::uint8_t command) {
    switch (command) {
        case 0x00: return "end-test";
        case 0x30: return "channel";
        case 0x31: return "measure";
        case 0x32: return "level";
        case 0x33: return "modulation";
        case 0x34: return "key";
        case 0x35: return "unkey";
        case 0x36: return "start-modulation";
        case 0x37: return "start-dcs";
        case 0x38: return "leave";
        case 0x3A: return "modulation-step";
        case 0x3B: return "reference-tune";
        case 0x3C: return "vor";
        case 0x3D: return "squelch";
        case 0x3F: return "start-ctcss";
        case 0xF0: return "read-word";
        case 0xF1: return "write-word";
        default: return "command-" + std::to_string(command);
    }
}

}  // namespace

VirtualRadio::VirtualRadio(SimLine& line, const SimOptions& options, const CloneImage& memory)
    : line_(line), options_(options), memory_(memory), unkeysToIgnore_(options.ignoreUnkeys) {
    if (options_.modelId) {
        memory_[kModelIdOffset] = static_cast<std::uint8_t>(*options_.modelId >> 8);
        memory_[kModelIdOffset + 1] = static_cast<std::uint8_t>(*options_.modelId & 0xFF);
    }
    if (options_.hardwareBits) {
        memory_[kHardwareConfigOffset] =
            static_cast<std::uint8_t>((memory_[kHardwareConfigOffset] & 0xF0) | *options_.hardwareBits);
    }
}

void VirtualRadio::Run() {
    for (;;) {
        const std::uint8_t byte = line_.ReadForever();
        if (options_.silent) continue;
        if (byte == kRequestImage) {
            if (Handshake(kRequestImage)) SendImage();
        } else if (byte == kWakeUp && readDone_) {
            readDone_ = false;
            ReceiveImage();
        } else if (byte == kAlignRequest && readDone_) {
            readDone_ = false;
            line_.Note("alignment requested");
            const auto probe = line_.ReadWithin(kByteWaitMs);
            if (probe == kAlignHandshake && Handshake(kAlignHandshake)) AlignmentMode();
        }
    }
}

bool VirtualRadio::Handshake(std::uint8_t request) {
    if (options_.powerCycleMs >= 0) {
        line_.Note("switched off; on again in " + std::to_string(options_.powerCycleMs) + " ms");
        line_.Ignore(Clock::now() + std::chrono::milliseconds(options_.powerCycleMs));
        line_.Send(kRadioReady);
        if (request == kRequestImage) {
            // The program answers 0x20 and asks again with 0x70.
            for (;;) {
                const auto b = line_.ReadWithin(kByteWaitMs);
                if (!b) return false;
                if (*b == kRequestImage) return true;
            }
        }
    } else if (request == kAlignHandshake) {
        line_.Send(kRadioReady);
    } else {
        return true;  // the first byte of the image answers the request
    }
    // After 0x50 the program confirms the alignment handshake with one more 0x30.
    return line_.ReadWithin(kByteWaitMs) == kAlignHandshake;
}

int VirtualRadio::ReadBlockCount() const {
    return static_cast<int>((kImageSize + options_.blockSize - 1) / options_.blockSize);
}

std::vector<std::uint8_t> VirtualRadio::ReadBlock(int number) const {
    const std::size_t start = static_cast<std::size_t>(number) * options_.blockSize;
    std::size_t count = std::min<std::size_t>(options_.blockSize, kImageSize - start);
    if (options_.overrun) count = options_.blockSize;
    std::vector<std::uint8_t> block{kBlockType, static_cast<std::uint8_t>(count + 2), static_cast<std::uint8_t>(number)};
    for (std::size_t i = 0; i < count; ++i) block.push_back(start + i < kImageSize ? memory_[start + i] : 0);
    if (number == options_.lengthBlock) block[1] = static_cast<std::uint8_t>(options_.lengthValue);
    std::uint8_t sum = Sum(block);
    if (number == options_.badChecksumBlock) sum = static_cast<std::uint8_t>(sum + 1);
    block.push_back(sum);
    return block;
}

void VirtualRadio::SendImage() {
    const int blocks = ReadBlockCount();
    for (int n = 0; n < blocks; ++n) {
        const auto block = ReadBlock(n);
        const auto head = [&block](int bytes) { return block.begin() + std::min<long>(bytes, static_cast<long>(block.size())); };
        if (n == options_.garbageBlock) line_.Send({0xFF, 0xFF, 0xFF});
        if (n == options_.cut.block || n == options_.hangup.block) {
            const bool hangUp = n == options_.hangup.block;
            line_.Send({block.begin(), head(hangUp ? options_.hangup.bytes : options_.cut.bytes)});
            line_.Note("read block " + std::to_string(n) + " cut");
            if (hangUp) HangUp();
            return;
        }
        if (n == options_.pause.block) {
            line_.Send({block.begin(), head(options_.pause.bytes)});
            line_.WaitUntilTaken();
            line_.Note("read block " + std::to_string(n) + " paused");
            line_.Idle(options_.pause.ms);
            line_.Send({head(options_.pause.bytes), block.end()});
        } else {
            line_.Send(block);
        }
        const auto answer = line_.ReadWithin(kByteWaitMs);
        if (answer != kAck) {
            line_.Note("read block " + std::to_string(n) + " not acknowledged");
            return;
        }
    }
    line_.Note("image read");
    readDone_ = true;
}

void VirtualRadio::ReceiveImage() {
    CloneImage incoming = memory_;
    std::size_t position = 0;
    for (int n = 0; position < kImageSize; ++n) {
        std::vector<std::uint8_t> block;
        // The next byte of the block, echoed as the cable's faults say.
        const auto next = [&] {
            const int index = static_cast<int>(block.size());
            if (n == options_.wrongEcho.block && index == options_.wrongEcho.index) line_.SpoilNextEcho(SimLine::Echo::Wrong);
            if (n == options_.lostEcho.block && index == options_.lostEcho.index) line_.SpoilNextEcho(SimLine::Echo::Lost);
            const auto b = line_.ReadWithin(kByteWaitMs);
            if (b) block.push_back(*b);
            return b;
        };
        const auto command = next();
        if (!command) return;
        const std::string name = "write block " + std::to_string(n);
        line_.Note(name + " started");
        const auto length = next();
        if (!length || *length < 2) return;
        for (int i = 0; i < *length; ++i) {  // block number, data, checksum
            if (!next()) return;
        }
        const std::uint8_t checksum = block.back();
        block.pop_back();
        const std::size_t count = block.size() - 3;
        if (n == options_.ignoreBlock) {
            line_.Note(name + " received, not answering");
            return;
        }
        if (n == options_.hangupWriteBlock) HangUp();
        if (n == options_.rejectBlock || Sum(block) != checksum || count > kImageSize - position) {
            line_.Note(name + " rejected");
            line_.Send(kNak);
            return;
        }
        std::copy(block.begin() + 3, block.end(), incoming.begin() + static_cast<long>(position));
        position += count;
        if (n == options_.lateAck.block) {
            line_.Note(name + " answered late");
            line_.Idle(options_.lateAck.ms);
        }
        line_.Send(kAck);
    }
    memory_ = incoming;
    line_.Note("image written");
    Save();
}

void VirtualRadio::AlignmentMode() {
    line_.Note("alignment mode");
    for (;;) {
        const std::uint8_t command = line_.ReadForever();
        const auto length = line_.ReadWithin(kByteWaitMs);
        if (!length || *length < 1) continue;
        std::vector<std::uint8_t> frame{command, *length};
        bool complete = true;
        for (int i = 0; i < *length && complete; ++i) {  // parameters and checksum
            const auto b = line_.ReadWithin(kByteWaitMs);
            if (b) frame.push_back(*b);
            complete = b.has_value();
        }
        if (!complete) continue;
        const std::uint8_t checksum = frame.back();
        frame.pop_back();
        if (Sum(frame) != checksum) {
            line_.Send(kNak);
            continue;
        }
        const std::vector<std::uint8_t> params(frame.begin() + 2, frame.end());
        if (AnswerAlign(command, params)) return;
    }
}

bool VirtualRadio::AnswerAlign(std::uint8_t command, const std::vector<std::uint8_t>& params) {
    const auto param = [&params](std::size_t i) { return i < params.size() ? int(params[i]) : -1; };
    const std::string name = AlignCommandName(command);
    if (command == options_.refuseAlign) {
        line_.Note("align " + name + " refused");
        line_.Send(kNak);
        return false;
    }
    if (command == kAlignUnkey && unkeysToIgnore_ > 0) {
        --unkeysToIgnore_;
        line_.Note("align unkey ignored");
        return false;
    }
    std::string note = "align " + name;
    for (std::uint8_t p : params) note += " " + std::to_string(p);
    line_.Note(note);
    const std::uint16_t address = static_cast<std::uint16_t>(param(0) << 8 | param(1));
    switch (command) {
        case kAlignSelectChannel: alignSlot_ = param(0); break;
        case kAlignReadMeasurements: {
            // A signal that grows with the channel, a squelch level a little above the noise, S-meter S5.
            const auto level = static_cast<std::uint8_t>(0x60 + alignSlot_ % 32);
            std::vector<std::uint8_t> data{level, 0x10, 0x20, static_cast<std::uint8_t>(0x28 + alignSlot_ % 8), 0x40, 5};
            if (options_.shortMeasurements) data.pop_back();
            ReplyAlign(command, data);
            return false;
        }
        case kAlignReadVorAngle: ReplyAlign(command, {0x14, 0x0A}); return false;  // 5130: 90 degrees
        case kAlignReadWord:
        case kAlignWriteWord: {
            AlignmentMemory words(memory_);
            if (command == kAlignWriteWord && (params.size() < 4 || !words.Write(address, params[2], params[3]))) {
                line_.Send(kNak);
                return false;
            }
            const auto word = words.Read(address);
            if (!word) {
                line_.Send(kNak);
                return false;
            }
            if (command == kAlignWriteWord) Save();
            ReplyAlign(command, {(*word)[0], (*word)[1]});
            return false;
        }
        default: break;
    }
    line_.Send(options_.ackWithCommand ? command : kAck);
    if (command != kAlignRequest) return false;
    line_.Note("alignment mode ended");
    return true;
}

void VirtualRadio::ReplyAlign(std::uint8_t command, const std::vector<std::uint8_t>& data) {
    std::vector<std::uint8_t> reply{command, static_cast<std::uint8_t>(data.size() + 1)};
    for (std::uint8_t b : data) reply.push_back(b);
    reply.push_back(Sum(reply));
    line_.Send(reply);
    const auto answer = line_.ReadWithin(kByteWaitMs);
    if (answer != kAck) line_.Note("alignment reply not acknowledged");
}

void VirtualRadio::Save() {
    if (options_.outPath.empty()) return;
    std::array<std::uint8_t, kImageFileSize> file{};  // the image and a zero trailer
    std::copy(memory_.begin(), memory_.end(), file.begin());
    if (!WriteFileSafely(options_.outPath, file).ok()) {
        std::fprintf(stderr, "tarn-radio-sim: cannot write %s\n", options_.outPath.c_str());
    }
}

void VirtualRadio::HangUp() {
    // Hanging up a moment after the program has read everything meets it waiting in its next read (the
    // moment lets the terminal hand over what it still holds).
    line_.WaitUntilTaken();
    line_.Idle(20);
    line_.Note("hang-up");
    line_.HangUp();
    std::exit(0);
}

}  // namespace tarn::sim
