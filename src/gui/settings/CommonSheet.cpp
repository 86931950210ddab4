#include "settings/CommonSheet.h"

#include <QTabWidget>

#include "settings/CommonSettingsPage.h"
#include "settings/Latin1.h"

namespace tarn::gui {

CommonSheet::CommonSheet(Document& document, QWidget* parent)
    : CPtSheetS(Latin1(kCommonSheetCaption), parent),
      editor_(document) {
    // The pages' controls are built from a look at the image that reads no page for this opening, so
    // the sheet is sized for every page while only the pages the user opens count as shown.
    CommonSheetEditor layout(document);
    for (CommonPage page : kCommonPages) AddPage(new CommonSettingsPage(editor_, page, layout.Rows(page), this));
}

SettingsForm* CommonSheet::PageForm(CommonPage page) const {
    return static_cast<CommonSettingsPage*>(Tabs()->widget(static_cast<int>(page)))->Form();
}

void CommonSheet::OnOk() {
    editor_.Ok();
    CPtSheetS::OnOk();
}

}  // namespace tarn::gui
