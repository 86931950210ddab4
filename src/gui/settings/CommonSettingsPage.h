#pragma once
// One page of the Common sheet: its rows drawn by a SettingsForm, its choices and typed numbers handed
// to the sheet's editor, which reads the page's settings when the page is first shown.
#include "settings/CommonSheetEditor.h"
#include "settings/SettingsPage.h"

namespace tarn::gui {

class SettingsForm;

class CommonSettingsPage : public SettingsPage {
    Q_OBJECT
public:
    // `layout` gives the page's rows to build its controls from; the values are `editor`'s.
    CommonSettingsPage(CommonSheetEditor& editor, CommonPage page, const std::vector<SettingRow>& layout,
                       QWidget* parent = nullptr);

    SettingsForm* Form() const { return form_; }

protected:
    void Initialise() override;

private:
    void ShowRows();

    CommonSheetEditor& editor_;
    CommonPage page_;
    SettingsForm* form_;
};

}  // namespace tarn::gui
