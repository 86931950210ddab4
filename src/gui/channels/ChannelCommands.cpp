#include "channels/ChannelCommands.h"

#include <QTableView>

#include "channels/ChannelCellText.h"
#include "channels/ChannelSelection.h"
#include "channels/ChannelTableModel.h"
#include "channels/ChannelView.h"
#include "channels/SystemBeep.h"
#include "model/Document.h"
#include "ui/Prompter.h"

namespace tarn::gui {
namespace {

std::vector<int> RowsOf(const ChannelTable& table, std::span<const std::size_t> slotList) {
    std::vector<int> rows;
    for (std::size_t slot : slotList) rows.push_back(RowOfSlot(table, slot));
    return rows;
}

}  // namespace

ChannelCommands::ChannelCommands(Document& document, Prompter& prompter, ChannelView& view)
    : document_(document), prompter_(prompter), view_(view) {}

bool ChannelCommands::CanReorder() const { return IsReorderableGroup(document_.Channels().CurrentGroup); }

void ChannelCommands::Move(int direction) {
    const std::vector<std::size_t> selected = view_.Selection()->Slots();
    const std::vector<std::size_t> moved = MoveChannels(document_, selected, direction);
    if (moved == selected) {
        SystemBeep();
        return;
    }
    const ChannelTable& table = document_.Channels();
    view_.Model()->RowsMoved(RowsOf(table, selected), RowsOf(table, moved));
    view_.Grid()->scrollTo(view_.Grid()->currentIndex());
}

void ChannelCommands::InsertEmpty() {
    if (const auto refusal = InsertEmptyChannel(document_, document_.Channels().CurrentIndex)) {
        prompter_.Tell(*refusal, MessageIcon::Exclamation);
        return;
    }
    view_.Model()->RedrawAll();
}

void ChannelCommands::Delete() {
    const std::vector<std::size_t> selected = view_.Selection()->Slots();
    if (selected.size() > 1 &&
        prompter_.AskYesNo(DeleteChannelsQuestion(selected.size()), MessageIcon::Question) != Answer::Yes) {
        return;
    }
    if (DeleteChannels(document_, selected) == 0) {
        SystemBeep();
        return;
    }
    view_.Model()->RedrawAll();
}

void ChannelCommands::Sort(SortKey key) {
    if (!SortChannels(document_, document_.Channels().CurrentGroup, key)) return;
    // The selected rows no longer hold the channels that were selected: only the current cell stays selected.
    const QModelIndex current = view_.Grid()->currentIndex();
    view_.Model()->RedrawAll();
    if (current.isValid()) view_.GoToCell(current.row(), current.column());
}

}  // namespace tarn::gui
