#pragma once
// The "Common" sheet: Display & Sound, TX/RX, Key Set and Misc Setup over the core's editor. OK writes
// the pages that were shown; Cancel or closing writes nothing.
#include "settings/CommonSheetEditor.h"
#include "settings/PtSheetS.h"

namespace tarn::gui {

class SettingsForm;

class CommonSheet : public CPtSheetS {
    Q_OBJECT
public:
    explicit CommonSheet(Document& document, QWidget* parent = nullptr);

    SettingsForm* PageForm(CommonPage page) const;

protected:
    void OnOk() override;

private:
    CommonSheetEditor editor_;
};

}  // namespace tarn::gui
