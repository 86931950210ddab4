// Every way a transfer can fail ends with its message, leaves the image and the file as they were and is
// told once: run as a transfer job, and as tarn-cli, which also exits with 1 and frees the port.
#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <iomanip>
#include <iostream>
#include <sstream>

#include "SimHarness.h"

namespace tarn::test {
namespace {

using Op = TransferOperation;
using Clock = std::chrono::steady_clock;

// Every job and command ends this soon after its fault, however it ends.
constexpr auto kFaultEndsWithin = std::chrono::seconds(10);

// What the program sends in a read that acknowledged `blocks` blocks.
Bytes Read(int blocks) { return Concat({{0x70}, Bytes(static_cast<std::size_t>(blocks), 0x06)}); }

// What the program sends in a Download up to the end of written block 2 (132 bytes a block). When the
// cable echoed the block's byte `echoIndex` (0 is its command byte) wrong, or lost that echo, the checksum
// takes the data bytes as echoed, a lost one left out.
Bytes WrittenToBlock2(int echoIndex = -1, bool lost = false) {
    const Bytes blocks = Blocks(0x21, MergedImage(RadioImage(), ProgramImage(), false));
    Bytes sent = Concat({Read(32), {0x60}, Bytes(blocks.begin(), blocks.begin() + 3 * 132)});
    if (echoIndex >= 0) {
        const std::uint8_t byte = sent[sent.size() - 132 + static_cast<std::size_t>(echoIndex)];
        sent.back() = static_cast<std::uint8_t>(sent.back() - byte + (lost ? 0 : static_cast<std::uint8_t>(~byte)));
    }
    return sent;
}

struct Fault {
    Op op;
    bool cli;  // also run through tarn-cli
    std::vector<std::string> options;
    std::vector<std::string> messages;  // the job's; tarn-cli prints the first, or "cancelled" for none
    CloneImage image;                   // the job's image afterwards
    Bytes sent{};                       // what the program sends, when checked
    const char* cancelAt = nullptr;     // cancel (tarn-cli: Ctrl+C) once the radio logs this
    const char* vanishAt = nullptr;     // the radio is gone once it logs this
};

std::vector<Fault> Faults() {
    const std::string comm = "Communication Error", mismatch = "Hardware configuration mismatched!";
    const CloneImage program = ProgramImage(), taken = ProgramAfterRead();
    const CloneImage merged = MergedImage(RadioImage(), program, false);
    std::vector<Fault> faults = {
        // Block 1 of a read cut after K of its bytes: type, L = 0x82, number, 128 data bytes, checksum.
        {Op::Upload, true, {"--cut", "1:0"}, {"Timeout 4"}, program, Read(1)},
        {Op::Upload, false, {"--cut", "1:1"}, {"Timeout 5"}, program},
        {Op::Upload, false, {"--cut", "1:2"}, {"Timeout 6"}, program},
        {Op::Upload, true, {"--cut", "1:3"}, {"Timeout 7"}, program},
        {Op::Upload, false, {"--cut", "1:100"}, {"Timeout 7"}, program},
        {Op::Upload, false, {"--cut", "1:131"}, {"Timeout 8"}, program, Read(1)},
        {Op::Upload, false, {"--hangup", "0:1"}, {comm}, program, Read(0)},
        // A pause inside a 16-byte piece of data longer than the 100 ms allowed between two bytes.
        {Op::Upload, false, {"--pause", "1:20:165"}, {"Timeout 7"}, program, Read(1)},
        {Op::Upload, true, {"--bad-checksum", "2"}, {"BCC Error"}, program, Concat({Read(2), {0x15}})},  // NAK
        {Op::Upload, false, {"--length", "1:2"}, {comm}, program},
        {Op::Upload, true, {"--length", "1:0"}, {comm}, program},
        // more data than the receive staging area holds
        {Op::Upload, true, {"--block-size", "141"}, {comm}, program},
        // a last block that runs past the end of the image (100 bytes where 96 are left): neither taken nor answered
        {Op::Upload, true, {"--block-size", "100", "--overrun"}, {comm}, program, Read(40)},
        {Op::Upload, true, {"--model-id", "0003"}, {mismatch}, program},
        // Line noise where the next block should start reads as a block length no block has.
        {Op::Upload, true, {"--garbage", "3"}, {comm}, program, Read(3)},
        // The hardware bits are checked after the read: nothing more is sent, the firmware bytes are taken.
        {Op::Download, true, {"--hardware-bits", "5"}, {mismatch}, taken, Read(32)},
        {Op::AlignEntry, false, {"--hardware-bits", "5"}, {mismatch}, taken, Read(32)},
        // Write block 2 refused, never answered, or the radio gone instead of answering.
        {Op::Download, true, {"--reject-block", "2"}, {"BCC Error"}, taken, WrittenToBlock2()},
        {Op::Download, true, {"--ignore-block", "2"}, {"Timeout 4"}, taken, WrittenToBlock2()},
        {Op::Download, true, {"--hangup-write", "2"}, {comm}, taken, WrittenToBlock2()},
        // The cable echoes a byte of write block 2 wrong, or loses the echo of its last data byte (both
        // left out of the checksum, which the radio refuses), or of its checksum (the acknowledgement
        // taken for that echo, none left to wait for).
        {Op::Download, false, {"--wrong-echo", "2:60"}, {"BCC Error"}, taken, WrittenToBlock2(60)},
        {Op::Download, false, {"--lost-echo", "2:130"}, {"BCC Error"}, taken, WrittenToBlock2(130, true)},
        {Op::Download, false, {"--lost-echo", "2:131"}, {"Timeout 4"}, taken, WrittenToBlock2()},
        // Cancelled while waiting for the radio (silently), between two read or write blocks (silently),
        // for a write acknowledgement (the radio's state unknown: told), or while the radio is switched off
        // for the alignment handshake (the merged image stays).
        {Op::Upload, true, {"--power-cycle", "600000"}, {}, program, {}, "switched off"},
        {Op::Upload, true, {"--baud-timing", "--pause", "3:0:0"}, {}, program, {}, "read block 3 paused"},
        {Op::Download, true, {"--late-ack", "2:50"}, {}, taken, {}, "write block 2 answered late"},
        // in the middle of sending a write block: the block is finished, nothing more sent
        {Op::Download, false, {"--baud-timing"}, {}, taken, WrittenToBlock2(), "write block 2 started"},
        {Op::Download, true, {"--ignore-block", "2"}, {comm}, taken, {}, "write block 2 received"},
        {Op::AlignEntry, false, {"--power-cycle", "2000"}, {}, merged, {}, "alignment requested"},
        // The cable pulled out in the middle of a read block and while a written block waits for its answer.
        {Op::Upload, true, {"--pause", "3:20:5000"}, {comm}, program, {}, nullptr, "read block 3 paused"},
        {Op::Download, true, {"--late-ack", "2:5000"}, {comm}, taken, {}, nullptr, "write block 2 answered late"},
    };
    // The radio hangs up, a line error, in each field of read block 1: type, L, number, data, checksum.
    for (const char* at : {"1:0", "1:1", "1:2", "1:3", "1:100", "1:131"}) {
        faults.push_back({Op::Upload, std::string_view(at) == "1:100", {"--hangup", at}, {comm}, program, Read(1)});
    }
    return faults;
}

// Cancels through `cancel`, or pulls the cable out, once the radio logs what the fault names.
void Disturb(const Fault& c, SimRadio& radio, const std::function<void()>& cancel) {
    if (c.cancelAt) {
        ASSERT_TRUE(radio.WaitForNote(c.cancelAt));
        cancel();
    }
    if (c.vanishAt) {
        ASSERT_TRUE(radio.WaitForNote(c.vanishAt));
        radio.Vanish();
    }
}

// The fault matrix's table, printed by the test: what was done, how it ended and how long it took.
class OutcomeTable {
public:
    void Add(const std::string& run, const Fault& c, std::string outcome, Clock::time_point start) {
        std::string faults;
        for (const std::string& f : c.options) faults += f + ' ';
        for (char& ch : outcome) ch = (ch == '\r' || ch == '\n') ? ' ' : ch;
        rows_ << std::left << std::setw(22) << run << std::setw(34) << faults << std::setw(7)
              << std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count() << outcome << '\n';
        EXPECT_LT(Clock::now() - start, kFaultEndsWithin);
    }
    ~OutcomeTable() { std::cout << "run                   faults                            ms     outcome\n" << rows_.str(); }

private:
    std::ostringstream rows_;
};

std::string Describe(const Fault& c) {
    std::string text = std::to_string(int(c.op));
    for (const std::string& option : c.options) text += ' ' + option;
    return text + (c.cancelAt ? " cancelled" : "") + (c.vanishAt ? " vanished" : "");
}

// Nothing saved, no alignment mode, the image kept, the end told.
TEST(JobFaults, StopWithTheirMessageAndWithoutHarm) {
    const char* operations[] = {"job upload", "job download", "job alignment entry"};
    OutcomeTable table;
    for (const Fault& c : Faults()) {
        SCOPED_TRACE(Describe(c));
        SimRadio radio(c.options);
        const auto start = Clock::now();
        RunningJob job({c.op, radio.Port()}, ProgramImage());
        Disturb(c, radio, [&] { job.Cancel(); });
        const JobOutcome out = job.Finish();
        table.Add(operations[int(c.op)], c, out.messages.empty() ? "(cancelled)" : out.messages[0], start);
        EXPECT_FALSE(out.succeeded || out.imageReplaced || out.radioInAlignMode);
        EXPECT_EQ(out.messages, c.messages);
        EXPECT_EQ(out.image, c.image);
        EXPECT_EQ(out.events.back(), (Event{Event::Done, 0}));
        EXPECT_TRUE(radio.Saved().empty());
        if (!c.sent.empty()) {
            EXPECT_EQ(Tagged(radio.Log(), 'P'), c.sent);
        }
    }
}

// tarn-cli upload into an existing file and download from one: the message, exit status 1, the file
// untouched with nothing half-written beside it, Ctrl+C honoured at every wait and the port free after.
TEST(CliFaults, StopWithTheirMessageAndLeaveTheFileAsItWas) {
    const Bytes kept = ImageFileBytes(ProgramImage());
    OutcomeTable table;
    for (const Fault& c : Faults()) {
        if (!c.cli) continue;
        SCOPED_TRACE(Describe(c));
        TempDir dir;
        const std::string file = dir.File("kept.trn");
        WriteBytes(file, kept);
        SimRadio radio(c.options);
        const auto start = Clock::now();
        // A download writes without asking and keeps no backup here: the faults are what is tried.
        std::vector<std::string> args{"upload", "--port", radio.Port(), file};
        if (c.op == Op::Download) args = {"download", "--yes", "--no-backup", "--port", radio.Port(), file};
        const CliRun run = RunCli(args, [&](pid_t pid) { Disturb(c, radio, [pid] { kill(pid, SIGINT); }); });
        const std::string last = run.output.substr(run.output.find_last_of('\n', run.output.size() - 2) + 1);
        table.Add("tarn-cli " + args[0], c, std::to_string(run.status) + " " + last, start);
        EXPECT_EQ(run.status, 1);
        EXPECT_NE(run.output.find(c.messages.empty() ? "cancelled" : c.messages[0]), std::string::npos) << run.output;
        EXPECT_EQ(ReadBytes(file), kept);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
        if (!c.vanishAt && !c.options[0].starts_with("--hangup")) {
            ClonePort next;  // the port is free for the next program
            EXPECT_TRUE(next.Open({radio.Port(), {}}));
        }
    }
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
