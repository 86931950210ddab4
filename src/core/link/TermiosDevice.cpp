// The serial device on a POSIX terminal: termios for the line, poll() deadlines for the time-outs,
// the driver's error counters and hang-ups for line errors.
#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "link/TermiosDevice.h"

namespace tarn {
namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

speed_t SpeedFor(std::uint32_t baud) {
    switch (baud) {
        case 1200: return B1200;
        case 2400: return B2400;
        case 4800: return B4800;
        case 19200: return B19200;
        case 38400: return B38400;
        case 57600: return B57600;
        case 115200: return B115200;
        default: return B9600;
    }
}

tcflag_t SizeFlag(std::uint8_t bits) {
    switch (bits) {
        case 5: return CS5;
        case 6: return CS6;
        case 7: return CS7;
        default: return CS8;
    }
}

// Waits until `fd` is ready for `events` or `deadline` passes. Returns false on time-out or hang-up.
bool WaitReady(int fd, short events, Clock::time_point deadline) {
    for (;;) {
        const auto left = deadline - Clock::now();
        if (left <= Clock::duration::zero()) return false;
        const auto ns = std::chrono::duration_cast<std::chrono::nanoseconds>(left).count();
        const timespec ts{static_cast<time_t>(ns / 1000000000), static_cast<long>(ns % 1000000000)};
        pollfd p{fd, events, 0};
        const int rc = ppoll(&p, 1, &ts, nullptr);
        if (rc < 0 && errno == EINTR) continue;
        if (rc <= 0) return false;
        return (p.revents & events) != 0;
    }
}

class TermiosDevice : public SerialDevice {
public:
    ~TermiosDevice() override { Close(); }

