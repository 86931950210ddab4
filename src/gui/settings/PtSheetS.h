#pragma once
// CPtSheetS: a tabbed sheet of settings pages with only OK and Cancel and the prompt line under the tabs.
// The pages drive one of the core's sheet editors for one opening; OK has that editor write the pages that
// were shown, then closes; Cancel or closing writes nothing.
#include <functional>

#include "settings/PromptDialog.h"

class QDialogButtonBox;
class QTabWidget;

namespace tarn::gui {

class SettingsPage;

class CPtSheetS : public CPromptDialog {
    Q_OBJECT
public:
    // `ok` is the editor's write on OK; the editor outlives the sheet.
    CPtSheetS(const QString& caption, std::function<void()> ok, QWidget* parent = nullptr, int firstPage = 0);

    // The sheet takes the page; the page at `firstPage` is the one in front when the sheet opens.
    void AddPage(SettingsPage* page);
    QTabWidget* Tabs() const { return tabs_; }
    QDialogButtonBox* Buttons() const { return buttons_; }

private:
    void OnOk();

    std::function<void()> ok_;
    QTabWidget* tabs_;
    QDialogButtonBox* buttons_;
    int firstPage_;
};

}  // namespace tarn::gui
