#include "link/TracingDevice.h"

#include "model/RegularFile.h"

namespace tarn {

int TracingDevice::Open(const std::string& path) {
    const int error = device_->Open(path);
    trace_->Note("open " + path + (error == 0 ? "" : ": " + FileErrorText(error)));
    return error;
}

bool TracingDevice::Write(const std::uint8_t* bytes, std::size_t count) {
    // Traced before the write: the echo may be read before the write call returns.
    trace_->Bytes(TraceDirection::Sent, bytes, count);
    const bool written = device_->Write(bytes, count);
    if (!written) trace_->Note("write failed");
    return written;
}

std::size_t TracingDevice::Read(std::uint8_t* buffer, std::size_t count) {
    const std::size_t got = device_->Read(buffer, count);
    trace_->Bytes(TraceDirection::Received, buffer, got);
    return got;
}

bool TracingDevice::TakeLineError() {
    const bool error = device_->TakeLineError();
    if (error) trace_->Note("line error");
    return error;
}

void TracingDevice::Close() {
    if (device_->IsOpen()) trace_->Note("close");
    device_->Close();
}

}  // namespace tarn
