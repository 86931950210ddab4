#include "app/StartOptions.h"

#include <gtest/gtest.h>

#include "app/ClockText.h"
#include "app/RecentFileList.h"

namespace tarn {
namespace {

// Only a whole command line of the switch asks for the password; the first argument that is no option
// ("/word" is one, an absolute path is not) is the file to open.
TEST(StartOptions, TheSwitchAloneAsksForThePasswordAndTheFirstNonOptionIsTheFile) {
    using Args = std::vector<std::string>;
    for (auto [args, asks, file] : {std::tuple{Args{"/m"}, true, ""}, {Args{"-M"}, true, ""}, {Args{}, false, ""},
                                    {Args{"/m", "radio.trn"}, false, "radio.trn"}, {Args{"/mx"}, false, ""},
                                    {Args{"/x.trn", "b.trn"}, false, "/x.trn"}, {Args{"/Embedding"}, false, ""}}) {
        const StartOptions o = ParseStartOptions(args);
        EXPECT_EQ(std::tuple(o.askMaintenancePassword, o.fileToOpen.value_or("")), std::tuple(asks, std::string(file)))
            << (args.empty() ? "" : args[0]);
    }
    for (const char* typed : {"Mirel-toska", "mirel-toska ", ""}) EXPECT_FALSE(IsMaintenancePassword(typed));
    EXPECT_TRUE(IsMaintenancePassword("mirel-toska"));
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
