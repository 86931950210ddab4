#pragma once
// CSystemParamDlg: the System Parameters dialog over the core's editor. Each choice is written at once;
// OK (only from the OK button itself) encodes and re-checks the channels; Cancel or closing the window
// puts back what the dialog found.
#include "settings/PromptDialog.h"
#include "settings/SystemParamsEditor.h"

class QPushButton;

namespace tarn::gui {

class SettingsForm;

class CSystemParamDlg : public CPromptDialog {
    Q_OBJECT
public:
    CSystemParamDlg(Document& document, bool maintenanceMode, QWidget* parent = nullptr);

    SettingsForm* Form() const { return form_; }
    QPushButton* OkButton() const { return ok_; }

    void reject() override;

private:
    void OnOk();

    SystemParamsEditor editor_;
    SettingsForm* form_;
    QPushButton* ok_;
};

}  // namespace tarn::gui
