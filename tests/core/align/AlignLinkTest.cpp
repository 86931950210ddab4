#include "align/PortAlignRadio.h"

#include <gtest/gtest.h>

#include <deque>
#include <utility>
#include <vector>

#include "align/AlignItems.h"
#include "link/Link.h"

namespace tarn {
namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr int kSilence = -1;    // one receive that finds the line silent
constexpr int kLineError = -2;  // a line error pending

// A cable with its echo and a radio that says its script, in order, whenever the program reads past
// the echo of what it sent.
class ScriptedLine : public SerialDevice {
public:
    ScriptedLine(Bytes& sent, std::deque<int> radio) : sent_(sent), radio_(std::move(radio)) {}
    int Open(const std::string&) override { return 0; }
    bool IsOpen() const override { return true; }
    bool Configure(const LineSettings&) override { return true; }
    void SetTimeouts(const SerialTimeouts&) override {}
    bool Write(const std::uint8_t* bytes, std::size_t count) override {
        sent_.insert(sent_.end(), bytes, bytes + count);
        echo_.insert(echo_.end(), bytes, bytes + count);
        return true;
    }
    std::size_t Read(std::uint8_t* buffer, std::size_t count) override {
        std::size_t n = 0;
        for (; n < count && !echo_.empty(); ++n) buffer[n] = echo_.front(), echo_.pop_front();
        for (; n < count && !radio_.empty() && radio_.front() >= 0; ++n) {
            buffer[n] = static_cast<std::uint8_t>(radio_.front()), radio_.pop_front();
        }
        if (n < count && !radio_.empty() && radio_.front() == kSilence) radio_.pop_front();
        return n;
    }
    bool TakeLineError() override {
        if (!echo_.empty() || radio_.empty() || radio_.front() != kLineError) return false;
        radio_.pop_front();
        return true;
    }
    void PurgeInput() override { echo_.clear(); }
    void PurgeOutput() override {}
    void Close() override {}

private:
    Bytes& sent_;
    std::deque<int> radio_;
    std::deque<std::uint8_t> echo_;
};

struct Line {
    explicit Line(std::deque<int> radio) : port(std::make_unique<ScriptedLine>(sent, std::move(radio))) {
        OpenLink(port, "/dev/ttyS0");
    }
    Bytes sent;
    ClonePort port;
    PortAlignRadio radio{port};
};

std::deque<int> Silent(int receives) { return std::deque<int>(static_cast<std::size_t>(receives), kSilence); }

TEST(AlignLink, SendsEachCommandAsItsFrameWithTheChecksum) {
    // command, L = parameters + 1, the parameters, (command + L + parameters) mod 256; the unkey's frame is
    // the repeat test's.
    struct Case {
        const char* name;
        bool (*send)(PortAlignRadio&);
        Bytes frame;
    };
    const Case cases[] = {
        {"key", [](PortAlignRadio& r) { return r.Key(); }, {0x34, 0x01, 0x35}},
        {"channel 201", [](PortAlignRadio& r) { return r.SelectChannel(201); }, {0x30, 0x02, 201, 0xFB}},
        {"level", [](PortAlignRadio& r) { return r.SetLevel(0xFF); }, {0x32, 0x02, 0xFF, 0x33}},  // the sum wraps
        {"modulation", [](PortAlignRadio& r) { return r.SetModulation(0, 0x80, 0); }, {0x33, 0x04, 0, 0x80, 0, 0xB7}},
        {"squelch", [](PortAlignRadio& r) { return r.LoadSquelch(1, 2, 3); }, {0x3D, 0x05, 1, 2, 3, 0, 0x48}},
        {"leave", [](PortAlignRadio& r) { return r.SendSingle(0x38); }, {0x38, 0x01, 0x39}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Line line({0x06});
        EXPECT_TRUE(c.send(line.radio));
        EXPECT_EQ(line.sent, c.frame);
    }
}

TEST(AlignLink, TakesAckOrTheCommandByteWithinFiveReceives) {
    struct Case {
        std::deque<int> radio;
        bool acknowledged;
    };
    const Case cases[] = {
        {{0x06}, true},
        {{0x34}, true},  // the command byte itself acknowledges
        {{0x15}, false},
        {{0x35}, false},  // another command's byte does not
        {{kSilence, kSilence, kSilence, kSilence, 0x06}, true},
        {Silent(5), false},
        {{kLineError, 0x06}, false},
    };
    for (const Case& c : cases) {
        Line line(c.radio);
        EXPECT_EQ(line.radio.Key(), c.acknowledged);
    }
}

TEST(AlignLink, RepeatsAnUnacknowledgedUnkeyOnce) {
    const Bytes unkey{0x35, 0x01, 0x36};
    Line secondTime([] { auto s = Silent(5); s.push_back(0x06); return s; }());
    EXPECT_TRUE(secondTime.radio.Unkey());
    EXPECT_EQ(secondTime.sent, (Bytes{0x35, 0x01, 0x36, 0x35, 0x01, 0x36}));
    Line never(Silent(10));
    EXPECT_FALSE(never.radio.Unkey());
    EXPECT_EQ(never.sent.size(), 2 * unkey.size());  // no third try
}

TEST(AlignLink, ChecksReplyLengthAndChecksumBeforeUsingData) {
    // Read word 0x21: 0xF0 0x03 0x00 0x21 0x14, then the reply 0xF0 L b0 b1 sum, answered 0x06 or 0x15.
    struct Case {
        std::deque<int> reply;  // after the acknowledging command byte
        bool read;
        std::uint8_t answer;
    };
    const Case cases[] = {
        {{0x03, 0x12, 0x34, 0x39}, true, 0x06},
        {{0x03, 0x12, 0x34, 0x3A}, false, 0x15},        // checksum off by one
        {{0x04, 0x12, 0x34, 0x56, 0x90}, false, 0x06},  // a good frame, but L must be 3
        {{0x02, 0x12, 0x04}, false, 0x06},
        {{0x00, 0xF0}, false, 0},  // no room for data: nothing is read or answered
    };
    for (const Case& c : cases) {
        std::deque<int> radio{0xF0};
        radio.insert(radio.end(), c.reply.begin(), c.reply.end());
        Line line(radio);
        AlignWord word{};
        EXPECT_EQ(line.radio.ReadWord(0x21, word), c.read);
        const Bytes frame{0xF0, 0x03, 0x00, 0x21, 0x14};
        ASSERT_GE(line.sent.size(), frame.size());
        EXPECT_EQ(Bytes(line.sent.begin(), line.sent.begin() + 5), frame);
        EXPECT_EQ(line.sent.size() > 5 ? line.sent[5] : 0, c.answer);
        if (c.read) { EXPECT_EQ(word, (AlignWord{0x12, 0x34})); }
    }
}

TEST(AlignLink, MeasurementsNeedAllSixBytes) {
    // L = 6 brings five data bytes: the S-meter byte would be missing, so the read fails.
    for (int length : {5, 6, 7, 8}) {
        SCOPED_TRACE(length);
        std::deque<int> radio{0x31, length};
        std::uint8_t sum = static_cast<std::uint8_t>(0x31 + length);
        for (int i = 1; i < length; ++i) radio.push_back(i), sum = static_cast<std::uint8_t>(sum + i);
        radio.push_back(sum);
        Line line(radio);
        AlignMeasurements m{};
        EXPECT_EQ(line.radio.ReadMeasurements(m), length >= 7);
        if (length >= 7) { EXPECT_EQ(m, (AlignMeasurements{1, 2, 3, 4, 5, 6})); }
    }
}

TEST(AlignLink, ReadsTheVorAngleHighByteFirst) {
    Line line({0x3C, 0x03, 0x14, 0x0A, static_cast<std::uint8_t>(0x3C + 0x03 + 0x14 + 0x0A)});
    std::uint16_t raw = 0;
    ASSERT_TRUE(line.radio.ReadVorAngle(raw));
    EXPECT_EQ(raw, 0x140A);
    EXPECT_EQ(VorAngleDegrees(raw), 90);
}

}  // namespace
}  // namespace tarn
