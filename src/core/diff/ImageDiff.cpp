#include "diff/ImageDiff.h"

#include <algorithm>
#include <utility>

#include "channels/ChannelCellText.h"
#include "channels/GridColumns.h"
#include "model/ChannelRecord.h"
#include "model/Document.h"
#include "model/Unpadded.h"
#include "settings/SettingsScript.h"
#include "ui/SilentPrompter.h"

namespace tarn {
namespace {

using Labelled = std::vector<std::pair<std::string, std::string>>;

// An image as the grid and the settings dialogs show it.
struct ShownImage {
    Labelled channels;  // per slot: "MR GROUP 5" and its row
    Labelled settings;  // dialog label and value
    bool operator==(const ShownImage&) const = default;
};

std::string RowText(const ChannelEntry& entry) {
    if (entry.Empty == 1) return "(empty)";
    std::string row;
    for (int column = 1; column < kGridColumnCount; ++column) {
        row += (row.empty() ? "" : " ") + std::string(Unpadded(CellText(entry, column)));
    }
    return row;
}

ShownImage Show(const CloneImage& image) {
    SilentPrompter prompter;  // decoding asks nothing; a Document needs a prompter all the same
    Document document(prompter, {});
    document.Image() = image;
    document.DecodeImage();
    ShownImage shown;
    const ChannelTable& table = document.Channels();
    for (std::size_t slot = 0; slot < kSlotsEnd; ++slot) {
        const ChannelEntry& entry = table.Entries[slot];
        const std::string group(GroupNames[GroupOfSlot(table, slot)]);
        shown.channels.emplace_back(group + " " + std::string(Unpadded(entry.Label)), RowText(entry));
    }
    // Maintenance mode: the band switches are settings the write changes too.
    shown.settings = SettingsScript(document, true).LabelledValues();
    return shown;
}

void AddChanges(const Labelled& before, const Labelled& after, std::vector<ValueChange>& out) {
    for (std::size_t i = 0; i < std::min(before.size(), after.size()); ++i) {
        if (before[i].second != after[i].second) out.push_back({before[i].first, before[i].second, after[i].second});
    }
}

}  // namespace

ImageDiff CompareImages(const CloneImage& before, const CloneImage& after) {
    ImageDiff diff;
    if (before == after) return diff;
    const ShownImage shownBefore = Show(before);
    const ShownImage shownAfter = Show(after);
    AddChanges(shownBefore.channels, shownAfter.channels, diff.channels);
    AddChanges(shownBefore.settings, shownAfter.settings, diff.settings);

    // The slot whose record holds each byte; kSlotsEnd for the bytes outside the records.
    std::vector<std::size_t> ownerOf(kImageSize, kSlotsEnd);
    for (std::size_t slot = 0; slot < kSlotsEnd; ++slot) {
        std::fill_n(ownerOf.begin() + static_cast<long>(RecordOffsetOfSlot(slot)), kChannelRecordSize, slot);
    }
    for (std::size_t byte = 0; byte < kImageSize; ++byte) {
        if (before[byte] == after[byte]) continue;
        const std::size_t slot = ownerOf[byte];
        if (slot != kSlotsEnd) {
            if (shownBefore.channels[slot] == shownAfter.channels[slot]) ++diff.otherBytes;
            continue;
        }
        // A byte outside the records is another byte when changing it alone shows nothing new.
        CloneImage probe = before;
        probe[byte] = after[byte];
        if (Show(probe) == shownBefore) ++diff.otherBytes;
    }
    return diff;
}

}  // namespace tarn
