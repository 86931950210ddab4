#include "app/StartOptions.h"

#include <gtest/gtest.h>

#include "app/ClockText.h"
#include "app/RecentFileList.h"

namespace tarn {
namespace {

TEST(StartOptions, OnlyTheWholeCommandLineAsksForThePassword) {
    for (const char* sw : {"/m", "/M", "-m", "-M"}) {
        const StartOptions o = ParseStartOptions({sw});
        EXPECT_TRUE(o.askMaintenancePassword) << sw;
        EXPECT_FALSE(o.fileToOpen);
    }
    EXPECT_FALSE(ParseStartOptions({"/m", "radio.trn"}).askMaintenancePassword);
    EXPECT_FALSE(ParseStartOptions({"/mx"}).askMaintenancePassword);
    EXPECT_FALSE(ParseStartOptions({}).askMaintenancePassword);
}

TEST(StartOptions, FirstNonOptionIsTheFileToOpen) {
    EXPECT_EQ(ParseStartOptions({"/m", "radio.trn"}).fileToOpen, "radio.trn");
    EXPECT_EQ(ParseStartOptions({"/home/a/radio.trn", "b.trn"}).fileToOpen, "/home/a/radio.trn");
    EXPECT_EQ(ParseStartOptions({"/x.trn"}).fileToOpen, "/x.trn");
    EXPECT_FALSE(ParseStartOptions({"/Embedding"}).fileToOpen);
    const StartOptions o =
        ParseStartOptions({"--screenshot", "shot.png", "--port", "/dev/pts/7", "--quit-when-shown", "a.trn"});
    EXPECT_EQ(o.screenshot, "shot.png");
    EXPECT_EQ(o.port, "/dev/pts/7");
    EXPECT_TRUE(o.quitWhenShown);
    EXPECT_EQ(o.fileToOpen, "a.trn");
}

TEST(StartOptions, PasswordIsExact) {
    EXPECT_TRUE(IsMaintenancePassword("mirel-toska"));
    EXPECT_FALSE(IsMaintenancePassword("Mirel-toska"));
    EXPECT_FALSE(IsMaintenancePassword("mirel-toska "));
    EXPECT_FALSE(IsMaintenancePassword(""));
}

TEST(RecentFileList, NewestFirstFourAtMostNoDuplicates) {
    RecentFileList list({"/a", "", "/b", "/a", "/c", "/d", "/e"});
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"/a", "/b", "/c", "/d"}));
    list.Add("/c");
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"/c", "/a", "/b", "/d"}));
    list.Add("/new");
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"/new", "/c", "/a", "/b"}));
    list.Remove(1);
    list.Remove(9);
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"/new", "/a", "/b"}));
    EXPECT_EQ(RecentFileMenuText(0, "/home/u/My Radio.trn"), "&1 My Radio.trn");
}

TEST(ClockText, HourThenTwoDigitMinutesAfterABlank) {
    EXPECT_EQ(ClockText(9, 5), " 9:05");
    EXPECT_EQ(ClockText(23, 59), " 23:59");
    EXPECT_EQ(ClockText(0, 0), " 0:00");
}

}  // namespace
}  // namespace tarn
