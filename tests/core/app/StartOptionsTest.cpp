#include "app/StartOptions.h"

#include <gtest/gtest.h>

#include "app/ClockText.h"
#include "app/RecentFileList.h"

namespace tarn {
namespace {

TEST(StartOptions, OnlyAWholeCommandLineOfTheSwitchAsksForThePassword) {
    for (auto [args, asks] : {std::pair{std::vector<std::string>{"/m"}, true}, {{"-M"}, true}, {{"/M"}, true},
                              {{"/m", "radio.trn"}, false}, {{"/mx"}, false}, {{}, false}}) {
        EXPECT_EQ(ParseStartOptions(args).askMaintenancePassword, asks) << args.size();
    }
    EXPECT_FALSE(ParseStartOptions({"-m"}).fileToOpen);
    for (const char* typed : {"Mirel-toska", "mirel-toska ", ""}) EXPECT_FALSE(IsMaintenancePassword(typed));
    EXPECT_TRUE(IsMaintenancePassword("mirel-toska"));
}

TEST(StartOptions, FirstNonOptionIsTheFileToOpen) {
    EXPECT_EQ(ParseStartOptions({"/m", "radio.trn"}).fileToOpen, "radio.trn");
    EXPECT_EQ(ParseStartOptions({"/x.trn", "b.trn"}).fileToOpen, "/x.trn");
    EXPECT_FALSE(ParseStartOptions({"/Embedding"}).fileToOpen);
    const StartOptions o =
        ParseStartOptions({"--screenshot", "shot.png", "--port", "/dev/pts/7", "--quit-when-shown", "a.trn"});
    EXPECT_EQ(std::tie(o.screenshot, o.port, o.quitWhenShown, o.fileToOpen),
              std::tuple("shot.png", "/dev/pts/7", true, "a.trn"));
}

TEST(RecentFileList, NewestFirstFourAtMostNoDuplicates) {
    RecentFileList list({"/a", "", "/b", "/a", "/c", "/d", "/e"});
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"/a", "/b", "/c", "/d"}));
    list.Add("/c");
    list.Add("/new");
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"/new", "/c", "/a", "/b"}));
    list.Remove(1);
    list.Remove(9);
    EXPECT_EQ(list.Entries(), (std::vector<std::string>{"/new", "/a", "/b"}));
    EXPECT_EQ(RecentFileMenuText(0, "/home/u/My Radio.trn"), "&1 My Radio.trn");
}

TEST(ClockText, HourThenTwoDigitMinutesAfterABlank) {
    EXPECT_EQ(ClockText(9, 5) + ClockText(23, 59), " 9:05 23:59");
}

}  // namespace
}  // namespace tarn
