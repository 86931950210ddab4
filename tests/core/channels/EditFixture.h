#pragma once
// A document with the default channel table, and channels set up the way the grid tests need them.
#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

#include "channels/ChannelCellText.h"
#include "core/support/RecordingPrompter.h"
#include "model/ChannelDefaults.h"
#include "model/Document.h"
#include "ui/ChannelPicker.h"

namespace tarn::test {

// Answers the list dialogs with `answer` (default: Cancel) and records the value each was opened with.
class FakePicker : public ChannelPicker {
public:
    std::vector<std::uint32_t> opened;
    std::optional<std::uint32_t> answer;

    std::optional<std::uint32_t> PickTone(std::uint32_t, std::uint32_t index, int) override { return Pick(index); }
    std::optional<std::uint32_t> PickStep(int, std::uint32_t step) override { return Pick(step); }

private:
    std::optional<std::uint32_t> Pick(std::uint32_t value) {
        opened.push_back(value);
        return std::exchange(answer, std::nullopt);
    }
};

class EditFixture : public ::testing::Test {
protected:
    RecordingPrompter prompter;
    Document document{prompter, "/nonexistent"};
    ChannelTable& table = document.Channels();
    SystemSettings& settings = document.Settings();
    FakePicker picker;

    // Shows the group of `slot` and makes it the current channel.
    ChannelEntry& Select(std::size_t slot) {
        table.CurrentGroup = GroupOfSlot(table, slot);
        SelectGroup(table, settings);
        table.CurrentIndex = static_cast<std::uint32_t>(slot);
        return table.Entries[slot];
    }
    // A channel in use on the air band (25 kHz grid), made current.
    ChannelEntry& Air(std::size_t slot, std::int32_t hz) {
        ChannelEntry& entry = Select(slot);
        ClearChannel(entry);
        entry.Empty = 0;
        entry.RxFrequency = hz;
        return entry;
    }
    // A channel in use on the FM expansion band (5 kHz grid), made current.
    ChannelEntry& Exp(std::size_t slot, std::int32_t hz) {
        ChannelEntry& entry = Air(slot, hz);
        entry.Mode = entry.Band = kBandExp;
        entry.Step = 0;
        entry.RxUnit = entry.TxUnit = 0;
        return entry;
    }
    std::string Text(int column) { return CellText(table.Entries[table.CurrentIndex], column); }
};

}  // namespace tarn::test
