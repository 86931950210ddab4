#include "align/AlignModel.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "align/AlignChannelLine.h"
#include "align/AlignEnabling.h"

namespace tarn {
namespace {

// A radio in alignment mode that notes every command and keeps its alignment memory as words.
class NotingRadio : public AlignRadio {
public:
    explicit NotingRadio(const CloneImage& image) {
        for (std::uint16_t a = 0x20; a <= 0x2C; ++a) words[a] = {image[a * 2u], image[a * 2u + 1]};
    }
    bool SelectChannel(std::uint8_t slot) override { return Note("channel", slot); }
    bool ReadMeasurements(AlignMeasurements& m) override { return m = measurements, Note("measure"); }
    bool SetLevel(std::uint8_t level) override { return Note("level", level); }
    bool SetModulation(std::uint8_t a, std::uint8_t f, std::uint8_t c) override { return Note("modulation", a, f, c); }
    bool Key() override { return Note("key"); }
    bool Unkey() override { return Note("unkey"); }
    bool SendSingle(std::uint8_t command) override { return Note("single", command); }
    bool SetReferenceTune(std::uint8_t v) override { return Note("reference", v); }
    bool ReadVorAngle(std::uint16_t& raw) override { return raw = vorRaw, Note("vor"); }
    bool LoadSquelch(std::uint8_t t, std::uint8_t g, std::uint8_t h) override { return Note("squelch", t, g, h); }
    bool ReadWord(std::uint16_t address, AlignWord& word) override { return word = words[address], Note("read"); }
    bool WriteWord(std::uint16_t address, const AlignWord& word) override {
        return Note("write") && (words[address] = word, true);
    }

    // Notes the command and its parameters; refuses the commands whose notes start with `refuse` (all of
    // them while `refuse` is "*").
    template <typename... Values>
    bool Note(std::string what, Values... values) {
        ((what += " " + std::to_string(values)), ...);
        notes.push_back(what);
        return !(refuse == "*" || (!refuse.empty() && what.rfind(refuse, 0) == 0));
    }

