#include "diff/ImageDiff.h"

#include <gtest/gtest.h>

#include "core/support/RecordingPrompter.h"
#include "diff/DiffSummary.h"
#include "model/DefaultImage.h"
#include "model/Document.h"
#include "settings/SettingsScript.h"

namespace tarn {
namespace {

// The default image after planned edits: a frequency in MR 1, two settings, and a stray byte in an empty
// BOOK record. The diff lists exactly the edited channel and settings and counts the stray byte, so the
// preview neither hides a change nor reports one that is not there.
TEST(ImageDiff, ListsExactlyTheChangedChannelsAndSettings) {
    test::RecordingPrompter prompter;
    Document document(prompter, {});
    FillDefaultImage(document.Content());
    document.DecodeImage();
    document.EncodeImage();
    const CloneImage before = document.Image();

    document.Channels().Entries[kMrFirstSlot].RxFrequency = 121'500'000;
    SettingsScript script(document, false);
    std::string why;
    ASSERT_TRUE(script.Apply("system.dual_watch=On", why)) << why;
    ASSERT_TRUE(script.Apply("common.lcd_contrast=4", why)) << why;
    script.Ok();
    document.EncodeImage();
    CloneImage after = document.Image();
    after[kBookRecordsOffset + 5 * 18 + 4] ^= 0x01;  // BOOK 6 is empty: its row shows no change

    const ImageDiff diff = CompareImages(before, after);
    ASSERT_EQ(diff.channels.size(), 1u);
    EXPECT_EQ(diff.channels[0].name, "MR GROUP 1");
    EXPECT_NE(diff.channels[0].after.find("121.500"), std::string::npos) << diff.channels[0].after;
    EXPECT_EQ(diff.settings, (std::vector<ValueChange>{{"Dual Watch", "Off", "On"}, {"LCD Contrast", "6", "4"}}));
    EXPECT_EQ(diff.otherBytes, 1u);
    EXPECT_EQ(DiffSummary(diff), "Channels:\n  MR GROUP 1: " + diff.channels[0].before + " \u2192 " +
                                     diff.channels[0].after + "\nSettings:\n  Dual Watch: Off \u2192 On\n" +
                                     "  LCD Contrast: 6 \u2192 4\n1 other byte differs.\n");

    // Writing an image over itself changes nothing, and says nothing.
    EXPECT_TRUE(CompareImages(after, after).Empty());
    EXPECT_EQ(DiffSummary(CompareImages(after, after)), "");
}

}  // namespace
}  // namespace tarn
