#pragma once
// A document with the default channel table, and channels set up the way the grid tests need them.
#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <vector>

#include "model/ChannelDefaults.h"
#include "model/Document.h"
#include "core/support/RecordingPrompter.h"
#include "ui/ChannelPicker.h"

namespace tarn::test {

// Answers the list dialogs from queues (default: Cancel) and records what they were opened with.
class FakePicker : public ChannelPicker {
public:
    struct Call {
        std::uint32_t kind;  // tone type, or 10 for the step list
        std::uint32_t index;
    };
    std::vector<Call> calls;
    std::deque<std::optional<std::uint32_t>> answers;

    std::optional<std::uint32_t> PickTone(std::uint32_t toneType, std::uint32_t index, int) override {
        return Answer({toneType, index});
    }
    std::optional<std::uint32_t> PickStep(int column, std::uint32_t step) override {
        return Answer({static_cast<std::uint32_t>(column), step});
    }

private:
    std::optional<std::uint32_t> Answer(Call call) {
        calls.push_back(call);
        if (answers.empty()) return std::nullopt;
        auto answer = answers.front();
        answers.pop_front();
        return answer;
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
};

}  // namespace tarn::test
