#include "settings/PromptLine.h"

#include <gtest/gtest.h>

#include "ui/StringTable.h"

namespace tarn {
namespace {

TEST(PromptLine, SplitsAPromptIntoItsFirstLineAndTheHintUpToASecondLineFeed) {
    const struct {
        std::string_view text, firstLine, hint;
    } cases[] = {
        {"Select SQL Level (0-8)\n<SELECT>", "Select SQL Level (0-8)", "<SELECT>"},
        {"Select FM Radio SQL Level (0-8>", "Select FM Radio SQL Level (0-8>", ""},
        {"first\n<ENTER>\nmore", "first", "<ENTER>"},
    };
    for (const auto& c : cases) {
        const PromptPanes panes = SplitPromptText(c.text);
        EXPECT_EQ(panes.firstLine, c.firstLine) << c.text;
        EXPECT_EQ(panes.hint, c.hint) << c.text;
    }
}

// A control without a text keeps the prompt shown before; id 0 blanks both panes. The id is remembered either way.
TEST(PromptLine, KeepsThePromptForAMissingTextAndBlanksBothPanesForIdZero) {
    PromptLine line;
    line.Show(4701);
    EXPECT_EQ(line.Show(4599), 4701u);  // no text: the Lamp Mode prompt stays
    EXPECT_EQ(line.Panes().firstLine, SplitPromptText(LoadString(4701)).firstLine);
    EXPECT_EQ(line.Show(0), 4599u);
    EXPECT_EQ(std::tie(line.Panes().firstLine, line.Panes().hint), std::tuple(" ", " "));
}

}  // namespace
}  // namespace tarn
