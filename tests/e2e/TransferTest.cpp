// Upload, Download and their merge, checked on the wire through the virtual radio's log.
#include <gtest/gtest.h>

#include <algorithm>

#include "SimHarness.h"
#include "link/LinkStrings.h"
#include "model/ImageChecksum.h"

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

void Take(CloneImage& into, const CloneImage& from, std::size_t begin, std::size_t end) {
    std::copy(from.begin() + begin, from.begin() + end, into.begin() + begin);
}

// The radio's image with the program's regions laid over it, written out region by region.
CloneImage Merged(const CloneImage& radio, const CloneImage& program, bool maintenance) {
    CloneImage m = radio;
    Take(m, program, 6, 64);
    Take(m, program, 114, 3928);
    if (maintenance) {
        Take(m, program, 90, 114);
        Take(m, program, 3928, 3940);
    }
    const std::uint16_t sum = ImageChecksum(m.data() + 90, 24);
    m[2] = static_cast<std::uint8_t>(sum >> 8);
    m[3] = static_cast<std::uint8_t>(sum);
    return m;
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

    const CloneImage merged = Merged(RadioImage(), program, maintenance);
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

}  // namespace
}  // namespace tarn::test
