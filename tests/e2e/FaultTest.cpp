// Every way a transfer can fail ends with its message, leaves the image as it was and is told once.
#include <gtest/gtest.h>

#include "SimHarness.h"

namespace tarn::test {
namespace {

using Op = TransferOperation;

struct Fault {
    std::vector<std::string> options;
    std::string message;
    std::vector<std::uint8_t> sent = {};  // what the program sends, when checked
};

std::ostream& operator<<(std::ostream& out, const Fault& f) {
    for (const auto& o : f.options) out << o << ' ';
    return out << "-> " << f.message;
}

// What the program sends in a read that acknowledged `blocks` blocks.
Bytes Concat70(int blocks) {
    Bytes b{0x70};
    b.insert(b.end(), static_cast<std::size_t>(blocks), 0x06);
    return b;
}

class ReadFault : public testing::TestWithParam<Fault> {};

TEST_P(ReadFault, EndsTheUploadWithItsMessage) {
    SimRadio radio(GetParam().options);
    const JobOutcome out = RunningJob({Op::Upload, radio.Port()}, ProgramImage()).Finish();
    EXPECT_FALSE(out.succeeded);
    EXPECT_FALSE(out.imageReplaced);
    EXPECT_EQ(out.image, ProgramImage());
    EXPECT_EQ(out.messages, std::vector<std::string>{GetParam().message});
    EXPECT_EQ(out.events.back(), (Event{Event::Done, 0}));
    if (!GetParam().sent.empty()) { EXPECT_EQ(Tagged(radio.Log(), 'P'), GetParam().sent); }
}

// Block 1 cut after K of its bytes: type, L = 0x82, number, 128 data bytes, checksum.
INSTANTIATE_TEST_SUITE_P(
    Silences, ReadFault,
    testing::Values(Fault{{"--cut", "1:0"}, "Timeout 4"}, Fault{{"--cut", "1:1"}, "Timeout 5"},
                    Fault{{"--cut", "1:2"}, "Timeout 6"}, Fault{{"--cut", "1:3"}, "Timeout 7"},
                    Fault{{"--cut", "1:100"}, "Timeout 7"}, Fault{{"--cut", "1:131"}, "Timeout 8"},
                    Fault{{"--hangup", "5:40"}, "Timeout 7"}));

INSTANTIATE_TEST_SUITE_P(
    BadBlocks, ReadFault,
    testing::Values(Fault{{"--bad-checksum", "2"}, "BCC Error", {0x70, 0x06, 0x06, 0x15}},  // answered with NAK
                    Fault{{"--length", "1:2"}, "Communication Error"},
                    Fault{{"--length", "1:0"}, "Communication Error"},
                    // more data than the receive staging area holds
                    Fault{{"--block-size", "141"}, "Communication Error"},
                    // a last block that runs past the end of the image (100 bytes where 96 are left) is
                    // refused before its data: neither taken nor answered
                    Fault{{"--block-size", "100", "--overrun"}, "Communication Error", Concat70(40)},
                    Fault{{"--model-id", "0003"}, "Hardware configuration mismatched!"}));

class WriteFault : public testing::TestWithParam<Fault> {};

TEST_P(WriteFault, EndsTheDownloadWithItsMessage) {
    SimRadio radio(GetParam().options);
    const JobOutcome out = RunningJob({Op::Download, radio.Port()}, ProgramImage()).Finish();
    EXPECT_FALSE(out.succeeded);
    EXPECT_EQ(out.messages, std::vector<std::string>{GetParam().message});
    EXPECT_FALSE(radio.Saved());
    // Blocks 0 and 1 were acknowledged, block 2 was the last one begun (a radio that hung up logs no more).
    const Bytes sent = Tagged(radio.Log(), 'P');
    const std::size_t block2 = 34 + 2 * 132;
    ASSERT_GT(sent.size(), block2);
    EXPECT_EQ(sent[block2], 0x21);
    if (GetParam().options[0] != "--hangup-write") {
        EXPECT_EQ(sent.size(), block2 + 132);
        EXPECT_EQ(sent[block2 + 2], 2);
    }
}

INSTANTIATE_TEST_SUITE_P(Faults, WriteFault,
                         testing::Values(Fault{{"--reject-block", "2"}, "BCC Error"},
                                         Fault{{"--ignore-block", "2"}, "Timeout 4"},
                                         Fault{{"--hangup-write", "2"}, "Timeout 4"}));

// Jobs stopped by the radio or a cancel: nothing saved, no alignment mode, the image kept, the end told.
TEST(JobFaults, StopWithoutHarm) {
    const std::vector<std::string> mismatch{"Hardware configuration mismatched!"};
    struct Case {
        Op op;
        std::vector<std::string> options;
        const char* cancelAt;  // cancel once the radio logs this, or never
        std::vector<std::string> messages;
        CloneImage image;
        Bytes sent;  // what the program sends, when checked
    };
    const Case cases[] = {
        {Op::Upload, {"--power-cycle", "600000"}, "switched off", {}, ProgramImage(), {}},  // silently
        {Op::Download, {"--ignore-block", "2"}, "write block 2 received", {"Communication Error"}, ProgramAfterRead(), {}},
        // The hardware bits are checked after the read: nothing more is sent, the firmware bytes are taken.
        {Op::Download, {"--hardware-bits", "5"}, nullptr, mismatch, ProgramAfterRead(), Concat70(32)},
        {Op::AlignEntry, {"--hardware-bits", "5"}, nullptr, mismatch, ProgramAfterRead(), Concat70(32)},
        // Cancelled while the radio is switched off for the alignment handshake: the merged image stays.
        {Op::AlignEntry, {"--power-cycle", "2000"}, "alignment requested", {}, MergedImage(RadioImage(), ProgramImage(), false), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.op) << ' ' << c.options[0]);
        SimRadio radio(c.options);
        RunningJob job({c.op, radio.Port()}, ProgramImage());
        if (c.cancelAt) {
            ASSERT_TRUE(radio.WaitForNote(c.cancelAt));
            job.Cancel();
        }
        const JobOutcome out = job.Finish();
        EXPECT_FALSE(out.succeeded);
        EXPECT_FALSE(out.radioInAlignMode);
        EXPECT_EQ(out.messages, c.messages);
        EXPECT_EQ(out.image, c.image);
        EXPECT_EQ(out.events.back(), (Event{Event::Done, 0}));
        EXPECT_FALSE(radio.Saved());
        if (!c.sent.empty()) { EXPECT_EQ(Tagged(radio.Log(), 'P'), c.sent); }
    }
}

TEST(LinkFaults, APortThatCannotBeOpenedIsToldWithTheReason) {
    TempDir dir;
    const JobOutcome out = RunningJob({Op::Upload, dir.File("no-such-port")}, ProgramImage()).Finish();
    EXPECT_FALSE(out.succeeded);
    EXPECT_EQ(out.messages,
              std::vector<std::string>{"Problem with COM port\r\n" + dir.File("no-such-port") + " does not exist."});
    EXPECT_EQ(out.events, (std::vector<Event>{{Event::Done, 0}}));
    EXPECT_EQ(out.image, ProgramImage());
}

TEST(LinkFaults, AMissingEchoWhileCompletingTheHandshakeAsksToCheckTheLead) {
    // Switched on once the program listens (after its silent probe of 2 x 155 ms).
    SimRadio radio({"--no-echo", "--power-cycle", "800"});
    const JobOutcome out = RunningJob({Op::Upload, radio.Port()}, ProgramImage()).Finish();
    EXPECT_EQ(out.messages, std::vector<std::string>{"Check that lead is connected to COM " + radio.Port()});
}

}  // namespace
}  // namespace tarn::test
