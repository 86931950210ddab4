#include "channels/FilterEdit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QTableView>

#include "channels/CharacterFilter.h"
#include "channels/SystemBeep.h"
#include "channels/TypedCharacter.h"

namespace tarn::gui {

CFilterEdit::CFilterEdit(QWidget* parent) : QLineEdit(parent) {}

void CFilterEdit::ShowOver(const QTableView& grid, const QModelIndex& cell, const QString& text) {
    setGeometry(grid.visualRect(cell).adjusted(-1, -1, 1, 1));
    setText(text);
    show();
    setFocus(Qt::OtherFocusReason);
    end(false);
}

void CFilterEdit::HideInto(QWidget& grid) {
    const bool hadFocus = hasFocus();
    hide();
    if (hadFocus) grid.setFocus(Qt::OtherFocusReason);
}

void CFilterEdit::PasteFiltered() {
    QString accepted;
    for (const char32_t c : QGuiApplication::clipboard()->text().toUcs4()) {
        if (!IsTextCharacter(c)) continue;
        const auto passed = FilterEditCharacter(filterKind_, c);
        if (!passed && IsBeyondEightBits(c)) {
            SystemBeep();
            return;
        }
        if (passed) accepted += QString::fromUcs4(&*passed, 1);
    }
    insert(accepted);
}

void CFilterEdit::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        PasteFiltered();
        event->accept();
        return;
    }
    const auto typed = TypedCharacter(*event);
    if (!typed || *typed == kBackspaceCode) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const auto passed = FilterEditCharacter(filterKind_, *typed);
    if (!passed) {
        if (IsBeyondEightBits(*typed)) SystemBeep();
        event->accept();
        return;
    }
    if (*passed == *typed) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent changed = WithCharacter(*event, *passed);
    QLineEdit::keyPressEvent(&changed);
}

}  // namespace tarn::gui
