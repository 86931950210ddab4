#include "settings/EnterComboBox.h"

#include <QKeyEvent>

namespace tarn::gui {

void CEnterComboBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        showPopup();
        event->accept();
        return;
    }
    QComboBox::keyPressEvent(event);
}

}  // namespace tarn::gui
