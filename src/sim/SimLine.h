#pragma once
// The radio's end of the programming cable: the master side of a pseudo-terminal. Every byte the
// program sends comes back as the cable's echo; every byte is logged as "<ms> P|E|R <hex>" when it is
// on the line. With a latency the bytes for the program are handed on as a USB serial adapter hands on
// what it receives: held until the latency has passed since the first byte held, or until its buffer
// is full.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace tarn::sim {

using Clock = std::chrono::steady_clock;

class SimLine {
public:
    // `farEndFd` is the terminal's other end, held open by the radio: it tells what the program has not read yet.
    SimLine(int masterFd, int farEndFd, bool baudTiming, int latencyMs, bool echo, std::FILE* log);

    enum class Echo { Normal, Wrong, Lost };
    // How the cable echoes the next byte the program sends.
    void SpoilNextEcho(Echo echo) { nextEcho_ = echo; }

    // The next byte from the program, echoed, or nothing when `deadline` passed first.
    std::optional<std::uint8_t> Read(Clock::time_point deadline);
    std::optional<std::uint8_t> ReadWithin(int milliseconds);
    std::uint8_t ReadForever();
    // Reads and drops what the program sends until `deadline`.
    void Ignore(Clock::time_point deadline);

    // Waits (a few seconds at most) until the program has read everything sent to it, so that what the
    // radio does next meets the program in its next read.
    void WaitUntilTaken();
    // Does nothing for `milliseconds`, but hands on what falls due meanwhile.
    void Idle(int milliseconds);

    // Closes the terminal: the program's end of the line is hung up at once.
    void HangUp();

    void Send(std::uint8_t byte);
    void Send(const std::vector<std::uint8_t>& bytes);
    // A line of text in the log, starting with "#".
    void Note(const std::string& text);

private:
    void Put(std::uint8_t byte, char tag);
    void Log(char tag, std::uint8_t byte);
    // When the bytes held now are handed on; far in the future when none are held.
    Clock::time_point ReleaseTime() const;
    void ReleaseIfDue();
    void Release();
    void WriteOut(const std::uint8_t* bytes, std::size_t count);

    int fd_;
    int farEndFd_;
    bool baudTiming_;
    std::chrono::milliseconds latency_;
    bool echo_;
    Echo nextEcho_ = Echo::Normal;
    std::vector<std::uint8_t> held_;  // on their way to the program, held by the adapter
    Clock::time_point heldSince_;
    std::FILE* log_;
    Clock::time_point start_;
    Clock::time_point lineFree_;
};

}  // namespace tarn::sim
