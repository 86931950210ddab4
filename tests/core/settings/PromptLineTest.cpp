#include "settings/PromptLine.h"

#include <gtest/gtest.h>

#include "core/support/RecordingPrompter.h"
#include "settings/CommonSheetEditor.h"
#include "settings/SystemParamsEditor.h"
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

// Every control of both editors shows its own prompt; a misplaced table entry would hide some of them.
TEST(PromptLine, EveryControlOfTheEditorsHasAPromptWithAHint) {
    test::RecordingPrompter prompter;
    Document document(prompter, {});
    std::vector<SettingRow> rows = SystemParamsEditor(document, true).Rows();
    CommonSheetEditor common(document);
    for (const CommonPage page : kCommonPages) {
        for (SettingRow& row : common.Rows(page)) rows.push_back(row);
    }
    EXPECT_EQ(rows.size(), 13u + 12 + 8 + 6 + 7 + 17);
    for (const SettingRow& row : rows) {
        const std::string_view prompt = LoadString(row.controlId);
        const std::string hint = row.kind == RowKind::List ? "<SELECT>" : "<ENTER>";
        // The FM Radio SQL Level prompt has no hint.
        EXPECT_EQ(SplitPromptText(prompt).hint, row.controlId == 4722 ? "" : hint) << row.controlId;
        EXPECT_NE(prompt.find(row.controlId < 4861 ? "Select" : "Edit"), std::string_view::npos) << row.controlId;
    }
}

}  // namespace
}  // namespace tarn