    int Open(const std::string& path) override {
        Close();
        const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0) return errno;
        if (!isatty(fd)) {
            ::close(fd);
            return ENOTTY;
        }
        // Another program holding the port, through a lock or an exclusive terminal, keeps us out.
        if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd);
            return EBUSY;
        }
        ioctl(fd, TIOCEXCL);
        // The protocol waits for the echoes of its handshake bytes, acknowledgements and block checksums
        // one by one: let USB adapters hand bytes on at once where the driver allows it.
        serial_struct serial{};
        if (ioctl(fd, TIOCGSERIAL, &serial) == 0 && !(serial.flags & ASYNC_LOW_LATENCY)) {
            serial.flags |= ASYNC_LOW_LATENCY;
            ioctl(fd, TIOCSSERIAL, &serial);
        }
        fd_ = fd;
        hungUp_ = false;
        hangUpTold_ = false;
        countersAvailable_ = ioctl(fd_, TIOCGICOUNT, &counters_) == 0;
        return 0;
    }

    bool IsOpen() const override { return fd_ >= 0; }

    bool Configure(const LineSettings& settings) override {
        termios t{};
        if (fd_ < 0 || tcgetattr(fd_, &t) != 0) return false;
        t.c_iflag &= ~(IGNBRK | BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL | IXON | IXOFF | IXANY | INPCK);
        t.c_oflag &= ~OPOST;
        t.c_lflag &= ~(ECHO | ECHONL | ICANON | ISIG | IEXTEN);
        t.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
        t.c_cflag |= SizeFlag(settings.byteSize) | CLOCAL | CREAD | HUPCL;
        if (settings.parity == 1) t.c_cflag |= PARENB | PARODD;
        if (settings.parity == 2) t.c_cflag |= PARENB;
        if (settings.stopBits != 0) t.c_cflag |= CSTOPB;
        // With O_NONBLOCK, VMIN 1 makes an empty read fail with EAGAIN; 0 bytes then means end of line.
        t.c_cc[VMIN] = 1;
        t.c_cc[VTIME] = 0;
        t.c_cc[VSTART] = 0x11;
        t.c_cc[VSTOP] = 0x13;
        cfsetispeed(&t, SpeedFor(settings.baudRate));
        cfsetospeed(&t, SpeedFor(settings.baudRate));
        if (tcsetattr(fd_, TCSANOW, &t) != 0) return false;
        // A pseudo-terminal has no modem lines; there this fails and does not matter.
        const int lines = TIOCM_DTR | TIOCM_RTS;
        ioctl(fd_, TIOCMBIS, &lines);
        return true;
    }

    void SetTimeouts(const SerialTimeouts& timeouts) override { timeouts_ = timeouts; }

    bool Write(const std::uint8_t* bytes, std::size_t count) override {
        if (fd_ < 0) return false;
        const auto deadline = Clock::now() + milliseconds(timeouts_.writeConstantMs) +
                              milliseconds(static_cast<long long>(timeouts_.writePerByteMs) * count);
        std::size_t done = 0;
        while (done < count) {
            const ssize_t n = ::write(fd_, bytes + done, count - done);
            if (n > 0) {
                done += static_cast<std::size_t>(n);
            } else if (n < 0 && errno == EINTR) {
                continue;
            } else if (n < 0 && errno == EAGAIN) {
                if (!WaitReady(fd_, POLLOUT, deadline)) return false;
            } else {
                return false;
            }
        }
        return true;
    }

    std::size_t Read(std::uint8_t* buffer, std::size_t count) override {
        if (fd_ < 0) return 0;
        const auto start = Clock::now();
        const auto total = start + milliseconds(timeouts_.readConstantMs) +
                           milliseconds(static_cast<long long>(timeouts_.readPerByteMs) * count);
        std::size_t got = 0;
        auto lastByte = start;
        while (got < count) {
            auto deadline = total;
            if (got > 0 && timeouts_.readIntervalMs > 0) {
                deadline = std::min(deadline, lastByte + milliseconds(timeouts_.readIntervalMs));
            }
            const ssize_t n = ::read(fd_, buffer + got, count - got);
            if (n > 0) {
                got += static_cast<std::size_t>(n);
                lastByte = Clock::now();
                continue;
            }
            if (n < 0 && errno == EINTR) continue;
            if (n < 0 && errno == EAGAIN) {
                if (WaitReady(fd_, POLLIN, deadline)) continue;
                if (Clock::now() >= deadline) break;
            }
            // The other end hung up (or the device failed): a line error, told once; after that the
            // line is silent, and each read still lasts its time-out so that nobody spins on a dead port.
            hungUp_ = true;
            std::this_thread::sleep_until(deadline);
            break;
        }
        return got;
    }

    bool TakeLineError() override {
        if (fd_ < 0) return false;
        const bool counted = CountersMoved();
        const bool hangUp = hungUp_ && !hangUpTold_;
        hangUpTold_ = hungUp_;
        return counted || hangUp;
    }

    void PurgeInput() override {
        if (fd_ >= 0) tcflush(fd_, TCIFLUSH);
    }

    void PurgeOutput() override {
        if (fd_ >= 0) tcflush(fd_, TCOFLUSH);
    }

    void Close() override {
        if (fd_ < 0) return;
        const int dtr = TIOCM_DTR;
        ioctl(fd_, TIOCMBIC, &dtr);
        tcflush(fd_, TCIOFLUSH);
        ::close(fd_);
        fd_ = -1;
    }

private:
    bool CountersMoved() {
        serial_icounter_struct now{};
        if (!countersAvailable_ || ioctl(fd_, TIOCGICOUNT, &now) != 0) return false;
        const bool moved = now.frame != counters_.frame || now.parity != counters_.parity ||
                           now.overrun != counters_.overrun || now.brk != counters_.brk ||
                           now.buf_overrun != counters_.buf_overrun;
        counters_ = now;
        return moved;
    }

    int fd_ = -1;
    SerialTimeouts timeouts_;
    bool countersAvailable_ = false;
    serial_icounter_struct counters_{};
    bool hungUp_ = false;      // a read found the line hung up (the far end of a pseudo-terminal closed,
                               // a USB adapter removed)
    bool hangUpTold_ = false;  // TakeLineError has reported it
};

}  // namespace

std::unique_ptr<SerialDevice> MakeTermiosDevice() { return std::make_unique<TermiosDevice>(); }

}  // namespace tarn
