// The command-enable tables and the help contexts of the main window's commands.
#include <gtest/gtest.h>

#include "app/CommandEnableTable.h"
#include "app/CommandIds.h"
#include "app/HelpContext.h"

namespace tarn {
namespace {

// A command reads its own bit of its group's word. The CSV commands, Undo and Redo read the word no other
// command uses, which both tables fill: allowed in both modes (the history says when there is something to
// take back).
TEST(CommandEnableTable, EachCommandReadsItsOwnBitOfItsGroupWord) {
    const CommandEnableTable table{{0, 0b0101, 0, 0b10, 0, 0}};
    for (auto [id, enabled] : {std::pair{command::kConfigure, false}, {command::kSystem, true}, {command::kCommon, false},
                               {command::kVfoHome, true}, {command::kImportCsv, false}}) {
        EXPECT_EQ(IsCommandEnabled(table, id), enabled) << id;
    }
    for (const bool maintenance : {false, true}) {
        EXPECT_EQ(IsCommandEnabled(EnableTableFor(maintenance), command::kAlign), maintenance);
        EXPECT_TRUE(IsCommandEnabled(EnableTableFor(maintenance), command::kEditUndo)) << maintenance;
    }
}

TEST(HelpContext, SomeContextsOpenTheContents) {
    EXPECT_TRUE(FilterHelpRequest(98378, 0).finder);
    // That each section exists is HelpSectionTest's; here a command and a context without a section.
    for (auto [context, section] : {std::pair{CommandHelpContext(command::kConfigure), "configuration"}, {12345, ""}}) {
        const HelpRequest r = FilterHelpRequest(context, 0);
        EXPECT_EQ(std::tuple(r.finder, HelpSection(r)), std::tuple(false, std::string_view(section))) << context;
    }
}

}  // namespace
}  // namespace tarn
