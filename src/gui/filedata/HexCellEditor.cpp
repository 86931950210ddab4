#include "filedata/HexCellEditor.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTableView>

#include "channels/CharacterFilter.h"
#include "channels/FilterEdit.h"
#include "channels/SystemBeep.h"
#include "channels/TypedCharacter.h"
#include "filedata/FileDataEditor.h"
#include "filedata/FileDataModel.h"

namespace tarn::gui {

HexCellEditor::HexCellEditor(FileDataEditor& editor, FileDataModel* model, QTableView* grid)
    : QObject(grid), editor_(editor), model_(model), grid_(grid), box_(new CFilterEdit(grid->viewport())) {
    box_->setObjectName(QStringLiteral("byteEditBox"));
    box_->SetFilterKind(kFileDataFilterKind);
    box_->setMaxLength(kFileDataEditLength);
    box_->setAlignment(Qt::AlignCenter);
    box_->hide();
    box_->installEventFilter(this);
    grid->installEventFilter(this);
    grid->viewport()->installEventFilter(this);
    // Scrolling the grid ends the edit: the box would no longer sit over its cell.
    for (QScrollBar* bar : {grid->verticalScrollBar(), grid->horizontalScrollBar()}) {
        connect(bar, &QScrollBar::valueChanged, this, [this] {
            if (box_->hasFocus()) grid_->setFocus(Qt::OtherFocusReason);
        });
    }
}

bool HexCellEditor::Begin(const QString& text) {
    const QModelIndex current = grid_->currentIndex();
    if (!current.isValid()) return false;
    const EditResult allowed = editor_.CanEdit(current.row(), current.column());
    SystemBeep(allowed.beeps);
    if (!allowed.done) return false;
    Commit();
    cell_ = current;
    box_->ShowOver(*grid_, current, text);
    return true;
}

void HexCellEditor::Commit() {
    if (!cell_.isValid()) return;
    const QModelIndex cell = std::exchange(cell_, QModelIndex());  // hiding the box must not commit again
    SystemBeep(editor_.Commit(cell.row(), cell.column(), box_->text().toStdString()).beeps);
    model_->Redraw(cell);
    box_->HideInto(*grid_);
}

void HexCellEditor::EndToGrid() {
    if (box_->hasFocus()) {
        grid_->setFocus(Qt::OtherFocusReason);  // the focus loss commits
    } else {
        Commit();
    }
}

bool HexCellEditor::GridKey(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        Begin(grid_->currentIndex().data().toString());
        return true;
    }
    const auto typed = TypedCharacter(*event);
    if (!typed || *typed == kBackspaceCode) return false;
    if (const auto start = FileDataTypedStart(*typed)) Begin(QString::fromStdString(*start));
    return true;  // the grid has no search by typing
}

bool HexCellEditor::BoxKey(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: EndToGrid(); return true;
        case Qt::Key_Escape:
            if (cell_.isValid()) box_->setText(cell_.data().toString());
            EndToGrid();
            return true;
        default:
            // Every other key stays with the box: passed on to the grid, Up or Tab would move the
            // current cell away from the edit.
            static_cast<QObject*>(box_)->event(event);
            event->accept();
            return true;
    }
}

bool HexCellEditor::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == box_) {
        if (type == QEvent::KeyPress) return BoxKey(static_cast<QKeyEvent*>(event));
        if (type == QEvent::FocusOut && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason) Commit();
    } else if (watched == grid_ && type == QEvent::KeyPress) {
        return GridKey(static_cast<QKeyEvent*>(event));
    } else if (watched == grid_->viewport() && type == QEvent::MouseButtonDblClick) {
        const auto* click = static_cast<QMouseEvent*>(event);
        if (click->button() == Qt::LeftButton && grid_->indexAt(click->position().toPoint()).isValid()) {
            Begin(grid_->currentIndex().data().toString());
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace tarn::gui
