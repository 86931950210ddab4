#include "link/SerialTrace.h"

#include <cerrno>

namespace tarn {
namespace {

// Two byte times at 9600 baud: a longer gap starts a new burst.
constexpr auto kBurstGap = std::chrono::microseconds(2100);

}  // namespace

SerialTrace::~SerialTrace() { Close(); }

void SerialTrace::Close() {
    const std::lock_guard lock(mutex_);
    if (!file_) return;
    EndBurst();
    std::fclose(file_);
    file_ = nullptr;
}

int SerialTrace::Open(const std::string& path) {
    Close();
    const std::lock_guard lock(mutex_);
    file_ = std::fopen(path.c_str(), "w");
    if (!file_) return errno;
    start_ = Clock::now();
    burst_.clear();
    return 0;
}

double SerialTrace::Milliseconds(Clock::time_point t) const {
    return std::chrono::duration<double, std::milli>(t - start_).count();
}

void SerialTrace::Bytes(TraceDirection direction, const std::uint8_t* bytes, std::size_t count) {
    if (count == 0) return;
    const std::lock_guard lock(mutex_);
    if (!file_) return;
    const auto now = Clock::now();
    if (!burst_.empty() && (direction != direction_ || now - lastByte_ > kBurstGap)) EndBurst();
    if (burst_.empty()) {
        direction_ = direction;
        burstStart_ = now;
    }
    burst_.insert(burst_.end(), bytes, bytes + count);
    lastByte_ = now;
}

void SerialTrace::Note(const std::string& text) {
    const std::lock_guard lock(mutex_);
    if (!file_) return;
    EndBurst();
    std::fprintf(file_, "%11.3f -- %s\n", Milliseconds(Clock::now()), text.c_str());
    std::fflush(file_);
}

void SerialTrace::EndBurst() {
    if (burst_.empty()) return;
    std::fprintf(file_, "%11.3f %s", Milliseconds(burstStart_), direction_ == TraceDirection::Sent ? "TX" : "RX");
    for (const std::uint8_t b : burst_) std::fprintf(file_, " %02X", b);
    std::fputc('\n', file_);
    burst_.clear();
}

}  // namespace tarn
