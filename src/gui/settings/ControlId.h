#pragma once
// The control id of a settings editor's control: the string-table id of its prompt.
#include <QVariant>
#include <QWidget>

namespace tarn::gui {

inline constexpr const char* kControlIdProperty = "tarnControlId";

inline void SetControlId(QWidget* control, int id) { control->setProperty(kControlIdProperty, id); }

// The id of `widget` or of its nearest container that carries one (a list's open drop-down counts as
// the list); 0 when there is none or `widget` does not lie within `top`.
inline int ControlIdOf(const QWidget* widget, const QWidget* top) {
    int id = 0;
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (id == 0) id = w->property(kControlIdProperty).toInt();
        if (w == top) return id;
    }
    return 0;
}

}  // namespace tarn::gui
