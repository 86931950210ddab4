#pragma once
// A log of a serial conversation for a bug report: every byte sent and received, one line per burst,
// with the milliseconds since the trace began and the direction, and notes on the job's progress
// between them. Lines are buffered; a note flushes them, so a trace stays cheap on the line's pace.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

namespace tarn {

enum class TraceDirection { Sent, Received };

class SerialTrace {
public:
    SerialTrace() = default;
    ~SerialTrace();
    SerialTrace(const SerialTrace&) = delete;
    SerialTrace& operator=(const SerialTrace&) = delete;

    // Starts a new trace file (an existing one is replaced); 0 or the system's error number.
    int Open(const std::string& path);
    // Ends the trace file; later bytes and notes are dropped until the next Open.
    void Close();
    bool IsOpen() const { return file_ != nullptr; }

    // Bytes that went one way. Bytes in the same direction within a few milliseconds of the last ones
    // join their line.
    void Bytes(TraceDirection direction, const std::uint8_t* bytes, std::size_t count);
    // "     12.345 -- text"
    void Note(const std::string& text);

private:
    using Clock = std::chrono::steady_clock;
    void EndBurst();  // with the mutex held
    double Milliseconds(Clock::time_point t) const;

    std::mutex mutex_;
    std::FILE* file_ = nullptr;
    Clock::time_point start_ = Clock::now();
    TraceDirection direction_ = TraceDirection::Sent;
    std::vector<std::uint8_t> burst_;
    Clock::time_point burstStart_{};
    Clock::time_point lastByte_{};
};

}  // namespace tarn
