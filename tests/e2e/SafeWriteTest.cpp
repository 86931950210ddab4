// The safeguards of a Download: the preview's own read, the backup before the first written block.
#include <gtest/gtest.h>

#include <filesystem>

#include "SimHarness.h"

namespace tarn::test {
namespace {

using Op = TransferOperation;

// The radio is read for the preview and again for the write; what was read the second time, right before
// the write, is kept as an image file, and only then is the merged image written.
TEST(SafeWrite, ADownloadKeepsTheRadiosImageBeforeWritingIt) {
    TempDir dir;
    SimRadio radio({});
    const JobOutcome out =
        RunningJob({Op::Download, radio.Port(), false, false, true, dir.File("backups")}, ProgramImage()).Finish();
    EXPECT_TRUE(out.succeeded);
    ASSERT_EQ(out.messages.size(), 2u);
    EXPECT_EQ(out.messages[0].rfind("Writing changes the radio's memory:\n\nChannels:\n", 0), 0u) << out.messages[0];
    EXPECT_EQ(out.messages[1], "Download is completed");
    std::vector<std::filesystem::path> backups(std::filesystem::directory_iterator(dir.File("backups")), {});
    ASSERT_EQ(backups.size(), 1u);
    EXPECT_EQ(ReadBytes(backups[0]), ImageFileBytes(RadioImage()));
    EXPECT_EQ(radio.Saved(), ImageFileBytes(MergedImage(RadioImage(), ProgramImage(), false)));
    ASSERT_TRUE(radio.WaitForNote("image written"));
    EXPECT_EQ(Tagged(radio.Log(), 'R'),
              Concat({Blocks(0x20, RadioImage()), Blocks(0x20, RadioImage()), Bytes(32, 0x06)}));
}

// Cancel at the preview, or a backup that cannot be saved, ends the Download before the wake-up byte: the
// radio gets nothing but the request and the acknowledgements of its read.
TEST(SafeWrite, NothingIsWrittenWhenTheWriteMayNotGoAhead) {
    TempDir dir;
    WriteBytes(dir.File("file"), {1});
    struct Case {
        const char* name;
        bool preview;
        std::string backupFolder;
        const char* lastMessage;
    };
    const Case cases[] = {
        {"cancel at the preview", true, dir.File("backups"), "Writing changes the radio's memory:"},
        {"backup refused", false, dir.File("file/backups"), "The radio's memory cannot be backed up to "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimRadio radio({});
        const JobOutcome out =
            RunningJob({Op::Download, radio.Port(), false, false, c.preview, c.backupFolder}, ProgramImage(),
                       {Answer::Cancel})
                .Finish();
        EXPECT_FALSE(out.succeeded);
        ASSERT_FALSE(out.messages.empty());
        EXPECT_EQ(out.messages.back().rfind(c.lastMessage, 0), 0u) << out.messages.back();
        ASSERT_TRUE(radio.WaitForNote("image read"));
        EXPECT_EQ(Tagged(radio.Log(), 'P'), Concat({{0x70}, Bytes(32, 0x06)}));
        EXPECT_TRUE(radio.Saved().empty());
        EXPECT_FALSE(std::filesystem::exists(dir.File("backups")));
    }
}

// An image the radio holds already is not written again.
TEST(SafeWrite, ThePreviewSkipsAWriteThatChangesNothing) {
    SimRadio radio({});
    const CloneImage same = MergedImage(RadioImage(), RadioImage(), false);
    const JobOutcome out = RunningJob({Op::Download, radio.Port(), false, false, true, ""}, same).Finish();
    EXPECT_TRUE(out.succeeded);
    EXPECT_EQ(out.messages, std::vector<std::string>{"The radio already holds this image. Nothing was written."});
    ASSERT_TRUE(radio.WaitForNote("image read"));
    EXPECT_EQ(Tagged(radio.Log(), 'P'), Concat({{0x70}, Bytes(32, 0x06)}));
}

}  // namespace
}  // namespace tarn::test