    std::vector<std::string> notes;
    std::string refuse;
    std::map<std::uint16_t, AlignWord> words;
    AlignMeasurements measurements{10, 11, 12, 13, 14, 15};
    std::uint16_t vorRaw = 0;
};

ChannelTable TableWith(std::uint32_t mode, std::uint32_t tone = kToneNone, std::uint32_t narrow = 0) {
    ChannelTable table;
    for (auto& e : table.Entries) e.Empty = 1;
    for (std::size_t slot : {3u, 5u, 75u, 80u}) {
        table.Entries[slot].Empty = 0;
        table.Entries[slot].Mode = mode;
        table.Entries[slot].ToneType = tone;
        table.Entries[slot].Narrow = narrow;
    }
    table.Entries[3].Mode = kBandWx;  // never a test channel
    return table;
}

CloneImage AlignImage() {
    CloneImage image{};
    for (std::size_t i = 64; i < 90; ++i) image[i] = static_cast<std::uint8_t>(i);
    return image;
}

struct Session {
    explicit Session(const ChannelTable& t) : table(t), radio(image), model(table, image, radio) { model.LoadValues(); }
    ChannelTable table;
    CloneImage image = AlignImage();
    NotingRadio radio;
    AlignModel model;
};

TEST(AlignModel, TestsOnTheUsableSlotsOfTheCurrentGroup) {
    // Empty and weather slots are skipped; positions count from 1 within the group.
    ChannelTable table = TableWith(kBandAm);
    Session mr(table);
    EXPECT_EQ(mr.model.ChannelList(), (std::vector<std::string>{" 6"}));
    EXPECT_TRUE(AlignModel::MayAlign(table));
    table.CurrentGroup = kGroupBook;
    Session book(table);
    EXPECT_EQ(book.model.ChannelList(), (std::vector<std::string>{" 6", "11"}));
    EXPECT_EQ(book.model.Slot(), 75);
    table.CurrentGroup = kGroupWx;
    EXPECT_FALSE(AlignModel::MayAlign(table));
    table.CurrentGroup = kGroupBrs;  // no channel stored there
    EXPECT_FALSE(AlignModel::MayAlign(table));
}

TEST(AlignModel, AppliesTypedValuesClampedIntoTheirWordOnly) {
    struct Case {
        std::uint32_t mode;
        int item;
        const char* typed;
        int value;
        std::uint16_t word;
        AlignWord written;  // the other byte (or half) keeps the radio's value
        std::vector<std::string> live;
    };
    // One row for each way a value sits in its word: a byte, a signed byte, a half byte.
    const Case cases[] = {
        {kBandAm, 9, "300", 255, 0x24, {72, 255}, {"level 255"}},
        {kBandAm, 22, "-3", -3, 0x2B, {0xFD, 87}, {}},
        // A WFM test channel uses the second place: here the high half of byte 68 (the low half is the
        // first place's, see the storing test).
        {kBandWfm, 2, "9", 9, 0x22, {(68 & 0x0F) | 0x90, 69}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.item << " " << c.typed);
        Session s(TableWith(c.mode));
        ASSERT_TRUE(s.model.ChangeChannel(0));
        s.radio.notes.clear();
        EXPECT_TRUE(s.model.Apply(c.item, c.typed));
        EXPECT_EQ(s.model.Value(c.item), c.value);
        EXPECT_EQ(s.radio.words[c.word], c.written);
        auto expected = c.live;
        expected.insert(expected.end(), {"read", "write"});
        EXPECT_EQ(s.radio.notes, expected);
        EXPECT_TRUE(s.model.ValuesChanged());
    }
}

TEST(AlignModel, KeepsTheOldValueWhenTheRadioRefuses) {
    for (const char* refused : {"level", "read", "write"}) {
        Session s(TableWith(kBandAm));
        s.radio.refuse = refused;
        EXPECT_FALSE(s.model.Apply(9, "1"));
        EXPECT_EQ(s.model.Value(9), 73);
        EXPECT_FALSE(s.model.ValuesChanged());
    }
    // A CTCSS level is not applied at all off a CTCSS channel.
    Session s(TableWith(kBandExp, kToneNone));
    EXPECT_FALSE(s.model.Apply(19, "1"));
    EXPECT_TRUE(s.radio.notes.empty());
}

TEST(AlignModel, StoresEveryValueIntoItsImageBitsOnly) {
    Session s(TableWith(kBandExp, kToneCtcss));
    s.image.fill(0);
    s.model.Apply(19, "19");
    s.model.Apply(2, "3");
    s.model.StoreValues();
    EXPECT_EQ(s.image[82], 19);
    EXPECT_EQ(s.image[89], 89);  // CTCSS Level(Narrow) keeps its place
    EXPECT_EQ(s.image[68], (68 & 0xF0) | 3);
    EXPECT_EQ(s.image[87], 0);  // not the dialog's
}

TEST(AlignModel, NeverLeavesTheRadioKeyedWhenAnUnkeyFails) {
    // Stopping: the test stays on (STOP) and closing does nothing until an unkey is acknowledged.
    Session s(TableWith(kBandAm));
    s.model.PressAdj(9);
    s.radio.refuse = "unkey";
    const AdjOutcome stop = s.model.PressAdj(9);
    EXPECT_EQ(stop.result, AdjResult::Testing);
    EXPECT_TRUE(stop.unkeyFailed);
    EXPECT_EQ(s.model.ActiveItem(), 9);
    s.image.fill(0);
    EXPECT_FALSE(s.model.Close());
    EXPECT_EQ(s.image[73], 0);
    EXPECT_EQ(s.radio.notes.back(), "unkey");
    s.radio.refuse.clear();
    EXPECT_TRUE(s.model.Close());
    EXPECT_EQ(s.image[73], 73);
    EXPECT_EQ(s.radio.notes.back(), "single 56");  // 0x38 last, after the unkey

    // Starting: the level refused, the unkey after it too.
    Session t(TableWith(kBandAm));
    t.radio.refuse = "level";
    EXPECT_EQ(t.model.PressAdj(9).result, AdjResult::Idle);
    t.radio.refuse = "*";
    EXPECT_TRUE(t.model.PressAdj(9).unkeyFailed);
    EXPECT_EQ(t.model.ActiveItem(), 9);
}

// A test keys the radio and runs until STOP, the only live button meanwhile; a level or reference test
// writes its value when it stops.
TEST(AlignModel, RunsEachTestsCommandsInOrderUntilStop) {
    using N = std::vector<std::string>;
    struct Case {
        std::uint32_t mode, tone, narrow;
        int item;
        N start, stop;
    };
    const Case cases[] = {
        {kBandAm, 0, 0, 9, {"key", "level 73"}, {"unkey", "level 73", "read", "write"}},
        {kBandExp, kToneCtcss, 1, 20, {"key", "modulation 0 0 89", "single 63"},
         {"single 0", "unkey", "modulation 0 0 89", "read", "write"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        Session s(TableWith(c.mode, c.tone, c.narrow));
        EXPECT_EQ(s.model.PressAdj(c.item).result, AdjResult::Testing);
        EXPECT_EQ(s.radio.notes, c.start);
        EXPECT_EQ(s.model.ActiveItem(), c.item);
        EXPECT_EQ(s.model.PressAdj(0).result, AdjResult::Idle);  // a capture, live but for the test
        s.radio.notes.clear();
        EXPECT_EQ(s.model.PressAdj(c.item).result, AdjResult::Done);
        EXPECT_EQ(s.radio.notes, c.stop);
        EXPECT_TRUE(s.model.Changed());
    }
    // No CTCSS or DCS test without the tone.
    Session s(TableWith(kBandExp));
    EXPECT_EQ(s.model.PressAdj(19).result, AdjResult::Idle);
    EXPECT_EQ(s.model.PressAdj(21).result, AdjResult::Idle);
    EXPECT_EQ(s.model.ActiveItem(), -1);
}

TEST(AlignModel, CapturesAndReadsEndWithinThePress) {
    Session s(TableWith(kBandAm));
    EXPECT_EQ(s.model.PressAdj(0).result, AdjResult::Done);
    EXPECT_EQ(s.model.Value(0), 13);  // measurement byte 3
    EXPECT_EQ(s.radio.words[0x20], (AlignWord{13, 65}));
    for (const auto& [raw, degrees] : {std::pair{199, 3}, {200, 4}}) {
        s.radio.vorRaw = static_cast<std::uint16_t>(raw);
        s.model.PressAdj(8);
        EXPECT_EQ(s.model.Value(8), degrees);
    }
    EXPECT_EQ(s.model.ActiveItem(), -1);
    s.radio.refuse = "measure";  // a failed read changes nothing
    s.model.PressAdj(4);
    EXPECT_EQ(s.model.Value(4), 70);
}

TEST(AlignModel, AFailedChannelChangeShowsErrorUntilOneSucceeds) {
    Session s(TableWith(kBandAm));
    s.radio.refuse = "channel";
    bool channelFailed = false;
    EXPECT_FALSE(s.model.Open(channelFailed));
    EXPECT_TRUE(channelFailed);
    EXPECT_EQ(s.model.ValueText(9), "Error");
    EXPECT_EQ(ChannelLineTexts(s.model.Channel(), s.model.Error()).band, "Error");
    EXPECT_FALSE(s.model.Apply(9, "1"));
    EXPECT_EQ(s.model.PressAdj(9).result, AdjResult::Idle);
    s.radio.refuse = "squelch";
    EXPECT_FALSE(s.model.Open(channelFailed));
    EXPECT_FALSE(channelFailed);
    EXPECT_TRUE(s.model.Error());
    EXPECT_EQ(s.radio.notes.back(), "squelch 64 65 4");  // the non-WFM squelch values
    s.radio.refuse.clear();
    EXPECT_TRUE(s.model.ChangeChannel(0));
    EXPECT_EQ(s.model.ValueText(9), "73");
}

TEST(AlignModel, EnablesTheTransmitItemsOfTheTestChannelsBand) {
    const auto on = [](const ChannelEntry& e, int item) {
        return BandEnabling(e)[static_cast<std::size_t>(item)].button == AlignEnable::On;
    };
    ChannelEntry e;
    e.Mode = kBandAm;
    EXPECT_TRUE(on(e, 9) && !on(e, 13) && !on(e, 21));
    e.Mode = kBandExp;
    e.ToneType = kToneCtcss;
    EXPECT_TRUE(!on(e, 9) && on(e, 13) && on(e, 17) && on(e, 19) && !on(e, 18) && !on(e, 20) && !on(e, 21));
    e.Narrow = 1;
    EXPECT_TRUE(!on(e, 17) && on(e, 18) && !on(e, 19) && on(e, 20));
    e.Mode = kBandWfm;
    EXPECT_FALSE(on(e, 14));
    e.Mode = kBandWx;
    EXPECT_EQ(BandEnabling(e)[9].box, AlignEnable::Keep);
}

TEST(AlignModel, DescribesTheTestChannel) {
    const ChannelEntry e{.Label = {}, .Mode = kBandBrs, .RxFrequency = 151625000, .ShiftOffset = 600000, .TxPower = 0,
                         .ShiftMode = kShiftPlus, .Narrow = 1};
    const AlignChannelLine line = ChannelLineTexts(e, false);
    EXPECT_EQ((std::vector{line.band, line.rxFrequency, line.txFrequency, line.shift, line.power}),
              (std::vector<std::string>{"BRS(Narrow)", "151.625000", "0.600000", "+", "L1"}));
}

}  // namespace
}  // namespace tarn
