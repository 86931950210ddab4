#pragma once
// The "VFO & HOME" sheet: Air, VHF Expansion (while Gray Expansion is on), FM Radio and HOME over the
// core's editor. OK writes the pages that were shown; Cancel or closing writes nothing.
#include "settings/PtSheetS.h"
#include "settings/VfoSheetEditor.h"

namespace tarn::gui {

class SettingsForm;

class VfoSheet : public CPtSheetS {
    Q_OBJECT
public:
    explicit VfoSheet(Document& document, QWidget* parent = nullptr);

    // The form of `page`; null when the sheet does not show that page.
    SettingsForm* PageForm(VfoPage page) const;

protected:
    void OnOk() override;

private:
    VfoSheetEditor editor_;
};

}  // namespace tarn::gui
