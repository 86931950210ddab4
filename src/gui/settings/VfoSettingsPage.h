#pragma once
// One page of the VFO & HOME sheet: a settings page whose tone edit opens the tone list on Enter or a double
// click.
#include "settings/SettingsPage.h"
#include "settings/VfoSheetEditor.h"

namespace tarn::gui {

class VfoSettingsPage : public SettingsPage {
    Q_OBJECT
public:
    // `layout` gives the page's rows to build its controls from; the values are `editor`'s.
    VfoSettingsPage(VfoSheetEditor& editor, VfoPage page, const std::vector<SettingRow>& layout,
                    QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void PickTone();

    VfoSheetEditor& editor_;
    VfoPage page_;
};

}  // namespace tarn::gui
