#include "channels/GridClipboard.h"

#include <QClipboard>
#include <algorithm>
#include <QGuiApplication>
#include <QItemSelectionModel>
#include <QTableView>

#include "channels/ChannelSelection.h"
#include "channels/ChannelTableModel.h"
#include "channels/CharacterFilter.h"
#include "channels/FillChannels.h"
#include "channels/FilterEdit.h"
#include "channels/GridCopyText.h"
#include "channels/InCellEditor.h"
#include "channels/PasteIntoCell.h"
#include "channels/SystemBeep.h"
#include "model/Document.h"

namespace tarn::gui {
namespace {

// The selected rectangle around the current cell (the grid's selection is one contiguous range).
GridSelection SelectionOf(const QTableView& grid) {
    const QModelIndex current = grid.currentIndex();
    GridSelection selection{current.row(), current.row(), current.column(), current.column()};
    const QItemSelection ranges = grid.selectionModel()->selection();
    for (const QItemSelectionRange& range : ranges) {
        if (!range.contains(current)) continue;
        selection = {range.top(), range.bottom(), range.left(), range.right()};
        break;
    }
    return selection;
}

}  // namespace

GridClipboard::GridClipboard(Document& document, Prompter& prompter, QTableView* grid, ChannelTableModel* model,
                             InCellEditor* editor, ChannelSelection* selection)
    : document_(document), prompter_(prompter), grid_(grid), model_(model), editor_(editor), selection_(selection) {}

bool GridClipboard::Route(const std::function<void(QLineEdit&)>& inBox,
                          const std::function<void(const QModelIndex&)>& inGrid) {
    if (editor_->Box()->hasFocus()) {
        inBox(*editor_->Box());
        return true;
    }
    if (!grid_->hasFocus()) return false;
    const QModelIndex current = grid_->currentIndex();
    if (current.isValid()) inGrid(current);
    return true;
}

bool GridClipboard::Copy() {
    return Route([](QLineEdit& box) { box.copy(); },
                 [this](const QModelIndex& current) {
                     const std::string text =
                         GridCopyText(document_.Channels(), SelectionOf(*grid_), current.column());
                     QGuiApplication::clipboard()->setText(QString::fromLatin1(text));
                 });
}

bool GridClipboard::Paste() {
    return Route([this](QLineEdit&) { editor_->Box()->PasteFiltered(); },
                 [this](const QModelIndex& current) {
                     // The cells hold 8-bit text: a character beyond it would become "?", a valid TAG
                     // character, so such text is refused as any other text the cell cannot take.
                     const QString clipboard = QGuiApplication::clipboard()->text();
                     if (std::any_of(clipboard.cbegin(), clipboard.cend(), [](QChar c) { return IsBeyondEightBits(c.unicode()); })) {
                         SystemBeep();
                         return;
                     }
                     const QByteArray bytes = clipboard.toLatin1();
                     const std::string_view text(bytes.constData(), bytes.size());
                     const int column = current.column();
                     if (selection_->FillSelected(column, [&](auto selected) {
                             return FillPastedText(document_, selected, column, text, prompter_);
                         })) {
                         return;
                     }
                     const EditResult result = PasteIntoCell(document_, column, text, prompter_);
                     SystemBeep(result.beeps);
                     if (result.done) model_->RedrawAfterChange(current.row(), current.column());
                 });
}

}  // namespace tarn::gui
