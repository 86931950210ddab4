#include "settings/SettingsPage.h"

#include <QVBoxLayout>

#include "app/HelpContext.h"
#include "app/HelpContextProperty.h"
#include "settings/SettingsForm.h"

namespace tarn::gui {

SettingsPage::SettingsPage(int templateId, const QString& caption, PageEditor editor,
                           const std::vector<SettingRow>& layout, QWidget* parent)
    : QWidget(parent), caption_(caption), editor_(std::move(editor)), form_(new SettingsForm(layout, this)) {
    setProperty(kHelpContextProperty, DialogHelpContext(templateId));
    connect(form_, &SettingsForm::Chosen, this, [this](int controlId, std::uint32_t value) {
        editor_.choose(controlId, value);
        ShowRows();
    });
    connect(form_, &SettingsForm::NumberTyped, this, [this](int controlId, const QString& text) {
        editor_.enterText(controlId, text.toStdString());
        ShowRows();
    });
    auto* box = new QVBoxLayout(this);
    box->addWidget(form_);
    box->addStretch();
}

void SettingsPage::showEvent(QShowEvent* event) {
    if (!shown_) {
        shown_ = true;
        editor_.showPage();
        ShowRows();
    }
    QWidget::showEvent(event);
}

void SettingsPage::ShowRows() { form_->Show(editor_.rows()); }

}  // namespace tarn::gui
