#include "settings/VfoSheet.h"

#include <QTabWidget>

#include "settings/Latin1.h"
#include "settings/VfoSettingsPage.h"

namespace tarn::gui {

VfoSheet::VfoSheet(Document& document, QWidget* parent)
    : CPtSheetS(Latin1(kVfoSheetCaption), parent),
      editor_(document) {
    // The controls are built from a look at the image that reads no page for this opening, so only the
    // pages the user opens count as shown.
    VfoSheetEditor layout(document);
    for (const VfoPage page : editor_.Pages()) AddPage(new VfoSettingsPage(editor_, page, layout.Rows(page), this));
}

SettingsForm* VfoSheet::PageForm(VfoPage page) const {
    for (int i = 0; i < Tabs()->count(); ++i) {
        auto* vfoPage = static_cast<VfoSettingsPage*>(Tabs()->widget(i));
        if (vfoPage->Caption() == Latin1(VfoPageCaption(page))) return vfoPage->Form();
    }
    return nullptr;
}

void VfoSheet::OnOk() {
    editor_.Ok();
    CPtSheetS::OnOk();
}

}  // namespace tarn::gui
