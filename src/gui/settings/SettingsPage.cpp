#include "settings/SettingsPage.h"

#include "app/HelpContext.h"
#include "app/HelpContextProperty.h"

namespace tarn::gui {

SettingsPage::SettingsPage(int templateId, const QString& caption, QWidget* parent)
    : QWidget(parent), caption_(caption) {
    setProperty(kHelpContextProperty, DialogHelpContext(templateId));
}

void SettingsPage::showEvent(QShowEvent* event) {
    if (!shown_) {
        shown_ = true;
        Initialise();
    }
    QWidget::showEvent(event);
}

}  // namespace tarn::gui
