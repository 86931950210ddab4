#pragma once
// The radio's end of the programming cable: the master side of a pseudo-terminal. Every byte the
// program sends comes back as the cable's echo; every byte is logged as "<ms> P|E|R <hex>".
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
    SimLine(int masterFd, bool baudTiming, bool echo, std::FILE* log);

    // The next byte from the program, echoed, or nothing when `deadline` passed first.
    std::optional<std::uint8_t> Read(Clock::time_point deadline);
    std::optional<std::uint8_t> ReadWithin(int milliseconds);
    std::uint8_t ReadForever();
    // Reads and drops what the program sends until `deadline`.
    void Ignore(Clock::time_point deadline);

    void Send(std::uint8_t byte);
    void Send(const std::vector<std::uint8_t>& bytes);
    // A line of text in the log, starting with "#".
    void Note(const std::string& text);

private:
    void Put(std::uint8_t byte, char tag);
    void Log(char tag, std::uint8_t byte);

    int fd_;
    bool baudTiming_;
    bool echo_;
    std::FILE* log_;
    Clock::time_point start_;
    Clock::time_point lineFree_;
};

}  // namespace tarn::sim
