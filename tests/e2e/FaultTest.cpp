// Every way a transfer can fail ends with its message, leaves the image as it was and is told once.
#include <gtest/gtest.h>

#include "SimHarness.h"

namespace tarn::test {
namespace {

struct Fault {
    std::vector<std::string> options;
    std::string message;
};

std::ostream& operator<<(std::ostream& out, const Fault& f) {
    for (const auto& o : f.options) out << o << ' ';
    return out << "-> " << f.message;
}

void ExpectFailedUpload(const JobOutcome& out, const std::string& message) {
    EXPECT_FALSE(out.succeeded);
    EXPECT_FALSE(out.imageReplaced);
    EXPECT_EQ(out.image, ProgramImage());
    EXPECT_EQ(out.messages, std::vector<std::string>{message});
    ASSERT_FALSE(out.events.empty());
    EXPECT_EQ(out.events.back(), (Event{Event::Done, 0}));
}

// What the program sends in a read that acknowledged `blocks` blocks.
Bytes Concat70(int blocks) {
    Bytes b{0x70};
    b.insert(b.end(), static_cast<std::size_t>(blocks), 0x06);
    return b;
}

class ReadFault : public testing::TestWithParam<Fault> {};

TEST_P(ReadFault, EndsTheUploadWithItsMessage) {
    SimRadio radio(GetParam().options, RadioImage());
    ExpectFailedUpload(RunJob(TransferOperation::Upload, radio.Port(), ProgramImage()), GetParam().message);
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
    testing::Values(Fault{{"--bad-checksum", "2"}, "BCC Error"},
                    Fault{{"--length", "1:2"}, "Communication Error"},
                    Fault{{"--length", "1:0"}, "Communication Error"},
                    // more data than the receive staging area holds
                    Fault{{"--block-size", "141"}, "Communication Error"},
                    // a last block that runs past the end of the image
                    Fault{{"--block-size", "100", "--overrun"}, "Communication Error"},
                    Fault{{"--model-id", "0003"}, "Hardware configuration mismatched!"}));

TEST(ReadFaults, ABadChecksumIsAnsweredWithNak) {
    SimRadio radio({"--bad-checksum", "2"}, RadioImage());
    RunJob(TransferOperation::Upload, radio.Port(), ProgramImage());
    EXPECT_EQ(Tagged(radio.Log(), 'P'), (Bytes{0x70, 0x06, 0x06, 0x15}));
}

TEST(ReadFaults, AnOversizedBlockIsRefusedBeforeItsData) {
    SimRadio radio({"--block-size", "100", "--overrun"}, RadioImage());
    RunJob(TransferOperation::Upload, radio.Port(), ProgramImage());
    // 40 blocks of 100 bytes taken; the 41st (100 bytes where 96 are left) is neither taken nor refused.
    EXPECT_EQ(Tagged(radio.Log(), 'P'), Concat70(40));
}

TEST(DownloadFaults, OtherHardwareBitsStopBeforeTheWrite) {
    SimRadio radio({"--hardware-bits", "5"}, RadioImage());
    const JobOutcome out = RunJob(TransferOperation::Download, radio.Port(), ProgramImage());
    EXPECT_FALSE(out.succeeded);
    EXPECT_EQ(out.messages, std::vector<std::string>{"Hardware configuration mismatched!"});
    EXPECT_EQ(out.image[0], RadioImage()[0]);  // the firmware bytes are taken all the same
    EXPECT_EQ(out.image[1], RadioImage()[1]);
    EXPECT_TRUE(std::equal(out.image.begin() + 2, out.image.end(), ProgramImage().begin() + 2));
    EXPECT_EQ(Tagged(radio.Log(), 'P'), Concat70(32));
    EXPECT_FALSE(radio.Saved());
}

class WriteFault : public testing::TestWithParam<Fault> {};

TEST_P(WriteFault, EndsTheDownloadWithItsMessage) {
    SimRadio radio(GetParam().options, RadioImage());
    const JobOutcome out = RunJob(TransferOperation::Download, radio.Port(), ProgramImage());
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

TEST(LinkFaults, APortThatCannotBeOpenedIsToldWithTheReason) {
    TempDir dir;
    const JobOutcome out = RunJob(TransferOperation::Upload, dir.File("no-such-port"), ProgramImage());
    EXPECT_FALSE(out.succeeded);
    EXPECT_EQ(out.messages,
              std::vector<std::string>{"Problem with COM port\r\n" + dir.File("no-such-port") + " does not exist."});
    EXPECT_EQ(out.events, (std::vector<Event>{{Event::Done, 0}}));
    EXPECT_EQ(out.image, ProgramImage());
}

TEST(LinkFaults, AMissingEchoWhileCompletingTheHandshakeAsksToCheckTheLead) {
    // Switched on once the program listens (after its silent probe of 2 x 155 ms).
    SimRadio radio({"--no-echo", "--power-cycle", "800"}, RadioImage());
    const JobOutcome out = RunJob(TransferOperation::Upload, radio.Port(), ProgramImage());
    EXPECT_EQ(out.messages, std::vector<std::string>{"Check that lead is connected to COM " + radio.Port()});
}

TEST(Cancel, WhileWaitingForTheRadioEndsSilently) {
    SimRadio radio({"--power-cycle", "600000"}, RadioImage());
    RunningJob job(TransferOperation::Upload, radio.Port(), ProgramImage());
    ASSERT_TRUE(radio.WaitForNote("switched off"));
    job.Cancel();
    const JobOutcome out = job.Finish();
    EXPECT_FALSE(out.succeeded);
    EXPECT_TRUE(out.messages.empty());
    EXPECT_EQ(out.image, ProgramImage());
    EXPECT_EQ(out.events.back(), (Event{Event::Done, 0}));
}

TEST(Cancel, DuringAnAcknowledgementWaitIsACommunicationError) {
    SimRadio radio({"--ignore-block", "2"}, RadioImage());
    RunningJob job(TransferOperation::Download, radio.Port(), ProgramImage());
    ASSERT_TRUE(radio.WaitForNote("write block 2 received"));
    job.Cancel();
    const JobOutcome out = job.Finish();
    EXPECT_EQ(out.messages, std::vector<std::string>{"Communication Error"});
    EXPECT_LT(out.seconds, 60.0);
}

}  // namespace
}  // namespace tarn::test
