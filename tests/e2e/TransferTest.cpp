// Upload, Download, the alignment entry and their merge, checked on the wire through the virtual radio's log.
#include <gtest/gtest.h>

#include <chrono>

#include "SimHarness.h"
#include "align/PortAlignRadio.h"
#include "link/LinkStrings.h"

namespace tarn::test {
namespace {

namespace ids = link_strings;
using Op = TransferOperation;

// True when every byte from the program is followed at once by its echo, and nothing else is echoed.
bool EveryByteEchoed(const std::vector<LogEntry>& log) {
    for (std::size_t i = 0; i < log.size(); ++i) {
        if (log[i].tag == 'P' && (i + 1 == log.size() || log[i + 1].tag != 'E' || log[i + 1].byte != log[i].byte)) {
            return false;
        }
    }
    return Tagged(log, 'E') == Tagged(log, 'P');
}

// The time of the n-th byte (0-based) with this value and tag ('P' from the program, 'R' from the radio).
double At(const std::vector<LogEntry>& log, char tag, std::uint8_t byte, int n = 0) {
    for (const auto& e : log) {
        if (e.tag == tag && e.byte == byte && n-- == 0) return e.ms;
    }
    return -1000;
}

double SentAt(const std::vector<LogEntry>& log, std::uint8_t byte, int n = 0) { return At(log, 'P', byte, n); }

std::vector<Event> ExpectedEvents(int caption, int range, const std::vector<int>& prompts, int last) {
    std::vector<Event> out{{Event::Caption, caption}, {Event::Range, range}, {Event::Prompt, prompts[0]}};
    for (int n = 1; n <= 32; ++n) out.push_back({Event::Position, n});
    for (std::size_t i = 1; i < prompts.size(); ++i) out.push_back({Event::Prompt, prompts[i]});
    for (int n = 33; n <= last; ++n) out.push_back({Event::Position, n});
    out.push_back({Event::Done, 0});
    return out;
}

// Every transfer that succeeds, with a radio that answers the first probe or is switched off and on, and
// a Download through a USB adapter that holds what it receives for up to 16 ms (a write that waited for
// each echo in turn would take over a minute) or with an answer 3.5 s late (31 receives of at least
// 155 ms each wait for it): the radio sees the same bytes in the same order.
TEST(Transfer, SucceedsOnTheWire) {
    const CloneImage radioImage = RadioImage(), program = ProgramImage();
    const CloneImage merged = MergedImage(radioImage, program, false);
    const CloneImage maintained = MergedImage(radioImage, program, true);
    const Bytes acks(32, 0x06), written = Concat({{0x60}, Blocks(0x21, merged)});
    const auto upload = ExpectedEvents(ids::kUploadCaption, 32, {ids::kPromptUploading}, 32);
    const auto download = ExpectedEvents(ids::kDownloadCaption, 64, {ids::kPromptDownloading}, 64);
    const auto align = ExpectedEvents(ids::kUploadCaption, 32, {ids::kPromptDownloading, ids::kPromptUploading}, 32);
    const std::vector<std::string> switchedOn{"--power-cycle", "300"};
    struct Case {
        Op op;
        bool maintenance;
        std::vector<std::string> options;
        std::vector<std::string> messages;
        CloneImage image;
        std::vector<Event> events;
        Bytes sentAfterRead, receivedAfterRead;
        const char* lastNote;
    };
    const Case cases[] = {
        {Op::Upload, false, {}, {"Upload is completed"}, radioImage, upload, {}, {}, "image read"},
        {Op::Upload, false, switchedOn, {"Upload is completed"}, radioImage, upload, {}, {}, "image read"},
        {Op::Download, false, {}, {"Download is completed"}, ProgramAfterRead(), download, written, acks,
         "image written"},
        {Op::Download, true, {}, {"Download is completed"}, ProgramAfterRead(), download,
         Concat({{0x60}, Blocks(0x29, maintained)}), acks, "image written"},
        {Op::Download, false, {"--latency", "16"}, {"Download is completed"}, ProgramAfterRead(), download, written,
         acks, "image written"},
        {Op::Download, false, {"--late-ack", "2:3500"}, {"Download is completed"}, ProgramAfterRead(), download,
         written, acks, "image written"},
        // After the read: 0x38, then a probe 0x30 answered with 0x50 and the confirmation 0x30.
        {Op::AlignEntry, false, {}, {}, merged, align, {0x38, 0x30, 0x30}, {0x50}, "alignment mode"},
        {Op::AlignEntry, false, switchedOn, {}, merged, align, {0x38, 0x30, 0x30}, {0x50}, "alignment mode"},
    };
    for (const Case& c : cases) {
        const bool on = c.options == switchedOn;
        SCOPED_TRACE(testing::Message() << int(c.op) << (c.maintenance ? " maintenance " : " ")
                                        << (c.options.empty() ? "" : c.options[0]));
        SimRadio radio(c.options);
        const auto start = std::chrono::steady_clock::now();
        RunningJob job({c.op, radio.Port(), c.maintenance}, program);
        const JobOutcome out = job.Finish();
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
        EXPECT_TRUE(out.succeeded);
        EXPECT_EQ(out.imageReplaced, c.op == Op::Upload);
        EXPECT_EQ(out.radioInAlignMode, c.op == Op::AlignEntry);
        EXPECT_EQ(out.messages, c.messages);
        EXPECT_EQ(out.image, c.image);
        EXPECT_EQ(out.events, c.events);
        EXPECT_EQ(radio.Saved(), c.op == Op::Download ? ImageFileBytes(c.maintenance ? maintained : merged) : Bytes{});

        ASSERT_TRUE(radio.WaitForNote(c.lastNote));
        const auto log = radio.Log();
        EXPECT_TRUE(EveryByteEchoed(log));
        // A silent probe 0x70, then the radio's 0x50, answered with 0x20, a pause and a new request.
        EXPECT_EQ(Tagged(log, 'P'), Concat({on ? Bytes{0x70, 0x20, 0x70} : Bytes{0x70}, acks, c.sentAfterRead}));
        const Bytes ready = on ? Bytes{0x50} : Bytes{};
        EXPECT_EQ(Tagged(log, 'R'), Concat({ready, Blocks(0x20, radioImage), c.receivedAfterRead}));
        // The fixed waits, with margins for a busy machine: the radio notes a byte when it gets to it, which
        // may be a while after it went out, so a gap can look shorter than it was. A wait left out shows as a
        // gap of a few milliseconds, far below each margin.
        if (on) { EXPECT_GE(SentAt(log, 0x70, 1) - SentAt(log, 0x20), 250.0); }
        // A radio that answers the probe with its first byte gets 150 ms before the program reads on.
        if (!on) { EXPECT_GE(SentAt(log, 0x06) - At(log, 'R', 0x20), 110.0); }
        // 150 ms between the read and what follows, 100 ms after the write's wake-up byte.
        if (c.op != Op::Upload) { EXPECT_GE(SentAt(log, c.sentAfterRead[0]) - SentAt(log, 0x06, 31), 110.0); }
        if (c.op == Op::Download) { EXPECT_GE(SentAt(log, c.sentAfterRead[1]) - SentAt(log, 0x60), 70.0); }
        if (c.op != Op::AlignEntry) continue;

        // The port stays open for the alignment commands: word 0x21 holds the radio's image bytes 66..67.
        AlignWord word{};
        EXPECT_TRUE(PortAlignRadio(job.port).ReadWord(0x21, word));
        EXPECT_EQ(word, (AlignWord{merged[66], merged[67]}));
    }
}

TEST(Upload, AsksBeforeReplacingAModifiedDocument) {
    SimRadio radio({});
    for (const Answer answer : {Answer::No, Answer::Yes}) {
        const JobOutcome out = RunningJob({Op::Upload, radio.Port(), false, true}, ProgramImage(), {answer}).Finish();
        EXPECT_EQ(out.imageReplaced, answer == Answer::Yes);
        EXPECT_EQ(out.image, answer == Answer::Yes ? RadioImage() : ProgramImage());
        std::vector<std::string> messages{"Overwrite original data"};
        if (answer == Answer::Yes) messages.push_back("Upload is completed");
        EXPECT_EQ(out.messages, messages);
    }
}

TEST(Upload, TakesBlocksOfAnySizeTheRadioChooses) {
    for (const char* size : {"140", "1"}) {
        SCOPED_TRACE(size);
        SimRadio radio({"--block-size", size});
        const JobOutcome out = RunningJob({Op::Upload, radio.Port()}, ProgramImage()).Finish();
        EXPECT_TRUE(out.succeeded);
        EXPECT_EQ(out.image, RadioImage());
    }
}

}  // namespace
}  // namespace tarn::test
