#pragma once
// The radio's side of the clone protocol and of the alignment commands, with the faults it can play.
#include <cstdint>
#include <vector>

#include "SimLine.h"
#include "SimOptions.h"
#include "model/CloneImage.h"

namespace tarn::sim {

class VirtualRadio {
public:
    VirtualRadio(SimLine& line, const SimOptions& options, const CloneImage& memory);
    // Plays the radio until the process is stopped (or a hang-up fault ends it).
    [[noreturn]] void Run();

private:
    // Waits for the handshake `request` (0x70 or 0x30, `first` already received) and answers it as a
    // radio that is on, or — when it plays a power cycle — after being switched on. True when the
    // radio is ready to go on.
    bool Handshake(std::uint8_t request);
    void SendImage();
    void ReceiveImage();
    void AlignmentMode();
    std::vector<std::uint8_t> ReadBlock(int number) const;
    int ReadBlockCount() const;
    // Answers one alignment command; true when it ended alignment mode.
    bool AnswerAlign(std::uint8_t command, const std::vector<std::uint8_t>& params);
    void ReplyAlign(std::uint8_t command, const std::vector<std::uint8_t>& data);
    void Save();
    [[noreturn]] void HangUp();

    SimLine& line_;
    const SimOptions& options_;
    CloneImage memory_;
    bool readDone_ = false;
    int alignSlot_ = 0;       // the channel the alignment commands tune to
    int unkeysToIgnore_ = 0;  // the next unkey frames left unanswered: the transmitter stays on  // a complete read happened: a write or the alignment request may follow
};

// The built-in memory: a radio with a few air-band channels stored (firmware 1.20, model id 00 02,
// serial number 1D345678).
CloneImage BuiltInImage();

}  // namespace tarn::sim
