#include "channels/ColorEdit.h"

#include <QApplication>

namespace tarn::gui {

CColorEdit::CColorEdit(QWidget* parent) : QLineEdit(parent) {
    const QPalette p = QApplication::palette();
    SetColours(p.color(QPalette::Active, QPalette::WindowText), p.color(QPalette::Active, QPalette::Base));
}

void CColorEdit::SetColours(const QColor& text, const QColor& background) {
    QPalette p = palette();
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, QPalette::Text, text);
        p.setColor(group, QPalette::Base, background);
    }
    setPalette(p);
    update();
}

void CColorEdit::SetEditable(bool editable) {
    setReadOnly(!editable);
    ApplyLook(editable ? EditLook::Typing : EditLook::Shown);
}

void CColorEdit::SetEnabledLook(bool enabled) {
    setEnabled(enabled);
    if (!enabled) setReadOnly(false);
    ApplyLook(enabled ? EditLook::Shown : EditLook::Disabled);
}

void CColorEdit::ApplyLook(EditLook look) {
    look_ = look;
    const QPalette system = QApplication::palette();
    switch (look) {
        case EditLook::Shown:
            SetColours(system.color(QPalette::Active, QPalette::WindowText), system.color(QPalette::Active, QPalette::Base));
            break;
        case EditLook::Typing:
            SetColours(system.color(QPalette::Active, QPalette::WindowText),
                       system.color(QPalette::Active, QPalette::ToolTipBase));
            break;
        case EditLook::Disabled:
            SetColours(system.color(QPalette::Disabled, QPalette::Text), system.color(QPalette::Active, QPalette::Button));
            break;
    }
}

}  // namespace tarn::gui
