#include "channels/CellEditBox.h"

#include "channels/ChannelCellText.h"
#include "channels/ChannelEditLabel.h"
#include "channels/StoreCellText.h"
#include "model/EditStep.h"

namespace tarn {
namespace {

constexpr int kTagColumn = 3;
constexpr int kToneColumn = 8;

bool IsFrequencyColumn(int column) { return column >= 4 && column <= 6; }
bool IsDigit(char32_t c) { return c >= '0' && c <= '9'; }
bool IsFrequencyCharacter(char32_t c) { return IsDigit(c) || c == '.' || c == ' '; }

EditKind ToneEditKind(const ChannelEntry& entry) {
    if (entry.ToneType == kToneDcs) return EditKind::DcsCode;
    if (entry.ToneType == kToneCtcss) return EditKind::CtcssTone;
    return EditKind::None;
}

}  // namespace

EditBoxSetup SetupOf(EditKind kind) {
    switch (kind) {
        case EditKind::Tag: return {0, 8};
        case EditKind::Frequency: return {1, 9};
        case EditKind::DcsCode: return {7, 3};
        case EditKind::CtcssTone: return {8, 5};
        case EditKind::None: break;
    }
    return {0, 0};
}

EditKind EditKindOnEnter(const ChannelEntry& entry, int column) {
    if (column == kTagColumn) return EditKind::Tag;
    if (IsFrequencyColumn(column)) return EditKind::Frequency;
    if (column == kToneColumn) return ToneEditKind(entry);
    return EditKind::None;
}

TypedStart EditOnTyped(const ChannelEntry& entry, int column, char32_t typed) {
    const char32_t ascii = typed & 127;
    if (column == kTagColumn) {
        if (ascii == 0) return {};
        return {EditKind::Tag, std::string(1, static_cast<char>(ascii))};
    }
    const std::string text(1, static_cast<char>(ascii));
    if (IsFrequencyColumn(column) && IsFrequencyCharacter(typed)) return {EditKind::Frequency, text};
    if (column == kToneColumn) {
        const EditKind kind = ToneEditKind(entry);
        if (kind == EditKind::DcsCode && IsDigit(typed)) return {kind, text};
        if (kind == EditKind::CtcssTone && IsFrequencyCharacter(typed)) return {kind, text};
    }
    return {};
}

EditKind EditKindOnDoubleClick(int column) {
    if (column == kTagColumn) return EditKind::Tag;
    if (IsFrequencyColumn(column)) return EditKind::Frequency;
    return EditKind::None;
}

bool SpaceReachesGrid(int column) { return column != kToneColumn && column != 10; }

EditResult CommitCellEdit(Document& document, std::size_t slot, int column, std::string_view text) {
    if (slot >= EntryCount) return EditResult::Refused();
    if (text == CellText(document.Channels().Entries[slot], column)) return EditResult::Refused();
    const EditStep step(document, CellEditLabel(slot, column));
    return StoreCellText(document, slot, column, text);
}

}  // namespace tarn
