#pragma once
// One page of the VFO & HOME sheet: its rows drawn by a SettingsForm, choices and typed frequencies handed
// to the sheet's editor, and the tone edit opening the tone list on Enter or a double click.
#include "settings/SettingsPage.h"
#include "settings/VfoSheetEditor.h"

namespace tarn::gui {

class SettingsForm;

class VfoSettingsPage : public SettingsPage {
    Q_OBJECT
public:
    // `layout` gives the page's rows to build its controls from; the values are `editor`'s.
    VfoSettingsPage(VfoSheetEditor& editor, VfoPage page, const std::vector<SettingRow>& layout,
                    QWidget* parent = nullptr);

    SettingsForm* Form() const { return form_; }

protected:
    void Initialise() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowRows();
    void PickTone();

    VfoSheetEditor& editor_;
    VfoPage page_;
    SettingsForm* form_;
};

}  // namespace tarn::gui
