#pragma once
// A serial device that hands every call to another one and writes what moved on the line into a trace.
#include <memory>

#include "link/SerialDevice.h"
#include "link/SerialTrace.h"

namespace tarn {

class TracingDevice : public SerialDevice {
public:
    TracingDevice(std::unique_ptr<SerialDevice> device, std::shared_ptr<SerialTrace> trace)
        : device_(std::move(device)), trace_(std::move(trace)) {}

    int Open(const std::string& path) override;
    bool IsOpen() const override { return device_->IsOpen(); }
    bool Configure(const LineSettings& settings) override { return device_->Configure(settings); }
    void SetTimeouts(const SerialTimeouts& timeouts) override { device_->SetTimeouts(timeouts); }
    bool Write(const std::uint8_t* bytes, std::size_t count) override;
    std::size_t Read(std::uint8_t* buffer, std::size_t count) override;
    bool TakeLineError() override;
    void PurgeInput() override { device_->PurgeInput(); }
    void PurgeOutput() override { device_->PurgeOutput(); }
    void Close() override;

private:
    std::unique_ptr<SerialDevice> device_;
    std::shared_ptr<SerialTrace> trace_;
};

}  // namespace tarn
