#pragma once
// CPtSheetS: a tabbed sheet of settings pages with only OK and Cancel and the prompt line under the
// tabs. Cancel or closing writes nothing; what OK writes is the derived sheet's.
#include "settings/PromptDialog.h"

class QDialogButtonBox;
class QTabWidget;

namespace tarn::gui {

class SettingsPage;

class CPtSheetS : public CPromptDialog {
    Q_OBJECT
public:
    CPtSheetS(const QString& caption, QWidget* parent = nullptr, int firstPage = 0);

    // The sheet takes the page; the page at `firstPage` is the one in front when the sheet opens.
    void AddPage(SettingsPage* page);
    QTabWidget* Tabs() const { return tabs_; }
    QDialogButtonBox* Buttons() const { return buttons_; }

protected:
    // OK: the pages' settings are written, then the sheet closes.
    virtual void OnOk();

private:
    QTabWidget* tabs_;
    QDialogButtonBox* buttons_;
    int firstPage_;
};

}  // namespace tarn::gui
