#pragma once
// A serial device for the fuzz targets: the cable echoes every byte sent, and every other read is answered
// from the fuzzer's bytes. A shape byte before each answer picks silence, a line error or data, so every
// wait of the protocol can see each of them. Once the input is used up the line stays silent and the
// user cancels (when there is a job to cancel), which ends even the waits that have no time limit.
#include <deque>

#include "FuzzInput.h"
#include "link/CancelRequest.h"
#include "link/SerialDevice.h"

namespace tarn::fuzz {

class ScriptedLine : public SerialDevice {
public:
    explicit ScriptedLine(FuzzInput& input) : input_(input) {}
    // The request the user's cancel goes to once the input is used up.
    void CancelWhenDone(CancelRequest& cancel) { cancel_ = &cancel; }
    int Open(const std::string&) override { return open_ = true, 0; }
    bool IsOpen() const override { return open_; }
    bool Configure(const LineSettings&) override { return true; }
    void SetTimeouts(const SerialTimeouts&) override {}
    bool Write(const std::uint8_t* bytes, std::size_t count) override;
    std::size_t Read(std::uint8_t* buffer, std::size_t count) override;
    bool TakeLineError() override;
    void PurgeInput() override { echo_.clear(); }
    void PurgeOutput() override {}
    void Close() override { open_ = false; }

private:
    FuzzInput& input_;
    CancelRequest* cancel_ = nullptr;
    std::deque<std::uint8_t> echo_;
    bool lineError_ = false;
    bool open_ = false;
};

}  // namespace tarn::fuzz
