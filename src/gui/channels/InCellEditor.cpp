#include "channels/InCellEditor.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTableView>

#include "channels/CanEditCell.h"
#include "channels/ChannelCellText.h"
#include "channels/ChannelSelection.h"
#include "channels/ChannelTableModel.h"
#include "channels/FillChannels.h"
#include "channels/FilterEdit.h"
#include "channels/SystemBeep.h"
#include "model/Document.h"

namespace tarn::gui {
namespace {

// Ins, Del, Ctrl+Up and Ctrl+Down: the channel commands' keys, which mean something else while typing.
bool IsChannelCommandKey(const QKeyEvent& key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if (key.key() == Qt::Key_Insert || key.key() == Qt::Key_Delete) return modifiers == Qt::NoModifier;
    return (key.key() == Qt::Key_Up || key.key() == Qt::Key_Down) && modifiers == Qt::ControlModifier;
}

}  // namespace

InCellEditor::InCellEditor(Document& document, QTableView* grid, ChannelTableModel* model, ChannelSelection* selection)
    : QObject(grid),
      document_(document),
      grid_(grid),
      model_(model),
      selection_(selection),
      box_(new CFilterEdit(grid->viewport())) {
    box_->setObjectName(QStringLiteral("cellEditBox"));
    box_->hide();
    box_->installEventFilter(this);
    // Scrolling the grid ends the edit.
    for (QScrollBar* bar : {grid->verticalScrollBar(), grid->horizontalScrollBar()}) {
        connect(bar, &QScrollBar::valueChanged, this, [this] {
            if (editing_ && box_->hasFocus()) grid_->setFocus(Qt::OtherFocusReason);
        });
    }
}

bool InCellEditor::Begin(EditKind kind, const QString& text, bool caretAfter) {
    const QModelIndex current = grid_->currentIndex();
    if (kind == EditKind::None || !current.isValid()) return false;
    ChannelTable& table = document_.Channels();
    const EditResult allowed = CanEditCell(table, current.column());
    SystemBeep(allowed.beeps);
    if (!allowed.done) return false;

    Commit();
    slot_ = table.CurrentIndex;
    column_ = current.column();
    selectedSlots_ = selection_->Slots();
    const EditBoxSetup setup = SetupOf(kind);
    box_->SetFilterKind(setup.filterKind);
    box_->setMaxLength(setup.maxLength);
    editing_ = true;
    box_->ShowOver(*grid_, current, text);
    if (!caretAfter) box_->selectAll();
    return true;
}

QString InCellEditor::CellText() const {
    return QString::fromLatin1(tarn::CellText(document_.Channels().Entries[slot_], column_));
}

void InCellEditor::Commit() {
    if (!editing_) return;
    editing_ = false;  // hiding the box moves the focus, which must not commit again
    const QByteArray text = box_->text().toLatin1();
    const std::string_view typed(text.constData(), text.size());
    // An edit that leaves the cell's text as it was (Escape, Enter without typing) fills nothing.
    const bool filled = box_->text() != CellText() && selection_->FillSlots(selectedSlots_, column_, [&](auto selected) {
        return FillTypedText(document_, selected, column_, typed);
    });
    if (!filled) {
        const EditResult result = CommitCellEdit(document_, slot_, column_, typed);
        SystemBeep(result.beeps);
        const int row = RowOfSlot(document_.Channels(), slot_);
        if (row >= 0) model_->RedrawAfterChange(row, column_);
    }
    box_->HideInto(*grid_);
}

void InCellEditor::EndToGrid() {
    if (box_->hasFocus()) {
        grid_->setFocus(Qt::OtherFocusReason);  // the focus loss commits
    } else {
        Commit();
    }
}

bool InCellEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched != box_) return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::ShortcutOverride && IsChannelCommandKey(*static_cast<QKeyEvent*>(event))) {
        event->accept();  // the box keeps the key from the Edit menu's channel commands
        return true;
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            EndToGrid();
            return true;
        }
        if (key == Qt::Key_Escape) {
            if (editing_) box_->setText(CellText());
            EndToGrid();
            return true;
        }
        // Every other key stays with the box, also one it has no use for (Shift, Up, F3): passed on to
        // the grid it would end the edit in the middle of typing.
        static_cast<QObject*>(box_)->event(event);
        event->accept();
        return true;
    } else if (event->type() == QEvent::FocusOut) {
        // A menu opened over the box keeps the edit (its Copy and Paste act on the box).
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) Commit();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tarn::gui
