// Every way a transfer can fail ends with its message, leaves the image as it was and is told once.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <iomanip>
#include <iostream>
#include <sstream>

#include "SimHarness.h"

namespace tarn::test {
namespace {

using Op = TransferOperation;

// What the program sends in a read that acknowledged `blocks` blocks.
Bytes Read(int blocks) { return Concat({{0x70}, Bytes(static_cast<std::size_t>(blocks), 0x06)}); }

// What the program sends in a Download up to the first `bytes` bytes of its write.
Bytes Written(std::size_t bytes) {
    const Bytes blocks = Blocks(0x21, MergedImage(RadioImage(), ProgramImage(), false));
    return Concat({Read(32), {0x60}, Bytes(blocks.begin(), blocks.begin() + static_cast<long>(bytes))});
}

// What the program sends in a Download up to the end of written block 2 when the cable echoed the block's
// byte `index` (0 is its command byte) wrong, or lost that echo: the checksum takes the data bytes as
// echoed, a lost one left out.
Bytes WrittenWithEcho(std::size_t index, bool lost) {
    Bytes sent = Written(3 * 132);
    const std::uint8_t byte = sent[sent.size() - 132 + index];
    const std::uint8_t echo = lost ? 0 : static_cast<std::uint8_t>(~byte);
    sent.back() = static_cast<std::uint8_t>(sent.back() - byte + echo);
    return sent;
}
using Clock = std::chrono::steady_clock;

// Every job and command ends this soon after its fault, however it ends.
constexpr auto kFaultEndsWithin = std::chrono::seconds(10);

// The fault matrix's table, printed by the test: what was done, how it ended and how long it took.
class OutcomeTable {
public:
    void Add(const std::string& run, const std::vector<std::string>& faults, const std::string& outcome,
             Clock::duration took) {
        std::string joined;
        for (const std::string& f : faults) joined += f + ' ';
        std::string flat = outcome;
        for (char& c : flat) c = (c == '\r' || c == '\n') ? ' ' : c;
        rows_ << std::left << std::setw(22) << run << std::setw(34) << joined << std::setw(7)
              << std::chrono::duration_cast<std::chrono::milliseconds>(took).count() << flat << '\n';
    }
    ~OutcomeTable() { std::cout << "run                   faults                            ms     outcome\n" << rows_.str(); }

private:
    std::ostringstream rows_;
};

// Jobs stopped by the radio or a cancel: nothing saved, no alignment mode, the image kept, the end told.
TEST(JobFaults, StopWithTheirMessageAndWithoutHarm) {
    const std::string comm = "Communication Error", mismatch = "Hardware configuration mismatched!";
    const CloneImage program = ProgramImage(), taken = ProgramAfterRead();
    const CloneImage merged = MergedImage(RadioImage(), program, false);
    struct Case {
        Op op;
        std::vector<std::string> options;
        std::vector<std::string> messages;
        CloneImage image;
        Bytes sent;                   // what the program sends, when checked
        const char* cancelAt = nullptr;  // cancel once the radio logs this
        const char* vanishAt = nullptr;  // the radio is gone once it logs this
    };
    const Case cases[] = {
        // Block 1 of a read cut after K of its bytes: type, L = 0x82, number, 128 data bytes, checksum.
        {Op::Upload, {"--cut", "1:0"}, {"Timeout 4"}, program, Read(1)},
        {Op::Upload, {"--cut", "1:1"}, {"Timeout 5"}, program, {}},
        {Op::Upload, {"--cut", "1:2"}, {"Timeout 6"}, program, {}},
        {Op::Upload, {"--cut", "1:3"}, {"Timeout 7"}, program, {}},
        {Op::Upload, {"--cut", "1:100"}, {"Timeout 7"}, program, {}},
        {Op::Upload, {"--cut", "1:131"}, {"Timeout 8"}, program, Read(1)},
        // The radio hangs up, a line error, in each field of a read block: type, L, number, data, checksum.
        {Op::Upload, {"--hangup", "0:1"}, {comm}, program, Read(0)},
        {Op::Upload, {"--hangup", "1:0"}, {comm}, program, Read(1)},
        {Op::Upload, {"--hangup", "1:1"}, {comm}, program, Read(1)},
        {Op::Upload, {"--hangup", "1:2"}, {comm}, program, Read(1)},
        {Op::Upload, {"--hangup", "1:3"}, {comm}, program, Read(1)},
        {Op::Upload, {"--hangup", "1:100"}, {comm}, program, Read(1)},
        {Op::Upload, {"--hangup", "1:131"}, {comm}, program, Read(1)},
        // A pause inside a 16-byte piece of data longer than the 100 ms allowed between two bytes.
        {Op::Upload, {"--pause", "1:20:165"}, {"Timeout 7"}, program, Read(1)},
        {Op::Upload, {"--bad-checksum", "2"}, {"BCC Error"}, program, Concat({Read(2), {0x15}})},  // answered with NAK
        {Op::Upload, {"--length", "1:2"}, {comm}, program, {}},
        {Op::Upload, {"--length", "1:0"}, {comm}, program, {}},
        // more data than the receive staging area holds
        {Op::Upload, {"--block-size", "141"}, {comm}, program, {}},
        // a last block that runs past the end of the image (100 bytes where 96 are left): neither taken nor answered
        {Op::Upload, {"--block-size", "100", "--overrun"}, {comm}, program, Read(40)},
        {Op::Upload, {"--model-id", "0003"}, {mismatch}, program, {}},
        // Line noise where the next block should start reads as a block length no block has.
        {Op::Upload, {"--garbage", "3"}, {comm}, program, Read(3)},
        // The hardware bits are checked after the read: nothing more is sent, the firmware bytes are taken.
        {Op::Download, {"--hardware-bits", "5"}, {mismatch}, taken, Read(32)},
        {Op::AlignEntry, {"--hardware-bits", "5"}, {mismatch}, taken, Read(32)},
        // Write block 2 refused, never answered, or the radio gone instead of answering (132 bytes a block).
        {Op::Download, {"--reject-block", "2"}, {"BCC Error"}, taken, Written(3 * 132)},
        {Op::Download, {"--ignore-block", "2"}, {"Timeout 4"}, taken, Written(3 * 132)},
        {Op::Download, {"--hangup-write", "2"}, {comm}, taken, Written(3 * 132)},
        // The cable echoes a byte of write block 2 wrong, or loses the echo of its last data byte (both
        // left out of the checksum, which the radio refuses), or of its checksum (the acknowledgement
        // taken for that echo, none left to wait for).
        {Op::Download, {"--wrong-echo", "2:60"}, {"BCC Error"}, taken, WrittenWithEcho(60, false)},
        {Op::Download, {"--lost-echo", "2:130"}, {"BCC Error"}, taken, WrittenWithEcho(130, true)},
        {Op::Download, {"--lost-echo", "2:131"}, {"Timeout 4"}, taken, Written(3 * 132)},
        // Cancelled while waiting for the radio (silently), between two read or write blocks (silently),
        // for a write acknowledgement, or while the radio is switched off for the alignment handshake
        // (the merged image stays).
        {Op::Upload, {"--power-cycle", "600000"}, {}, program, {}, "switched off"},
        {Op::Upload, {"--baud-timing", "--pause", "3:0:0"}, {}, program, {}, "read block 3 paused"},
        {Op::Download, {"--late-ack", "2:50"}, {}, taken, {}, "write block 2 answered late"},
        // in the middle of sending a write block: the block is finished, nothing more sent
        {Op::Download, {"--baud-timing"}, {}, taken, Written(3 * 132), "write block 2 started"},
        {Op::Download, {"--ignore-block", "2"}, {comm}, taken, {}, "write block 2 received"},
        {Op::AlignEntry, {"--power-cycle", "2000"}, {}, merged, {}, "alignment requested"},
        // The cable pulled out in the middle of a read block and while a written block waits for its answer.
        {Op::Upload, {"--pause", "3:20:5000"}, {comm}, program, {}, nullptr, "read block 3 paused"},
        {Op::Download, {"--late-ack", "2:5000"}, {comm}, taken, {}, nullptr, "write block 2 answered late"},
    };
    const char* operations[] = {"job upload", "job download", "job alignment entry"};
    OutcomeTable table;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.op) << ' ' << c.options.front() << ' ' << c.options.back()
                                        << (c.cancelAt ? " cancelled" : ""));
        SimRadio radio(c.options);
        const auto start = Clock::now();
        RunningJob job({c.op, radio.Port()}, program);
        if (c.cancelAt) {
            ASSERT_TRUE(radio.WaitForNote(c.cancelAt));
            job.Cancel();
        }
        if (c.vanishAt) {
            ASSERT_TRUE(radio.WaitForNote(c.vanishAt));
            radio.Vanish();
        }
        const JobOutcome out = job.Finish();
        const auto took = Clock::now() - start;
        table.Add(operations[int(c.op)], c.options, out.messages.empty() ? "(cancelled)" : out.messages[0], took);
        EXPECT_LT(took, kFaultEndsWithin);
        EXPECT_FALSE(out.succeeded);
        EXPECT_FALSE(out.imageReplaced);
        EXPECT_FALSE(out.radioInAlignMode);
        EXPECT_EQ(out.messages, c.messages);
        EXPECT_EQ(out.image, c.image);
        EXPECT_EQ(out.events.back(), (Event{Event::Done, 0}));
        EXPECT_TRUE(radio.Saved().empty());
        if (!c.sent.empty()) {
            EXPECT_EQ(Tagged(radio.Log(), 'P'), c.sent);
        }
    }
}

