#pragma once
// The operations the clone port needs from a serial device. The real one is TermiosDevice; tests may
// put a scripted device in its place.
#include <cstddef>
#include <cstdint>
#include <string>

namespace tarn {

// The line as the clone port sets it up: always 9600 8N1 in practice.
struct LineSettings {
    std::uint32_t baudRate = 9600;
    std::uint8_t byteSize = 8;
    std::uint8_t parity = 0;    // 0 = none
    std::uint8_t stopBits = 0;  // 0 = one stop bit
};

// Time-outs in milliseconds. A read ends when `readIntervalMs` pass between two bytes or when
// `readConstantMs + readPerByteMs * count` pass in all, returning what arrived by then.
// A write gives up after `writeConstantMs + writePerByteMs * count`.
struct SerialTimeouts {
    int readIntervalMs = 0;
    int readPerByteMs = 0;
    int readConstantMs = 0;
    int writePerByteMs = 0;
    int writeConstantMs = 0;
};

class SerialDevice {
public:
    virtual ~SerialDevice() = default;
    // Opens `path` for this program alone. Returns 0, or the system's error number.
    virtual int Open(const std::string& path) = 0;
    virtual bool IsOpen() const = 0;
    // Raw mode with the given line settings, DTR and RTS asserted, no flow control.
    virtual bool Configure(const LineSettings& settings) = 0;
    virtual void SetTimeouts(const SerialTimeouts& timeouts) = 0;
    // True when all `count` bytes went out within the write time-out.
    virtual bool Write(const std::uint8_t* bytes, std::size_t count) = 0;
    // Blocks until `count` bytes arrived or a time-out ran out; returns the number of bytes read.
    virtual std::size_t Read(std::uint8_t* buffer, std::size_t count) = 0;
    // True once for each new line error (framing, parity, overrun, break, the line hung up) since the
    // last call.
    virtual bool TakeLineError() = 0;
    virtual void PurgeInput() = 0;
    virtual void PurgeOutput() = 0;
    // Drops DTR, discards pending input and output and releases the device. Harmless when closed.
    virtual void Close() = 0;
};

}  // namespace tarn
