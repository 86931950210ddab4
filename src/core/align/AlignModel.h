#pragma once
// The Alignment dialog's rules: the test channel chosen from the current group's usable slots, the 24
// values with their two sources by the test channel's mode, typed values written live into the radio,
// the ADJ buttons' captures, reads and live tests, and the way out that never leaves the radio keyed.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "align/AlignItems.h"
#include "align/AlignRadio.h"
#include "model/ChannelTable.h"
#include "model/CloneImage.h"

namespace tarn {

// What an ADJ press left behind.
enum class AdjResult {
    Idle = 0,     // nothing done, or the test could not start
    Done = 1,     // a capture, a read or the end of a test
    Testing = 2,  // the test runs: only its STOP button stays enabled
};

struct AdjOutcome {
    AdjResult result = AdjResult::Idle;
    // The unkey that should have ended the test was not acknowledged: the test stays on (STOP) and the
    // user is told the radio may still be transmitting.
    bool unkeyFailed = false;
};

class AlignModel {
public:
    // Takes the slot range of the table's current group and the first usable slot as the test channel;
    // Error is set when the group has none.
    AlignModel(const ChannelTable& table, CloneImage& image, AlignRadio& radio);

    // Whether the Align command may go on: not the weather group, and a usable channel to test on.
    static bool MayAlign(const ChannelTable& table);

    // The dialog's opening: values from the image, the first test channel selected, the squelch levels
    // loaded into the radio. False when the radio refused the channel (`channelFailed`) or the squelch.
    bool Open(bool& channelFailed);

    // The channel list: each usable slot's position in the group, from 1, as "%2d".
    std::vector<std::string> ChannelList() const;
    // Selects the n-th usable slot on the radio; values written meanwhile are stored first, then all are
    // loaded from the image again. False (and Error) when the radio refuses.
    bool ChangeChannel(int listIndex);
    // The user chose another channel in the list: as ChangeChannel, and the dialog counts as changed.
    bool ChooseChannel(int listIndex);

    void LoadValues();
    void StoreValues();

    // The item's value from the source the test channel's mode uses.
    int Value(int item) const;
    // "%d" of the value, or "Error".
    std::string ValueText(int item) const;

    // Applies a typed text: clamps it, sends the live command, writes it into the radio's alignment
    // memory word. True when the value changed.
    bool Apply(int item, std::string_view text);

    // The ADJ button of `item`: starts its action, or stops the running test.
    AdjOutcome PressAdj(int item);

    // The OK path: stops the running test (false, and nothing else done, when its unkey fails), stores the
    // values into the image and sends the radio out of alignment mode.
    bool Close();

    const ChannelEntry& Channel() const { return channel_; }
    int Slot() const { return slot_; }
    int ListIndex() const { return listIndex_; }
    bool Error() const { return error_; }
    bool ValuesChanged() const { return valuesChanged_; }
    // A value was applied or captured, a test ended or another channel was chosen while the dialog was open.
    bool Changed() const { return changed_; }
    // The item whose test runs, -1 when none.
    int ActiveItem() const { return activeItem_; }

private:
    bool Wfm() const { return channel_.Mode == kBandWfm; }
    bool ToneIs(std::uint32_t tone) const { return channel_.ToneType == tone; }
    const AlignField* FieldOf(int item) const;
    bool ApplyValue(int item, int value);
    bool SendLive(int item, int value);
    AdjOutcome Start(int item);
    AdjOutcome Stop(int item);
    // Unkeys after a failed start; a failed unkey keeps the test on.
    AdjOutcome AbandonStart(int item);

    const ChannelTable& table_;
    CloneImage& image_;
    AlignRadio& radio_;
    std::size_t firstSlot_ = 0;
    std::vector<std::size_t> usableSlots_;
    int slot_ = 0;
    int listIndex_ = 0;
    ChannelEntry channel_;
    int activeItem_ = -1;
    bool error_ = false;
    bool valuesChanged_ = false;
    bool changed_ = false;
    std::array<int, kAlignItemCount> values_{};
    std::array<int, align_items::kTwoSourceItems> wfmValues_{};
};

}  // namespace tarn
