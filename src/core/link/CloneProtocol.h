#pragma once
// The clone protocol: reading the radio's 4096-byte image, writing an image into the radio, and the
// handshakes that find the radio ready. Every byte sent is followed by reading back its echo. Each
// operation shows its own message when it fails and ends silently when it sees the cancel request.
#include <array>
#include <cstddef>
#include <cstdint>

#include "link/CancelRequest.h"
#include "link/ClonePort.h"
#include "link/LinkResult.h"
#include "model/CloneImage.h"
#include "ui/JobEvents.h"
#include "ui/Prompter.h"

namespace tarn {

namespace clone_bytes {
inline constexpr std::uint8_t kRequestImage = 0x70;  // program: send your image
inline constexpr std::uint8_t kRadioReady = 0x50;    // radio: switched on and ready
inline constexpr std::uint8_t kFirstBlock = 0x20;    // radio: first byte of its image; program: answer to 0x50
inline constexpr std::uint8_t kWakeUp = 0x60;        // program: before the first write block
inline constexpr std::uint8_t kWriteBlock = 0x21;
inline constexpr std::uint8_t kWriteBlockMaintenance = 0x29;
inline constexpr std::uint8_t kAlignRequest = 0x38;
inline constexpr std::uint8_t kAlignHandshake = 0x30;
inline constexpr std::uint8_t kAck = 0x06;
inline constexpr std::uint8_t kNak = 0x15;
}  // namespace clone_bytes

// The most data bytes one received block may carry, and the data bytes of every written block.
inline constexpr std::size_t kMaxReceivedBlockData = 140;
inline constexpr std::size_t kWriteBlockData = 128;

// What one run of the protocol works on.
struct TransferContext {
    ClonePort& port;
    JobEvents& events;
    Prompter& prompter;
    CancelRequest& cancel;
    CloneImage& buffer;  // the job's work copy of the image
    bool maintenance = false;
    int progress = 0;  // blocks completed in this run, read and write together
};

// Finds the radio ready: probes with `request` (0x70 or 0x30) and, when the radio stays silent, waits
// without a time limit for it to be switched on. `firstByteTaken` is set when the radio's 0x20 (the
// first byte of its image) has been read already.
bool AwaitRadio(TransferContext& context, std::uint8_t request, int promptId, bool& firstByteTaken);

// Up to extraTries + 1 single-byte receives; the first byte that arrives ends the wait. A cancel seen
// after a silent receive ends it with LineError.
LinkResult WaitForByte(TransferContext& context, int extraTries, std::uint8_t& byte);

// Reads the radio's whole image into the context's buffer.
bool ReceiveImage(TransferContext& context, int promptId);

// Reads `count` bytes sixteen at a time into `destination`, adding each into `checksum`.
LinkResult ReceiveBlockData(ClonePort& port, std::uint8_t* destination, std::size_t count, std::size_t& received,
                            std::uint8_t& checksum);

// Writes the context's buffer into the radio as 32 blocks of 128 bytes.
bool SendImage(TransferContext& context);

// The command, length and number that open a written block.
using WriteBlockHeader = std::array<std::uint8_t, 3>;

// Sends a written block's header and up to 128 data bytes in one write, then reads their echoes: the
// cable echoes at the line's pace while the bytes go out, and a USB serial adapter hands what it
// receives on in bursts, so waiting for each echo before the next byte would cost a burst's delay per
// byte. Adds the header bytes as sent and the data bytes as echoed into `checksum`. `sent` counts the
// data bytes whose echo came, the missing echoes taken as the last ones: the outcome of sending one
// byte at a time and stopping at the first missing echo. False when an echo is missing.
bool SendBlockData(ClonePort& port, const WriteBlockHeader& header, const std::uint8_t* source, std::size_t count,
                   std::size_t& sent, std::uint8_t& checksum);

// The read before every write: the radio's image into the buffer, its firmware bytes into `image`,
// the hardware check, then the program's regions of `image` laid over the buffer. `asRead`, when given,
// receives the radio's image as it was read.
bool ReadAndMerge(TransferContext& context, CloneImage& image, CloneImage* asRead = nullptr);

// The protocol's fixed waits.
void Pause(int milliseconds);

}  // namespace tarn