// tarn-cli against the same faults: its message, exit status 1, the file it was given untouched, and Ctrl+C
// honoured at every wait.
TEST(CliFaults, StopWithTheirMessageAndLeaveTheFileAsItWas) {
    const std::string comm = "Communication Error", mismatch = "Hardware configuration mismatched!";
    struct Case {
        const char* command;  // "upload" into an existing file, or "download" from one
        std::vector<std::string> options;
        std::string message;  // what the output holds
        const char* interruptAt = nullptr;  // Ctrl+C once the radio logs this
        const char* vanishAt = nullptr;     // the radio is gone once it logs this
    };
    const Case cases[] = {
        {"upload", {"--cut", "1:0"}, "Timeout 4"},
        {"upload", {"--cut", "2:3"}, "Timeout 7"},
        {"upload", {"--bad-checksum", "2"}, "BCC Error"},
        {"upload", {"--length", "1:0"}, comm},
        {"upload", {"--block-size", "141"}, comm},
        {"upload", {"--block-size", "100", "--overrun"}, comm},
        {"upload", {"--garbage", "3"}, comm},
        {"upload", {"--hangup", "1:100"}, comm},
        {"upload", {"--model-id", "0003"}, mismatch},
        {"download", {"--hardware-bits", "5"}, mismatch},
        {"download", {"--reject-block", "2"}, "BCC Error"},
        {"download", {"--ignore-block", "2"}, "Timeout 4"},
        {"download", {"--hangup-write", "2"}, comm},
        {"upload", {"--pause", "3:20:5000"}, comm, nullptr, "read block 3 paused"},
        {"download", {"--late-ack", "2:5000"}, comm, nullptr, "write block 2 answered late"},
        {"upload", {"--power-cycle", "600000"}, "cancelled", "switched off"},
        {"upload", {"--baud-timing", "--pause", "3:0:0"}, "cancelled", "read block 3 paused"},
        {"download", {"--late-ack", "2:50"}, "cancelled", "write block 2 answered late"},
        // A cancel while a written block waits for its answer leaves the radio's state unknown: told.
        {"download", {"--ignore-block", "2"}, comm, "write block 2 received"},
    };
    TempDir dir;
    const std::string file = dir.File("kept.trn");
    const Bytes kept = ImageFileBytes(ProgramImage());
    OutcomeTable table;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.command << ' ' << c.options[0]);
        WriteBytes(file, kept);
        SimRadio radio(c.options);
        const auto start = Clock::now();
        // A download writes without asking and keeps no backup here: the faults are what is tried.
        std::vector<std::string> args{c.command, "--port", radio.Port(), file};
        if (std::string_view(c.command) == "download") args.insert(args.begin() + 3, {"--yes", "--no-backup"});
        const CliRun run = RunCli(args, [&](pid_t pid) {
            if (c.interruptAt) {
                ASSERT_TRUE(radio.WaitForNote(c.interruptAt));
                kill(pid, SIGINT);
            }
            if (c.vanishAt) {
                ASSERT_TRUE(radio.WaitForNote(c.vanishAt));
                radio.Vanish();
            }
        });
        const auto took = Clock::now() - start;
        const std::string last = run.output.substr(run.output.find_last_of('\n', run.output.size() - 2) + 1);
        table.Add(std::string("tarn-cli ") + c.command, c.options, std::to_string(run.status) + " " + last, took);
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.output.find(c.message), std::string::npos) << run.output;
        EXPECT_EQ(ReadBytes(file), kept);
        EXPECT_LT(took, kFaultEndsWithin);
        const bool radioGone = c.vanishAt || c.options[0].starts_with("--hangup");
        if (!radioGone) {  // the port is free for the next program
            ClonePort next;
            EXPECT_TRUE(next.Open({radio.Port(), {}}));
        }
    }
}

