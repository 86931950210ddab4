#include <gtest/gtest.h>

#include "model/ChannelDefaults.h"
#include "model/DefaultImage.h"
#include "print/ChannelPage.h"
#include "print/ListedChannels.h"
#include "print/ListingJob.h"
#include "print/ListingPlainText.h"

namespace tarn {
namespace {

DocumentContent DefaultContent() {
    DocumentContent content;
    FillDefaultImage(content);
    return content;
}

// Every slot in use, each an AM channel at 118 MHz.
ChannelTable FullTable() {
    ChannelTable table;
    DefaultChannelTable(table);
    for (auto& entry : table.Entries) {
        ClearChannel(entry);
        entry.Empty = 0;
    }
    return table;
}

struct DrawnLine {
    int x, y;
    std::string text;
};
struct RecordingSurface : ListingSurface {
    std::vector<DrawnLine> lines;
    void DrawLine(int x, int y, const std::string& text) override { lines.push_back({x, y, text}); }
};

TEST(ListedChannels, PageCountFollowsTheUsedChannels) {
    DocumentContent content = DefaultContent();
    EXPECT_EQ(UsedChannelCount(content.Channels), 34u);
    EXPECT_EQ(ListingJob(content, "<none>", {}).PageCount(), 2u);
    for (std::size_t s = 1; s <= 36; ++s) content.Channels.Entries[s].Empty = 0;
    EXPECT_EQ(UsedChannelCount(content.Channels), 70u);
    EXPECT_EQ(ListingJob(content, "<none>", {}).PageCount(), 2u);
    content.Channels.Entries[37].Empty = 0;
    EXPECT_EQ(ListingJob(content, "<none>", {}).PageCount(), 3u);
    EXPECT_EQ(ListingPageCount(0), 1u);
    // The widest line and the longest page: the settings page.
    const ListingExtent extent = ListingJob(DefaultContent(), "<none>", {}).Extent();
    EXPECT_EQ(std::tuple(extent.columns, extent.lines), std::tuple(5u + 97u, 62u));
}

TEST(ListedChannels, EmptyChannelsAreNeitherCountedNorListed) {
    // Empty; no receive frequency (listed, not counted); nothing at all.
    for (auto [entry, used, listed] :
         {std::tuple{ChannelEntry{.Label = {}, .RxFrequency = 118000000, .Empty = 1}, false, false},
          {ChannelEntry{.Label = {}, .TxFrequency = 121000000}, false, true}, {ChannelEntry{}, false, false}}) {
        EXPECT_EQ(std::tuple(IsUsedChannel(entry), IsListedChannel(entry)), std::tuple(used, listed));
    }
}

TEST(ChannelPage, ChannelLinesShowEveryField) {
    ChannelTable table;
    DefaultChannelTable(table);
    ChannelEntry& simplex = table.Entries[11];  // MR 12
    simplex = {.Label = {}, .RxFrequency = 118100000, .TxPower = 1, .Step = 5, .ClockShift = 1};
    SetTag(simplex, "TOWER");
    ChannelEntry& dcs = table.Entries[70];  // BOOK 1
    dcs = {.Label = {}, .Mode = kBandExp, .RxFrequency = 145500000, .ShiftOffset = 600000, .ToneType = kToneDcs,
           .DcsIndex = 0, .TagDisplay = 1, .Scan = 1, .ShiftMode = kShiftMinus, .Narrow = 1};
    SetTag(dcs, "REPEATER");
    ChannelEntry& ctcss = table.Entries[159];  // BOOK 90
    ctcss = {.Label = {}, .Mode = kBandExp, .RxFrequency = 145500000, .TxFrequency = 146100000,
             .ToneType = kToneCtcss, .CtcssIndex = 8, .TxPower = 1, .Step = 2, .ClockShift = 1, .Scan = 1,
             .ShiftMode = kShiftSplit};
    SetTag(ctcss, "SPLIT");

    const auto lines = ChannelPageLines(table, 1);
    // MR 12 is the first MR channel on the page but not the group's first slot: no group line before it.
    EXPECT_EQ(std::vector(lines.begin() + 6, lines.end()), (std::vector<std::string>{
        "          12  AM  W     TOWER 118.10000 ---.----- --.-----  ----- ------- HI   25k - - - Simplex ",
        "         ***Book MR***",
        "           1 EXP  N  REPEATER 145.50000 ---.-----  0.60000    DCS 023     LO    5k X X X       - ",
        "          90 EXP  W     SPLIT 145.50000 146.10000 --.-----  CTCSS  88.5   HI 12.5k - - X   Split ",
    }));
}

TEST(ChannelPage, IndexesBeyondTheTablesLeaveBlankFieldsOfTheSameWidth) {
    ChannelEntry entry;
    ClearChannel(entry);
    const std::size_t width = ChannelLine(entry, 1).size();
    std::tie(entry.Mode, entry.ToneType, entry.DcsIndex, entry.CtcssIndex) = std::tuple(7, kToneDcs, 200, 50);
    const std::string dcs = ChannelLine(entry, 1);
    entry.ToneType = kToneCtcss;
    const std::string ctcss = ChannelLine(entry, 1);
    EXPECT_EQ(std::tuple(dcs.size(), ctcss.size()), std::tuple(width, width));
    EXPECT_EQ(dcs.substr(13, 5) + "|" + dcs.substr(60, 14) + "|" + ctcss.substr(60, 14), "     |  DCS         |CTCSS         ");
}

TEST(ChannelPage, PagesWalkOnFromTheLastListedChannelWithGroupLinesOnlyAtGroupStarts) {
    ChannelTable table = FullTable();
    table.Entries[5].Empty = 1;  // not listed: page 1 reaches one slot further
    EXPECT_EQ(std::tuple(ChannelPageFirstSlot(table, 1), ChannelPageFirstSlot(table, 2), ChannelPageFirstSlot(table, 3),
                         ChannelPageFirstSlot(table, 4)), std::tuple(0u, 71u, 141u, kSlotsEnd));

    const auto first = ChannelPageLines(table, 1);
    ASSERT_EQ(first.size(), 6u + 2u + 70u);  // MR 1..70 without MR 6, then BOOK 1
    EXPECT_EQ(first[76], "         ***Book MR***");
    EXPECT_EQ(first.back().substr(0, 13), "           1 ");

    const auto third = ChannelPageLines(table, 3);
    ASSERT_EQ(third.size(), 6u + 19u + 1u + 10u + 1u + 32u);  // the rest: 201 listed channels in all
    EXPECT_EQ(third[25], "         ***Weather***");
    EXPECT_EQ(third[36], "         ***BRS***");
    EXPECT_EQ(third.back().substr(0, 13), "          32 ");

    EXPECT_EQ(ChannelPageLines(table, 4).size(), kChannelPageHeadings.size());
}

TEST(ListingJob, APageRangePrintsOnlyItsPagesFromTheTopInAnyOrder) {
    DocumentContent content = DefaultContent();
    content.Channels = FullTable();
    ListingJob job(content, "<none>", TextMetrics{12, 7});
    ASSERT_EQ(job.PageCount(), 4u);
    EXPECT_EQ(job.Extent().lines, 6u + 1u + 70u);

    RecordingSurface later;
    job.PrintPage(later, 3);
    RecordingSurface range;
    job.PrintPage(range, 2);  // pages 2..2: the first 70 listed channels
    ASSERT_EQ(range.lines.size(), 6u + 1u + 70u);
    for (std::size_t i = 0; i < range.lines.size(); ++i) {
        EXPECT_EQ(range.lines[i].x, 35);
        EXPECT_EQ(range.lines[i].y, static_cast<int>(12 * i));
    }
    EXPECT_EQ(job.LineNo(), 77);

    RecordingSurface again;
    job.PrintPage(again, 3);
    ASSERT_EQ(again.lines.size(), later.lines.size());
    EXPECT_EQ(again.lines.front().y, 0);
    EXPECT_EQ(again.lines.back().text, later.lines.back().text);

    RecordingSurface outside;
    job.PrintPage(outside, 5);
    job.PrintPage(outside, 0);
    EXPECT_TRUE(outside.lines.empty());
}

TEST(ListingPlainText, PagesAreSeparatedByAFormFeedLine) {
    const DocumentContent content = DefaultContent();
    const std::string text = ListingPlainText(ListingJob(content, "<none>", {}));
    const std::size_t feed = text.find("\n\f\n");
    EXPECT_EQ(std::tuple(text.find('\f'), text.find('\f', feed + 2)), std::tuple(feed + 1, std::string::npos));
    EXPECT_EQ(text.substr(feed + 3, 9), "         ");
    EXPECT_EQ(text.back(), '\n');
}

}  // namespace
}  // namespace tarn
