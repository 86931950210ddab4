#include "settings/SystemParamDlg.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "settings/Latin1.h"
#include "settings/SettingsForm.h"

namespace tarn::gui {

CSystemParamDlg::CSystemParamDlg(Document& document, bool maintenanceMode, QWidget* parent)
    : CPromptDialog(kSystemParamsTemplate, parent),
      editor_(document, maintenanceMode),
      form_(new SettingsForm(editor_.Rows(), Body())) {
    setWindowTitle(Latin1(kSystemParamsCaption));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, Body());
    ok_ = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &CSystemParamDlg::OnOk);
    connect(buttons, &QDialogButtonBox::rejected, this, &CSystemParamDlg::reject);
    connect(form_, &SettingsForm::Chosen, this, [this](int controlId, std::uint32_t value) {
        editor_.Choose(controlId, value);
        form_->Show(editor_.Rows());
    });
    auto* layout = new QVBoxLayout(Body());
    layout->addWidget(form_);
    layout->addStretch();
    layout->addWidget(buttons);
    form_->Show(editor_.Rows());
}

void CSystemParamDlg::OnOk() {
    // Only the OK button itself closes the dialog (a click gives it the focus first).
    if (QApplication::focusWidget() != ok_) return;
    editor_.Ok();
    accept();
}

void CSystemParamDlg::reject() {
    editor_.Cancel();
    QDialog::reject();
}

}  // namespace tarn::gui
