// Upload, Download, the alignment entry and their merge, checked on the wire through the virtual radio's log.
#include <gtest/gtest.h>

#include <algorithm>

#include "SimHarness.h"
#include "link/Link.h"
#include "link/LinkStrings.h"

namespace tarn::test {
namespace {

namespace ids = link_strings;

Bytes Repeat(std::uint8_t byte, int count) { return Bytes(static_cast<std::size_t>(count), byte); }

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

// One block as it goes over the line: first byte, L, number, 128 data bytes, 8-bit sum of all of them.
Bytes Block(std::uint8_t first, int number, const CloneImage& image) {
    Bytes b{first, 0x82, static_cast<std::uint8_t>(number)};
    for (int i = 0; i < 128; ++i) b.push_back(image[static_cast<std::size_t>(number * 128 + i)]);
    std::uint8_t sum = 0;
    for (auto x : b) sum = static_cast<std::uint8_t>(sum + x);
    b.push_back(sum);
    return b;
}

Bytes Blocks(std::uint8_t first, const CloneImage& image) {
    Bytes out;
    for (int n = 0; n < 32; ++n) {
        const Bytes b = Block(first, n, image);
        out.insert(out.end(), b.begin(), b.end());
    }
    return out;
}

std::vector<Event> ExpectedEvents(int caption, int range, const std::vector<int>& prompts, int from, int to) {
    std::vector<Event> out{{Event::Caption, caption}, {Event::Range, range}};
    for (int p : prompts) out.push_back({Event::Prompt, p});
    for (int n = from; n <= to; ++n) out.push_back({Event::Position, n});
    out.push_back({Event::Done, 0});
    return out;
}

TEST(Upload, ReadsARadioThatAnswersTheFirstProbe) {
    SimRadio radio({}, RadioImage());
    const JobOutcome out = RunJob(TransferOperation::Upload, radio.Port(), ProgramImage());
    EXPECT_TRUE(out.succeeded);
    EXPECT_TRUE(out.imageReplaced);
    EXPECT_EQ(out.image, RadioImage());
    EXPECT_EQ(out.messages, std::vector<std::string>{"Upload is completed"});
    EXPECT_EQ(out.events, ExpectedEvents(ids::kUploadCaption, 32, {ids::kPromptUploading}, 1, 32));

    const auto log = radio.Log();
    EXPECT_TRUE(EveryByteEchoed(log));
    EXPECT_EQ(Tagged(log, 'P'), Concat({{0x70}, Repeat(0x06, 32)}));
    EXPECT_EQ(Tagged(log, 'R'), Blocks(0x20, RadioImage()));
}

TEST(Upload, WaitsForARadioBeingSwitchedOn) {
    SimRadio radio({"--power-cycle", "300"}, RadioImage());
    const JobOutcome out = RunJob(TransferOperation::Upload, radio.Port(), ProgramImage());
    EXPECT_TRUE(out.succeeded);
    EXPECT_EQ(out.image, RadioImage());

    const auto log = radio.Log();
    EXPECT_TRUE(EveryByteEchoed(log));
    // A silent probe, then the radio's 0x50, answered with 0x20, a pause and a new request.
    EXPECT_EQ(Tagged(log, 'P'), Concat({{0x70, 0x20, 0x70}, Repeat(0x06, 32)}));
    EXPECT_EQ(Tagged(log, 'R'), Concat({{0x50}, Blocks(0x20, RadioImage())}));
    EXPECT_GE(TimeOf(log, 'P', 0x70, 1) - TimeOf(log, 'P', 0x20), 299.0);
}

TEST(Upload, AsksBeforeReplacingAModifiedDocument) {
    SimRadio radio({}, RadioImage());
    JobOutcome out = RunJob(TransferOperation::Upload, radio.Port(), ProgramImage(), false, true, {Answer::No});
    EXPECT_FALSE(out.imageReplaced);
    EXPECT_EQ(out.image, ProgramImage());
    EXPECT_EQ(out.messages, std::vector<std::string>{"Overwrite original data"});

    out = RunJob(TransferOperation::Upload, radio.Port(), ProgramImage(), false, true, {Answer::Yes});
    EXPECT_TRUE(out.imageReplaced);
    EXPECT_EQ(out.image, RadioImage());
    EXPECT_EQ(out.messages, (std::vector<std::string>{"Overwrite original data", "Upload is completed"}));
}

TEST(Upload, TakesBlocksOfAnySizeTheRadioChooses) {
    for (const char* size : {"140", "1"}) {
        SCOPED_TRACE(size);
        SimRadio radio({"--block-size", size}, RadioImage());
        const JobOutcome out = RunJob(TransferOperation::Upload, radio.Port(), ProgramImage());
        EXPECT_TRUE(out.succeeded);
        EXPECT_EQ(out.image, RadioImage());
    }
}

void ExpectDownload(bool maintenance) {
    SimRadio radio({}, RadioImage());
    const CloneImage program = ProgramImage();
    const JobOutcome out = RunJob(TransferOperation::Download, radio.Port(), program, maintenance);
    EXPECT_TRUE(out.succeeded);
    EXPECT_EQ(out.messages, std::vector<std::string>{"Download is completed"});
    EXPECT_EQ(out.events, ExpectedEvents(ids::kDownloadCaption, 64, {ids::kPromptDownloading}, 1, 64));

    // The program's image keeps its own content but takes the radio's firmware bytes.
    CloneImage expectedProgram = program;
    expectedProgram[0] = RadioImage()[0];
    expectedProgram[1] = RadioImage()[1];
    EXPECT_EQ(out.image, expectedProgram);

    const CloneImage merged = MergedImage(RadioImage(), program, maintenance);
    ASSERT_TRUE(radio.Saved());
    EXPECT_EQ(*radio.Saved(), merged);
    EXPECT_EQ((*radio.Saved())[4], 0x00);
    EXPECT_EQ((*radio.Saved())[5], 0x02);  // the radio keeps its model id

    const auto log = radio.Log();
    EXPECT_TRUE(EveryByteEchoed(log));
    const std::uint8_t command = maintenance ? 0x29 : 0x21;
    Bytes written;
    for (int n = 0; n < 32; ++n) {
        const Bytes b = Block(command, n, merged);
        written.insert(written.end(), b.begin(), b.end());
    }
    EXPECT_EQ(Tagged(log, 'P'), Concat({{0x70}, Repeat(0x06, 32), {0x60}, written}));
    EXPECT_EQ(Tagged(log, 'R'), Concat({Blocks(0x20, RadioImage()), Repeat(0x06, 32)}));
    // The fixed waits: 150 ms between read and write, 100 ms after the wake-up byte.
    EXPECT_GE(TimeOf(log, 'P', 0x60) - TimeOf(log, 'P', 0x06, 31), 149.0);
    EXPECT_GE(TimeOf(log, 'P', command) - TimeOf(log, 'P', 0x60), 99.0);
}

TEST(Download, MergesAndWritesOutsideMaintenanceMode) { ExpectDownload(false); }

TEST(Download, WritesAdjustmentAndIdentityInMaintenanceMode) { ExpectDownload(true); }

// The alignment entry: the read and merge of a Download, then 0x38 and the 0x30 handshake.
TEST(AlignEntry, PutsTheRadioIntoAlignmentModeWithTheMergedImage) {
    struct Case {
        std::vector<std::string> options;
        Bytes handshake;  // program and radio bytes before the first block
        Bytes ready;
    };
    for (const Case& c : {Case{{}, {0x70}, {}}, Case{{"--power-cycle", "300"}, {0x70, 0x20, 0x70}, {0x50}}}) {
        SCOPED_TRACE(c.options.empty() ? "switched on" : "switched off and on");
        SimRadio radio(c.options, RadioImage());
        RunningJob job(TransferOperation::AlignEntry, radio.Port(), ProgramImage());
        const JobOutcome out = job.Finish();
        EXPECT_TRUE(out.succeeded);
        EXPECT_TRUE(out.radioInAlignMode);
        EXPECT_TRUE(out.messages.empty());
        EXPECT_EQ(out.image, MergedImage(RadioImage(), ProgramImage(), false));
        std::vector<Event> events = ExpectedEvents(ids::kUploadCaption, 32, {ids::kPromptDownloading}, 1, 32);
        events.insert(events.end() - 1, {Event::Prompt, ids::kPromptUploading});
        EXPECT_EQ(out.events, events);

        ASSERT_TRUE(radio.WaitForNote("alignment mode"));
        const auto log = radio.Log();
        EXPECT_TRUE(EveryByteEchoed(log));
        // The request, a probe answered with 0x50 (at once or once switched on), and the confirmation.
        EXPECT_EQ(Tagged(log, 'P'), Concat({c.handshake, Repeat(0x06, 32), {0x38, 0x30, 0x30}}));
        EXPECT_EQ(Tagged(log, 'R'), Concat({c.ready, Blocks(0x20, RadioImage()), {0x50}}));
        EXPECT_GE(TimeOf(log, 'P', 0x38) - TimeOf(log, 'P', 0x06, 31), 149.0);

        // The port stays open for the alignment commands: read word 0x21, the radio's image bytes 66..67.
        Bytes frame{0xF0, 0x03, 0x00, 0x21, 0x14};
        ASSERT_TRUE(SendBytes(job.Port(), frame.data(), frame.size()));
        Bytes reply(5);
        ASSERT_EQ(ReceiveBytes(job.Port(), reply.data(), reply.size()), LinkResult::Ok);
        const auto sum = static_cast<std::uint8_t>(0xF0 + 0x03 + out.image[66] + out.image[67]);
        EXPECT_EQ(reply, (Bytes{0xF0, 0x03, out.image[66], out.image[67], sum}));
        EXPECT_TRUE(SendByte(job.Port(), 0x06));
    }
}

TEST(AlignEntry, FailureLeavesTheRadioOutOfAlignmentMode) {
    CloneImage firmwareTaken = ProgramImage();
    firmwareTaken[0] = RadioImage()[0];
    firmwareTaken[1] = RadioImage()[1];
    struct Case {
        std::vector<std::string> options;
        const char* cancelAt;  // cancel once the radio logs this, or never
        std::vector<std::string> messages;
        CloneImage image;
    };
    const Case cases[] = {
        // The hardware check fails after the read: nothing more is sent, only the firmware bytes are taken.
        {{"--hardware-bits", "5"}, nullptr, {"Hardware configuration mismatched!"}, firmwareTaken},
        // Cancelled while the radio is switched off for the alignment handshake: the merged image stays.
        {{"--power-cycle", "2000"}, "alignment requested", {}, MergedImage(RadioImage(), ProgramImage(), false)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options[0]);
        SimRadio radio(c.options, RadioImage());
        RunningJob job(TransferOperation::AlignEntry, radio.Port(), ProgramImage());
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
        const Bytes sent = Tagged(radio.Log(), 'P');
        EXPECT_EQ(std::count(sent.begin(), sent.end(), 0x38), c.cancelAt ? 1 : 0);
    }
}

}  // namespace
}  // namespace tarn::test
