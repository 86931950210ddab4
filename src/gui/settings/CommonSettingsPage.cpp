#include "settings/CommonSettingsPage.h"

#include <QVBoxLayout>

#include "settings/Latin1.h"
#include "settings/SettingsForm.h"

namespace tarn::gui {
CommonSettingsPage::CommonSettingsPage(CommonSheetEditor& editor, CommonPage page,
                                       const std::vector<SettingRow>& layout, QWidget* parent)
    : SettingsPage(CommonPageTemplate(page), Latin1(CommonPageCaption(page)), parent),
      editor_(editor),
      page_(page),
      form_(new SettingsForm(layout, this)) {
    connect(form_, &SettingsForm::Chosen, this, [this](int controlId, std::uint32_t value) {
        editor_.Choose(controlId, value);
        ShowRows();
    });
    connect(form_, &SettingsForm::NumberTyped, this, [this](int controlId, const QString& text) {
        editor_.EnterNumber(controlId, text.toStdString());
        ShowRows();
    });
    auto* box = new QVBoxLayout(this);
    box->addWidget(form_);
    box->addStretch();
}

void CommonSettingsPage::Initialise() {
    editor_.ShowPage(page_);
    ShowRows();
}

void CommonSettingsPage::ShowRows() { form_->Show(editor_.Rows(page_)); }

}  // namespace tarn::gui
