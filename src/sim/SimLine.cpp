#include "SimLine.h"

#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <thread>
#include <utility>

namespace tarn::sim {
namespace {

// One character at 9600 baud: a start bit, eight data bits and a stop bit.
constexpr auto kCharTime = std::chrono::microseconds(10 * 1000000 / 9600);
// A sleep wakes up to some tenths of a millisecond late; the last stretch is waited out on the clock so
// that characters leave at the line's pace and not at the scheduler's.
constexpr auto kSpinStretch = std::chrono::microseconds(300);
// A USB serial adapter's receive buffer: full, it is handed on at once.
constexpr std::size_t kAdapterBuffer = 62;

void WaitUntil(std::chrono::steady_clock::time_point moment) {
    std::this_thread::sleep_until(moment - kSpinStretch);
    while (std::chrono::steady_clock::now() < moment) {
    }
}

}  // namespace

SimLine::SimLine(int masterFd, int farEndFd, bool baudTiming, int latencyMs, bool echo, std::FILE* log)
    : fd_(masterFd),
      farEndFd_(farEndFd),
      baudTiming_(baudTiming),
      latency_(latencyMs),
      echo_(echo),
      log_(log),
      start_(Clock::now()),
      lineFree_(start_) {}

std::optional<std::uint8_t> SimLine::Read(Clock::time_point deadline) {
    for (;;) {
        std::uint8_t byte = 0;
        const ssize_t n = ::read(fd_, &byte, 1);
        if (n == 1) {
            Log('P', byte);
            const Echo echo = std::exchange(nextEcho_, Echo::Normal);
            if (echo_ && echo != Echo::Lost) Put(echo == Echo::Wrong ? static_cast<std::uint8_t>(~byte) : byte, 'E');
            return byte;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR) {
            std::perror("tarn-radio-sim: read");
            std::exit(1);
        }
        ReleaseIfDue();
        const auto now = Clock::now();
        if (deadline <= now) return std::nullopt;
        const auto wake = std::min(deadline, ReleaseTime());
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(wake - now).count();
        pollfd p{fd_, POLLIN, 0};
        poll(&p, 1, static_cast<int>(std::clamp<long long>(left, 0, 1000)));
    }
}

std::optional<std::uint8_t> SimLine::ReadWithin(int milliseconds) {
    return Read(Clock::now() + std::chrono::milliseconds(milliseconds));
}

std::uint8_t SimLine::ReadForever() {
    for (;;) {
        if (auto b = ReadWithin(60000)) return *b;
    }
}

void SimLine::Ignore(Clock::time_point deadline) {
    while (Read(deadline)) {
    }
}

void SimLine::WaitUntilTaken() {
    const auto deadline = Clock::now() + std::chrono::seconds(3);
    int unread = 0;
    while ((!held_.empty() || (ioctl(farEndFd_, FIONREAD, &unread) == 0 && unread > 0)) && Clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        ReleaseIfDue();
    }
}

void SimLine::Idle(int milliseconds) {
    const auto end = Clock::now() + std::chrono::milliseconds(milliseconds);
    while (Clock::now() < end) {
        std::this_thread::sleep_until(std::min(end, ReleaseTime()));
        ReleaseIfDue();
    }
}

void SimLine::HangUp() {
    ::close(farEndFd_);
    ::close(fd_);
}

void SimLine::Send(std::uint8_t byte) { Put(byte, 'R'); }

void SimLine::Send(const std::vector<std::uint8_t>& bytes) {
    for (std::uint8_t b : bytes) Put(b, 'R');
}

void SimLine::Put(std::uint8_t byte, char tag) {
    if (baudTiming_) {
        lineFree_ = std::max(lineFree_, Clock::now()) + kCharTime;
        WaitUntil(lineFree_);
    }
    Log(tag, byte);
    if (latency_.count() == 0) {
        WriteOut(&byte, 1);
        return;
    }
    ReleaseIfDue();
    if (held_.empty()) heldSince_ = Clock::now();
    held_.push_back(byte);
    if (held_.size() >= kAdapterBuffer) Release();
}

Clock::time_point SimLine::ReleaseTime() const {
    return held_.empty() ? Clock::time_point::max() : heldSince_ + latency_;
}

void SimLine::ReleaseIfDue() {
    if (Clock::now() >= ReleaseTime()) Release();
}

void SimLine::Release() {
    WriteOut(held_.data(), held_.size());
    held_.clear();
}

void SimLine::WriteOut(const std::uint8_t* bytes, std::size_t count) {
    while (count > 0) {
        const ssize_t n = ::write(fd_, bytes, count);
        if (n > 0) {
            bytes += n;
            count -= static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
            pollfd p{fd_, POLLOUT, 0};
            poll(&p, 1, 100);
            continue;
        }
        std::perror("tarn-radio-sim: write");
        std::exit(1);
    }
}

void SimLine::Note(const std::string& text) {
    if (!log_) return;
    std::fprintf(log_, "# %s\n", text.c_str());
    std::fflush(log_);
}

void SimLine::Log(char tag, std::uint8_t byte) {
    if (!log_) return;
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start_).count();
    std::fprintf(log_, "%.3f %c %02X\n", ms, tag, byte);
    std::fflush(log_);
}

}  // namespace tarn::sim
