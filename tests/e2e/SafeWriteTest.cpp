// The safeguards of a Download: the preview's own read, the backup before the first written block.
#include <gtest/gtest.h>

#include <filesystem>

#include "SimHarness.h"

namespace tarn::test {
namespace {

// With a preview the radio is read for it and again for the write; what was read the second time, right
// before the write, is kept as an image file, and only then is the merged image written. Cancel at the
// preview, a backup that cannot be saved, or an image the radio holds already ends the Download before the
// wake-up byte: the radio gets nothing but the request and the acknowledgements of its read.
TEST(SafeWrite, TheRadioIsBackedUpBeforeAWriteAndWrittenOnlyWhenTheWriteMayGoAhead) {
    TempDir dir;
    WriteBytes(dir.File("file"), {1});
    const CloneImage same = MergedImage(RadioImage(), RadioImage(), false);
    struct Case {
        const char* name;
        bool preview;
        std::string backupFolder;
        CloneImage image;
        bool succeeded;
        const char* lastMessage;  // how the last message starts
        bool written = false;
    };
    const Case cases[] = {
        {"cancel at the preview", true, dir.File("backups"), ProgramImage(), false,
         "Writing changes the radio's memory:"},
        {"backup refused", false, dir.File("file/backups"), ProgramImage(), false,
         "The radio's memory cannot be backed up to "},
        {"nothing to change", true, "", same, true, "The radio already holds this image. Nothing was written."},
        {"written", true, dir.File("backups"), ProgramImage(), true, "Download is completed", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SimRadio radio({});
        const JobOutcome out =
            RunningJob({TransferOperation::Download, radio.Port(), false, false, c.preview, c.backupFolder}, c.image,
                       {c.written ? Answer::Ok : Answer::Cancel})
                .Finish();
        EXPECT_EQ(out.succeeded, c.succeeded);
        ASSERT_FALSE(out.messages.empty());
        EXPECT_EQ(out.messages.back().rfind(c.lastMessage, 0), 0u) << out.messages.back();
        ASSERT_TRUE(radio.WaitForNote(c.written ? "image written" : "image read"));
        if (!c.written) {
            EXPECT_EQ(Tagged(radio.Log(), 'P'), Concat({{0x70}, Bytes(32, 0x06)}));
            EXPECT_TRUE(radio.Saved().empty());
            EXPECT_FALSE(std::filesystem::exists(dir.File("backups")));
            continue;
        }
        ASSERT_EQ(out.messages.size(), 2u);
        EXPECT_EQ(out.messages[0].rfind("Writing changes the radio's memory:\n\nChannels:\n", 0), 0u);
        std::vector<std::filesystem::path> backups(std::filesystem::directory_iterator(dir.File("backups")), {});
        ASSERT_EQ(backups.size(), 1u);
        EXPECT_EQ(ReadBytes(backups[0]), ImageFileBytes(RadioImage()));
        EXPECT_EQ(radio.Saved(), ImageFileBytes(MergedImage(RadioImage(), ProgramImage(), false)));
        EXPECT_EQ(Tagged(radio.Log(), 'R'),
                  Concat({Blocks(0x20, RadioImage()), Blocks(0x20, RadioImage()), Bytes(32, 0x06)}));
    }
}

}  // namespace
}  // namespace tarn::test
