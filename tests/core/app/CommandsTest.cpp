// The command-enable tables and the help contexts of the main window's commands.
#include <gtest/gtest.h>

#include "app/CommandEnableTable.h"
#include "app/CommandIds.h"
#include "app/HelpContext.h"

namespace tarn {
namespace {

TEST(CommandEnableTable, EachCommandReadsItsOwnBitOfItsGroupWord) {
    const CommandEnableTable table{{0, 0b0101, 0, 0b10, 0, 0}};
    for (auto [id, enabled] : {std::pair{command::kConfigure, false}, {command::kSystem, true}, {command::kCommon, false},
                               {command::kVfoHome, true}, {command::kUpload, false}, {command::kDownload, true},
                               {command::kAbout, false}}) {
        EXPECT_EQ(IsCommandEnabled(table, id), enabled) << id;
    }
    EXPECT_EQ(IsCommandEnabled(EnableTableFor(false), command::kAlign), false);
    EXPECT_EQ(IsCommandEnabled(EnableTableFor(true), command::kAlign), true);
    // The CSV commands, Undo and Redo read the word no other command uses, which both tables fill: allowed in
    // both modes (the history says when there is something to take back).
    EXPECT_EQ(IsCommandEnabled(table, command::kImportCsv) || IsCommandEnabled(table, command::kEditUndo), false);
    for (const bool maintenance : {false, true}) {
        for (const int id : {command::kImportCsv, command::kExportCsv, command::kEditUndo, command::kEditRedo}) {
            EXPECT_TRUE(IsCommandEnabled(EnableTableFor(maintenance), id)) << id;
        }
    }
}

TEST(HelpContext, SomeContextsOpenTheContents) {
    for (int finder : {98378, 387102}) EXPECT_TRUE(FilterHelpRequest(finder, 0).finder) << finder;
    // That each section exists is HelpSectionTest's; here a command, a dialog page and contexts without one.
    for (auto [context, section] : {std::pair{CommandHelpContext(command::kConfigure), "configuration"}, {12345, ""},
                                    {131267, "common-settings"}, {131272, ""}}) {
        const HelpRequest r = FilterHelpRequest(context, 0);
        EXPECT_EQ(std::tuple(r.finder, HelpSection(r)), std::tuple(false, std::string_view(section))) << context;
    }
}

}  // namespace
}  // namespace tarn
