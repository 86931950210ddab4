#include "channels/CopyChannel.h"

#include <array>

#include "ui/StringIds.h"
#include "ui/StringTable.h"

namespace tarn {
namespace {

constexpr std::array<std::string_view, GroupCount> kGroupPrefixes{"MR-", "BOOK-", "WX-", "BRS-"};

std::string_view WithoutLeadingBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

}  // namespace

void CopyChannel(ChannelTable& table, std::size_t source, std::size_t destination) {
    if (table.CurrentGroup == kGroupWx || table.CurrentGroup == kGroupBrs) return;
    if (source >= EntryCount || destination >= EntryCount || source == destination) return;
    const ChannelEntry& from = table.Entries[source];
    ChannelEntry& to = table.Entries[destination];
    if (!AlwaysInUse(destination)) to.Empty = from.Empty;
    to.Mode = from.Mode;
    to.Band = from.Band;
    to.Narrow = from.Narrow;
    to.Tag = from.Tag;
    to.TagCodes = from.TagCodes;
    to.RxFrequency = from.RxFrequency;
    to.TxFrequency = from.TxFrequency;
    to.ShiftOffset = from.ShiftOffset;
    to.ToneType = from.ToneType;
    to.CtcssIndex = from.CtcssIndex;
    to.DcsIndex = from.DcsIndex;
    to.RxUnit = from.RxUnit;
    to.TxUnit = from.TxUnit;
    to.TxPower = from.TxPower;
    to.Step = from.Step;
    to.ClockShift = from.ClockShift;
    to.TagDisplay = from.TagDisplay;
    to.Scan = from.Scan;
    to.ShiftMode = from.ShiftMode;
}

std::string ChannelCopyQuestion(const ChannelTable& table, std::size_t source, std::string_view pastedText) {
    const std::uint32_t group = GroupOfSlot(table, source);
    std::string label = group == table.CurrentGroup || group >= GroupCount
                            ? std::string("Ch ")
                            : std::string(kGroupPrefixes[group]) + "ch ";
    if (group == kGroupMr) {
        label += WithoutLeadingBlanks(pastedText);
    } else {
        std::size_t first = 0;
        for (std::uint32_t g = 0; g < group && g < GroupCount; ++g) first += table.GroupSizes[g];
        label += std::to_string(source - first + 1);
    }
    const std::string_view destination =
        table.CurrentIndex < EntryCount ? std::string_view(table.Entries[table.CurrentIndex].Label) : "";
    // The destination first: the source label comes from pasted text, which could hold a placeholder.
    return ReplacePlaceholder(ReplacePlaceholder(LoadString(kStrCopyChannel), WithoutLeadingBlanks(destination), "%2"),
                              label);
}

}  // namespace tarn