TEST(LinkFaults, APortThatCannotBeOpenedIsToldWithTheReason) {
    TempDir dir;
    const JobOutcome out = RunningJob({Op::Upload, dir.File("no-such-port")}, ProgramImage()).Finish();
    EXPECT_FALSE(out.succeeded);
    EXPECT_EQ(out.messages,
              std::vector<std::string>{"Problem with COM port\r\n" + dir.File("no-such-port") +
                                               " does not exist. Check the name, or choose one of the ports "
                                               "the system lists."});
    EXPECT_EQ(out.events, (std::vector<Event>{{Event::Done, 0}}));
    EXPECT_EQ(out.image, ProgramImage());
}

TEST(LinkFaults, ALeadThatFailsWhileFindingTheRadioAsksToCheckIt) {
    // No echo once the radio is switched on (after the silent probe of 2 x 155 ms), or the line hung up
    // while the first probe waits for its answer.
    for (const auto& options : {std::vector<std::string>{"--no-echo", "--power-cycle", "800"}, {"--hangup", "0:0"}}) {
        SCOPED_TRACE(options[0]);
        SimRadio radio(options);
        const JobOutcome out = RunningJob({Op::Upload, radio.Port()}, ProgramImage()).Finish();
        EXPECT_EQ(out.messages, std::vector<std::string>{"Check that lead is connected to COM " + radio.Port()});
    }
}

}  // namespace
}  // namespace tarn::test
