#include "print/ChannelPage.h"

#include "model/ChannelFieldTexts.h"
#include "model/FrequencyConversion.h"
#include "print/ListedChannels.h"
#include "print/ListingFormat.h"

namespace tarn {
namespace {

const char* Mark(bool set) { return set ? "X" : "-"; }

// The channel's number within its group, from 1.
int ChannelNumber(const ChannelTable& table, std::size_t slot) {
    std::size_t first = 0;
    for (std::uint32_t g = 0; g < GroupOfSlot(table, slot); ++g) first += table.GroupSizes[g];
    return static_cast<int>(slot - first + 1);
}

std::string TransmitField(const ChannelEntry& entry) {
    return entry.ShiftMode == kShiftSplit ? FrequencyText(entry.TxFrequency) + " " : "---.----- ";
}

std::string ShiftField(const ChannelEntry& entry) {
    const bool repeater = IsShiftWithOffset(entry.ShiftMode);
    return repeater ? FormatText("%8.5f  ", HzToMhz(entry.ShiftOffset)) : "--.-----  ";
}

// Eight columns whatever the tone type; a tone or code beyond its table leaves its place blank.
std::string ToneField(const ChannelEntry& entry) {
    switch (entry.ToneType) {
        case kToneNone: return "------- ";
        case kToneCtcss: return FormatText("%5s   ", CtcssText(entry).c_str());
        case kToneDcs: return FormatText("%3s     ", DcsText(entry).c_str());
        default: return std::string(8, ' ');
    }
}

}  // namespace

std::string ChannelLine(const ChannelEntry& entry, int number) {
    return FormatText("         %3d ", number) + FormatText("%3s  ", ModeText(entry).c_str()) +
           FormatText("%1s  ", WidthText(entry).c_str()) + FormatText("%8.8s ", entry.Tag.data()) +
           FrequencyText(entry.RxFrequency) + " " + TransmitField(entry) + ShiftField(entry) +
           FormatText("%5s ", ToneTypeText(entry).c_str()) + ToneField(entry) +
           FormatText("%2s ", PowerText(entry).c_str()) + FormatText("%5s ", StepText(entry).c_str()) +
           FormatText("%s %s %s ", Mark(entry.ClockShift == 0), Mark(entry.TagDisplay == 1), Mark(entry.Scan == 1)) +
           FormatText("%7s ", ShiftText(entry).c_str());
}

std::string_view GroupLine(std::size_t slot) {
    switch (slot) {
        case kMrFirstSlot: return "         ***MR***";
        case kBookFirstSlot: return "         ***Book MR***";
        case kWxFirstSlot: return "         ***Weather***";
        case kBrsFirstSlot: return "         ***BRS***";
        default: return {};
    }
}

std::vector<std::string> ChannelPageLines(const ChannelTable& table, std::uint32_t channelPage) {
    std::vector<std::string> lines(kChannelPageHeadings.begin(), kChannelPageHeadings.end());
    std::size_t drawn = 0;
    for (std::size_t slot = ChannelPageFirstSlot(table, channelPage); slot < kSlotsEnd && drawn < kChannelsPerPage;
         ++slot) {
        if (!IsListedChannel(table.Entries[slot])) continue;
        if (const std::string_view group = GroupLine(slot); !group.empty()) lines.emplace_back(group);
        lines.push_back(ChannelLine(table.Entries[slot], ChannelNumber(table, slot)));
        ++drawn;
    }
    return lines;
}

}  // namespace tarn
