#include "settings/CommonSheet.h"

#include <QTabWidget>

#include "settings/Latin1.h"
#include "settings/SettingsPage.h"

namespace tarn::gui {
namespace {

PageEditor EditorOfPage(CommonSheetEditor& editor, CommonPage page) {
    return {[&editor, page] { editor.ShowPage(page); }, [&editor, page] { return editor.Rows(page); },
            [&editor](int id, std::uint32_t value) { editor.Choose(id, value); },
            [&editor](int id, const std::string& text) { editor.EnterNumber(id, text); }};
}

}  // namespace

CommonSheet::CommonSheet(Document& document, QWidget* parent)
    : CPtSheetS(Latin1(kCommonSheetCaption), parent),
      editor_(document) {
    // The pages' controls are built from a look at the image that reads no page for this opening, so
    // the sheet is sized for every page while only the pages the user opens count as shown.
    CommonSheetEditor layout(document);
    for (CommonPage page : kCommonPages) {
        AddPage(new SettingsPage(CommonPageTemplate(page), Latin1(CommonPageCaption(page)), EditorOfPage(editor_, page),
                                 layout.Rows(page), this));
    }
}

SettingsForm* CommonSheet::PageForm(CommonPage page) const {
    return static_cast<SettingsPage*>(Tabs()->widget(static_cast<int>(page)))->Form();
}

void CommonSheet::OnOk() {
    editor_.Ok();
    CPtSheetS::OnOk();
}

}  // namespace tarn::gui
