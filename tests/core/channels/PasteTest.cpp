#include <gtest/gtest.h>

#include <functional>

#include "EditFixture.h"
#include "channels/CopyChannel.h"
#include "channels/PasteIntoCell.h"

namespace tarn {
namespace {

class PasteTest : public test::EditFixture {
protected:
    EditResult Paste(int column, std::string_view text) { return PasteIntoCell(document, column, text, prompter); }
};

TEST_F(PasteTest, CellTextMustMatchAListedTextExactlyAndFollowTheCellRules) {
    const auto exp = [this] { Exp(2, 150000000).ShiftOffset = 600000; };
    const auto air = [this](std::int32_t hz) { return [=, this] { Air(2, hz); }; };
    struct Case {
        std::function<void()> setup;
        int column;
        const char* text;
        bool done;
        int beeps;
        int shownColumn;
        const char* shown;
    };
    const Case cases[] = {
        {exp, 7, "DCS", true, 0, 8, "023"},  // a new tone type starts from the first code
        {exp, 7, "ctcss", false, 1, 7, "-----"},
        {air(118000000), 7, "CTCSS", false, 1, 7, "-----"},  // no tone on the air band
        {[this] { Exp(2, 150000000).ToneType = kToneCtcss; }, 8, "159.8", true, 0, 8, "159.8"},  // further tones too
        {[this] { Exp(2, 150000000).ToneType = kToneCtcss; }, 8, "88.5", false, 1, 8, " 67.0"},
        {exp, 9, "LO", true, 0, 9, "LO"},
        {exp, 9, "Hi", false, 1, 9, "HI"},
        {exp, 13, "", false, 1, 13, "-"},
        {exp, 14, "split", false, 1, 14, "Simplex"},
        {exp, 14, "+", true, 0, 6, "  0.60000"},
        {air(113000000), 14, "Split", true, 0, 5, "118.00000"},
        {air(120000000), 14, "Split", false, 1, 14, "Simplex"},  // Simplex only from 118 MHz
        {[this] { Select(171); }, 2, "W\tN", false, 1, 2, "W"},  // two cells
        // The step rounds the frequency to its grid.
        {[this] { settings.GrayExpansion = 1, Exp(2, 150005000); }, 10, "25k", true, 0, 4, "150.00000"},
        // Frequencies and TAGs are refused where typing would drop characters.
        {air(118000000), 4, "119.1x", false, 1, 4, "118.00000"},
        {air(118000000), 4, "1190.11300", false, 1, 4, "118.00000"},  // ten characters
        {air(118000000), 3, "APPROACH1", false, 1, 3, "        "},
        // A Simplex channel's transmit cell refuses with a beep, yet the paste counts as done.
        {air(118000000), 5, "125", true, 1, 5, "----------"},
    };
    const SystemSettings defaults = settings;
    for (const Case& c : cases) {
        settings = defaults;
        c.setup();
        document.SetModified(false);
        const EditResult result = Paste(c.column, c.text);
        EXPECT_EQ(std::tuple(result.done, result.beeps, document.Modified()), std::tuple(c.done, c.beeps, c.done))
            << c.column << " " << c.text;
        EXPECT_EQ(Text(c.shownColumn), c.shown) << c.column << " " << c.text;
    }
}

TEST_F(PasteTest, WeatherAndBrsGroupsTakeOnlyTheirOpenColumns) {
    const ChannelEntry before = Select(160);
    for (int column : {0, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 14}) {
        EXPECT_EQ(Paste(column, Text(column)).beeps, 2) << column;  // the cell's own beep and the paste's
    }
    EXPECT_FALSE(document.Modified());
    EXPECT_EQ(Paste(2, "W").beeps, 1);  // Wide only on a BRS channel
    EXPECT_TRUE(Paste(1, "whatever").done);
    EXPECT_TRUE(Paste(13, "v").done);
    EXPECT_EQ(table.Entries[160].RxFrequency, before.RxFrequency);

    Select(171);
    for (int column : {0, 3, 4, 5, 6, 10, 14}) EXPECT_EQ(Paste(column, Text(column)).beeps, 2) << column;
    EXPECT_TRUE(Paste(9, "LO").done);

    ASSERT_EQ(Select(6).Empty, 1u);
    EXPECT_EQ(Paste(13, "v").beeps, 1);
}

TEST_F(PasteTest, SlotNumberOnTheChannelColumnCopiesAfterAsking) {
    Select(70).RxFrequency = 121500000;
    ChannelEntry& mr3 = Select(2);
    for (auto text : {"3", "12.5", "0", "203", "-4", "", "x7"}) {  // refused without a question
        const EditResult result = Paste(0, text);
        EXPECT_EQ(std::tuple(result.done, result.beeps, prompter.shown.size()), std::tuple(false, 1, 0u)) << text;
    }
    EXPECT_FALSE(document.Modified());
    prompter.answers = {Answer::No};
    EXPECT_TRUE(Paste(0, "71").done);
    ASSERT_EQ(prompter.shown.size(), 1u);
    EXPECT_EQ(prompter.shown[0].text, "Do you copy BOOK-ch 1 data to Ch 3?\n");
    EXPECT_EQ(prompter.shown[0].icon, MessageIcon::Question);
    EXPECT_EQ(mr3.RxFrequency, 118000000);
    EXPECT_TRUE(document.Modified());  // the answer No counts as a paste too

    for (auto [slot, text, question] : {std::tuple{2, "5", "Do you copy Ch 5 data to Ch 3?\n"},
                                        {75, "165", "Do you copy WX-ch 5 data to Ch 6?\n"},
                                        {68, "200", "Do you copy BRS-ch 30 data to Ch PMSL?\n"}}) {
        Select(slot);
        Paste(0, text);
        EXPECT_EQ(prompter.shown.back().text, question);
    }
}

TEST_F(PasteTest, MrOneStaysInUseWhenAnEmptySlotIsCopiedOverIt) {
    ChannelEntry& source = Select(9);
    ASSERT_EQ(source.Empty, 1u);
    source.RxFrequency = 130000000;
    for (std::size_t slot : {0, 1}) {
        Select(slot).Empty = 0;
        EXPECT_TRUE(Paste(0, "10").done);
        EXPECT_EQ(table.Entries[slot].RxFrequency, 130000000);
        EXPECT_EQ(table.Entries[slot].Empty, slot == 0 ? 0u : 1u) << slot;
    }
    Select(165);  // never while the weather or BRS group is shown
    CopyChannel(table, 9, 165);
    EXPECT_NE(table.Entries[165].RxFrequency, 130000000);
}

}  // namespace
}  // namespace tarn
