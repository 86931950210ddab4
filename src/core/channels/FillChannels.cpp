#include "channels/FillChannels.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "channels/CanEditCell.h"
#include "channels/ChannelCellText.h"
#include "channels/ChannelEditLabel.h"
#include "channels/ComplementDcs.h"
#include "channels/PasteIntoCell.h"
#include "channels/StepField.h"
#include "channels/StoreCellText.h"
#include "model/EditStep.h"
#include "ui/SilentPrompter.h"

namespace tarn {
namespace {

// The selected slots of the group shown, each once and in order: a selection never reaches another group.
std::vector<std::size_t> SlotsOfCurrentGroup(const ChannelTable& table, std::span<const std::size_t> slots) {
    std::vector<std::size_t> shown;
    for (std::size_t slot : slots) {
        if (GroupOfSlot(table, slot) == table.CurrentGroup && std::find(shown.begin(), shown.end(), slot) == shown.end()) {
            shown.push_back(slot);
        }
    }
    return shown;
}

std::string FillLabel(const std::vector<std::size_t>& slots, int column) {
    return slots.size() == 1 ? CellEditLabel(slots.front(), column) : CellsEditLabel(slots.size(), column);
}

// One fill as one undoable step: each slot in turn is made the current channel and goes through a
// single-cell edit, and whether its channel changed is counted. The current channel is put back at the end.
class Fill {
public:
    Fill(Document& document, std::string label)
        : table_(document.Channels()),
          step_(document, std::move(label), ModifiedFlag::FollowsContent),
          current_(table_.CurrentIndex) {}
    ~Fill() { table_.CurrentIndex = current_; }
    Fill(const Fill&) = delete;
    Fill& operator=(const Fill&) = delete;

    template <typename Edit>
    EditResult Apply(std::size_t slot, Edit edit) {
        const ChannelEntry before = table_.Entries[slot];
        table_.CurrentIndex = static_cast<std::uint32_t>(slot);
        const EditResult edited = edit();
        taken_ = taken_ || edited.done;
        ++(table_.Entries[slot] == before ? result_.unchanged : result_.changed);
        return edited;
    }

    FillResult Result() const { return {result_.changed, result_.unchanged, taken_ ? 0 : 1}; }

private:
    ChannelTable& table_;
    const EditStep step_;
    const std::uint32_t current_;
    FillResult result_;
    bool taken_ = false;
};

template <typename Edit>
FillResult FillEach(Document& document, const std::vector<std::size_t>& slots, std::string label, Edit edit) {
    Fill fill(document, std::move(label));
    for (std::size_t slot : slots) fill.Apply(slot, [&] { return edit(slot); });
    return fill.Result();
}

// Hands the pick lists on and notes whether the user cancelled the one shown: the other channels then keep
// their values.
class CancelNotingPicker : public ChannelPicker {
public:
    explicit CancelNotingPicker(ChannelPicker& picker) : picker_(picker) {}
    bool Cancelled() const { return cancelled_; }

    std::optional<std::uint32_t> PickTone(std::uint32_t toneType, std::uint32_t index, int column) override {
        return Noted(picker_.PickTone(toneType, index, column));
    }
    std::optional<std::uint32_t> PickStep(int column, std::uint32_t step) override {
        return Noted(picker_.PickStep(column, step));
    }

private:
    std::optional<std::uint32_t> Noted(std::optional<std::uint32_t> picked) {
        cancelled_ = !picked;
        return picked;
    }

    ChannelPicker& picker_;
    bool cancelled_ = false;
};

// Space leaves the Mode, TAG and frequency cells as they are: there is no value to hand on.
bool SpaceSetsAValue(int column) { return column != 1 && (column < 3 || column > 6); }

}  // namespace

FillResult FillTypedText(Document& document, std::span<const std::size_t> slots, int column, std::string_view text) {
    const std::vector<std::size_t> shown = SlotsOfCurrentGroup(document.Channels(), slots);
    return FillEach(document, shown, FillLabel(shown, column), [&](std::size_t slot) {
        if (!CanEditCell(document.Channels(), column).done) return EditResult::Refused();
        return StoreCellText(document, slot, column, text);
    });
}

FillResult FillPastedText(Document& document, std::span<const std::size_t> slots, int column, std::string_view text,
                          Prompter& prompter) {
    const ChannelTable& table = document.Channels();
    const std::size_t current = table.CurrentIndex;
    const std::vector<std::size_t> shown = SlotsOfCurrentGroup(table, column == 0 ? std::span(&current, 1) : slots);
    const std::string label =
        shown.size() == 1 ? PasteLabel(shown.front(), column) : "Paste into " + CellsEditLabel(shown.size(), column);
    return FillEach(document, shown, label,
                    [&](std::size_t) { return PasteIntoCell(document, column, text, prompter); });
}

FillResult FillStep(Document& document, std::span<const std::size_t> slots, int column, ChannelPicker& picker) {
    const ChannelTable& table = document.Channels();
    const std::size_t current = table.CurrentIndex;
    if (GroupOfSlot(table, current) != table.CurrentGroup) return {};
    std::vector<std::size_t> others = SlotsOfCurrentGroup(table, slots);
    std::erase(others, current);
    const int selected = static_cast<int>(others.size()) + 1;

    Fill fill(document, others.empty() ? CellEditLabel(current, column) : CellsEditLabel(selected, column));
    CancelNotingPicker noting(picker);
    const EditResult stepped = fill.Apply(current, [&] { return StepField(document, column, noting); });
    if (!stepped.done) return {0, selected, stepped.beeps};

    const bool handOn = SpaceSetsAValue(column) && !noting.Cancelled();
    const ChannelEntry& model = table.Entries[current];
    const std::string text = CellText(model, column);
    SilentPrompter noQuestions;  // a paste asks only on the channel-number column, which is stepped instead
    for (std::size_t slot : others) {
        fill.Apply(slot, [&] {
            if (!handOn || (column == 0 && table.Entries[slot].Empty == model.Empty)) return EditResult::Refused();
            return column == 0 ? StepField(document, column, picker) : PasteIntoCell(document, column, text, noQuestions);
        });
    }
    return fill.Result();
}

FillResult FillComplementDcs(Document& document, std::span<const std::size_t> slots, int column) {
    const std::vector<std::size_t> shown = SlotsOfCurrentGroup(document.Channels(), slots);
    return FillEach(document, shown, FillLabel(shown, column),
                    [&](std::size_t) { return ComplementDcs(document, column); });
}

std::string FillStatusText(const FillResult& result) {
    std::string text = "Changed " + std::to_string(result.changed) + (result.changed == 1 ? " channel" : " channels");
    if (result.unchanged > 0) text += ", " + std::to_string(result.unchanged) + " left unchanged";
    return text;
}

}  // namespace tarn
