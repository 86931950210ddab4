#include "link/ClonePort.h"

#include "link/PortName.h"
#include "link/TermiosDevice.h"

namespace tarn {

ClonePort::ClonePort(std::unique_ptr<SerialDevice> device) : device_(std::move(device)) {}

ClonePort::ClonePort() : ClonePort(MakeTermiosDevice()) {}

ClonePort::~ClonePort() { Close(); }

bool ClonePort::Open(const LinkSettings& settings) {
    state_.portName = settings.portName;
    state_.devicePath = DevicePathFor(settings.portName);
    state_.line = settings.line;
    openError_ = device_->Open(state_.devicePath);
    if (openError_ != 0) {
        Close();
        return false;
    }
    device_->SetTimeouts(kTimeouts);
    return Configure();
}

bool ClonePort::Configure() { return device_->Configure(state_.line); }

void ClonePort::Close() { device_->Close(); }

bool ClonePort::IsOpen() const { return device_->IsOpen(); }

bool ClonePort::Write(const std::uint8_t* bytes, std::size_t count) {
    if (count > kLargestWrite) return false;
    return device_->Write(bytes, count);
}

PortRead ClonePort::ReadByte(std::uint8_t* byte, std::size_t* count) {
    *count = 0;
    if (device_->TakeLineError()) return PortRead::LineError;
    if (!device_->IsOpen()) return PortRead::Failed;
    *count = device_->Read(byte, 1);
    // A line error during the read is why nothing came.
    if (*count == 0 && device_->TakeLineError()) return PortRead::LineError;
    return PortRead::Ok;
}

PortRead ClonePort::Read(std::uint8_t* buffer, std::size_t count) {
    if (device_->TakeLineError()) return PortRead::LineError;
    if (device_->Read(buffer, count) == count) return PortRead::Ok;
    return device_->TakeLineError() ? PortRead::LineError : PortRead::Failed;
}

std::size_t ClonePort::WriteEcho(std::uint8_t* buffer, std::size_t count) {
    if (!Write(buffer, count) || device_->TakeLineError()) return 0;
    const std::size_t echoes = device_->Read(buffer, count);
    // A line error that cut the echoes short has been met: it is cleared, as by Read.
    if (echoes < count) device_->TakeLineError();
    return echoes;
}

void ClonePort::PurgeReceive() { device_->PurgeInput(); }

void ClonePort::PurgeTransmit() { device_->PurgeOutput(); }

}  // namespace tarn
