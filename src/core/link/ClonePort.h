#pragma once
// The program's one serial port: 9600 8N1, DTR and RTS asserted, no flow control, and the programming
// cable's echo of every byte sent read back by WriteEcho.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "link/SerialDevice.h"

namespace tarn {

// What OpenLink fills in before every open.
struct LinkSettings {
    std::string portName;  // "COMn" or a device path
    LineSettings line;
};

// The port's line as last opened.
struct PortState {
    std::string portName;
    std::string devicePath;
    LineSettings line;
};

enum class PortRead {
    Ok = 0,         // the read worked (ReadByte: the out count says whether a byte came)
    LineError = 1,  // a line error was pending, or cut the read short; it is cleared and nothing was read
    Failed = 2,     // fewer bytes than requested
};

class ClonePort {
public:
    static constexpr std::size_t kQueueSize = 4096;
    static constexpr std::size_t kLargestWrite = 4096;
    static constexpr SerialTimeouts kTimeouts{100, 5, 150, 100, 5000};

    explicit ClonePort(std::unique_ptr<SerialDevice> device);
    ClonePort();  // on the termios device
    ~ClonePort();
    ClonePort(const ClonePort&) = delete;
    ClonePort& operator=(const ClonePort&) = delete;

    // Opens the device named by `settings` and configures it. On failure the system's error number
    // is kept for OpenError (0 when the device opened but refused its configuration).
    bool Open(const LinkSettings& settings);
    bool Configure();
    void Close();
    bool IsOpen() const;

    // False at once, without touching the line, for more than 4096 bytes.
    bool Write(const std::uint8_t* bytes, std::size_t count);
    PortRead ReadByte(std::uint8_t* byte, std::size_t* count);
    PortRead Read(std::uint8_t* buffer, std::size_t count);
    // Writes the bytes, then reads as many back into `buffer` (the echo replaces what was sent).
    // Returns how many echoes came back: `count` when the send worked, 0 when the write failed.
    std::size_t WriteEcho(std::uint8_t* buffer, std::size_t count);
    void PurgeReceive();
    void PurgeTransmit();

    const PortState& State() const { return state_; }
    int OpenError() const { return openError_; }

private:
    std::unique_ptr<SerialDevice> device_;
    PortState state_;
    int openError_ = 0;
};

}  // namespace tarn
