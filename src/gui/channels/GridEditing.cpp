#include "channels/GridEditing.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTableView>

#include "channels/CellEditBox.h"
#include "channels/ChannelSelection.h"
#include "channels/ChannelTableModel.h"
#include "channels/CharacterFilter.h"
#include "channels/ComplementDcs.h"
#include "channels/FillChannels.h"
#include "channels/InCellEditor.h"
#include "channels/PickListDialog.h"
#include "channels/StepField.h"
#include "channels/SystemBeep.h"
#include "channels/TypedCharacter.h"
#include "model/Document.h"

namespace tarn::gui {

GridEditing::GridEditing(Document& document, QTableView* grid, ChannelTableModel* model, InCellEditor* editor,
                         ChannelSelection* selection)
    : QObject(grid), document_(document), grid_(grid), model_(model), editor_(editor), selection_(selection) {
    grid->installEventFilter(this);
    grid->viewport()->installEventFilter(this);
    grid->horizontalHeader()->viewport()->installEventFilter(this);
}

std::optional<std::uint32_t> GridEditing::PickTone(std::uint32_t toneType, std::uint32_t index, int column) {
    CTonePickDlg dialog(toneType, index, column, grid_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Chosen();
}

std::optional<std::uint32_t> GridEditing::PickStep(int column, std::uint32_t step) {
    CStepPickDlg dialog(column, step, grid_);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.Chosen();
}

void GridEditing::Redraw(int column) {
    const QModelIndex current = grid_->currentIndex();
    if (current.isValid()) model_->RedrawAfterChange(current.row(), column);
}

bool GridEditing::Space(int column) {
    const bool filled =
        selection_->FillSelected(column, [&](auto selected) { return FillStep(document_, selected, column, *this); });
    if (!filled) {
        const EditResult result = StepField(document_, column, *this);
        SystemBeep(result.beeps);
        Redraw(column);
    }
    return !SpaceReachesGrid(column);
}

void GridEditing::ComplementDcsCodes(int column) {
    const bool filled =
        selection_->FillSelected(column, [&](auto selected) { return FillComplementDcs(document_, selected, column); });
    if (!filled && ComplementDcs(document_, column).done) Redraw(column);
}

bool GridEditing::KeyPress(QKeyEvent* event) {
    const QModelIndex current = grid_->currentIndex();
    if (!current.isValid()) return false;
    const int column = current.column();
    const ChannelEntry& entry = document_.Channels().Entries[document_.Channels().CurrentIndex];
    const QString cellText = current.data().toString();
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            editor_->Begin(EditKindOnEnter(entry, column), cellText, false);
            return false;
        case Qt::Key_Space:
            if (event->modifiers() & Qt::ControlModifier) {
                // Adds or takes out the current cell; the grid's own Ctrl+Space would also jump to the
                // next cell whose text starts with a blank.
                grid_->selectionModel()->select(current, QItemSelectionModel::Toggle);
                return true;
            }
            if (event->modifiers() & Qt::ShiftModifier) {
                selection_->SelectWholeRows();
                return true;
            }
            // Where Space goes on to the grid it is also a typed blank, which opens an edit on the
            // TAG and frequency cells.
            if (Space(column)) return true;
            break;
        case Qt::Key_F3:
            ComplementDcsCodes(column);
            return false;
        default: break;
    }
    const auto typed = TypedCharacter(*event);
    if (!typed || *typed == kBackspaceCode) return false;
    const TypedStart start = EditOnTyped(entry, column, *typed);
    if (start.kind != EditKind::None) editor_->Begin(start.kind, QString::fromLatin1(start.text), true);
    // The grid has no search by typing: a typed character only ever starts an edit.
    return true;
}

bool GridEditing::DoubleClick(QMouseEvent* event) {
    const QModelIndex clicked = grid_->indexAt(event->position().toPoint());
    const QModelIndex current = grid_->currentIndex();
    if (!clicked.isValid() || !current.isValid()) return true;
    const EditKind kind = EditKindOnDoubleClick(current.column());
    if (kind == EditKind::None) return Space(current.column());
    editor_->Begin(kind, current.data().toString(), false);
    return false;
}

bool GridEditing::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == grid_->horizontalHeader()->viewport()) {
        // The header rows take no clicks.
        return (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) &&
               static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    }
    // An edit still open is stored before the grid's own keys and clicks read the channel.
    if (watched == grid_ && type == QEvent::KeyPress) {
        editor_->Commit();
        return KeyPress(static_cast<QKeyEvent*>(event));
    }
    if (watched == grid_->viewport() && type == QEvent::MouseButtonDblClick &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        editor_->Commit();
        return DoubleClick(static_cast<QMouseEvent*>(event));
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tarn::gui
