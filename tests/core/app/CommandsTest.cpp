// The command-enable tables and the help contexts of the main window's commands.
#include <gtest/gtest.h>

#include "app/CommandEnableTable.h"
#include "app/CommandIds.h"
#include "app/HelpContext.h"

namespace tarn {
namespace {

TEST(CommandEnableTable, AlignOnlyInMaintenanceMode) {
    EXPECT_FALSE(IsCommandEnabled(EnableTableFor(false), command::kAlign));
    EXPECT_TRUE(IsCommandEnabled(EnableTableFor(true), command::kAlign));
    for (bool maintenance : {false, true}) {
        const auto& table = EnableTableFor(maintenance);
        for (int id : {command::kConfigure, command::kSystem, command::kCommon, command::kVfoHome,
                       command::kDtmfMemory, command::kUpload, command::kDownload, command::kGetStarted,
                       command::kCommonProblems, command::kAbout, command::kFileOpen, command::kEditCopy}) {
            EXPECT_TRUE(IsCommandEnabled(table, id)) << id;
        }
    }
}

TEST(CommandEnableTable, BitsOfTheGroupWordDecide) {
    CommandEnableTable table{{0, 0b0101, 0, 0b10, 0, 0}};
    EXPECT_FALSE(IsCommandEnabled(table, command::kConfigure));
    EXPECT_TRUE(IsCommandEnabled(table, command::kSystem));
    EXPECT_FALSE(IsCommandEnabled(table, command::kCommon));
    EXPECT_TRUE(IsCommandEnabled(table, command::kVfoHome));
    EXPECT_FALSE(IsCommandEnabled(table, command::kUpload));
    EXPECT_TRUE(IsCommandEnabled(table, command::kDownload));
    EXPECT_FALSE(IsCommandEnabled(table, command::kAbout));
}

TEST(HelpContext, MainWindowBecomesTheGridColumnAndSomeOpenTheContents) {
    EXPECT_EQ(CommandHelpContext(command::kConfigure), 98386);
    EXPECT_EQ(DialogHelpContext(169), 131241);
    HelpRequest r = FilterHelpRequest(kMainWindowHelpContext, 4);
    EXPECT_FALSE(r.finder);
    EXPECT_EQ(r.context, 304);
    EXPECT_EQ(HelpSection(r), "channel-grid");
    for (int finder : {98378, 123203, 387099, 387100, 387101, 387102}) {
        EXPECT_TRUE(FilterHelpRequest(finder, 0).finder) << finder;
        EXPECT_EQ(HelpSection(FilterHelpRequest(finder, 0)), "");
    }
    r = FilterHelpRequest(98376, 0);
    EXPECT_FALSE(r.finder);
    EXPECT_EQ(HelpSection(r), "get-started");
    EXPECT_EQ(HelpSection(FilterHelpRequest(98377, 0)), "common-problems");
    EXPECT_EQ(HelpSection(FilterHelpRequest(98386, 0)), "configuration");
    EXPECT_EQ(HelpSection(FilterHelpRequest(12345, 0)), "");
}

}  // namespace
}  // namespace tarn
