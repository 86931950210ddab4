#pragma once
// Windows and controls that have their own help context carry it in this property; F1 asks the
// focused control, then each container around it, then the window in front.
#include <QVariant>
#include <QWidget>

namespace tarn::gui {

inline constexpr const char* kHelpContextProperty = "tarnHelpContext";

// The context of `widget` or of its nearest container that carries one; invalid when none does.
inline QVariant HelpContextOf(const QWidget* widget) {
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        const QVariant own = w->property(kHelpContextProperty);
        if (own.isValid()) return own;
    }
    return {};
}

}  // namespace tarn::gui
