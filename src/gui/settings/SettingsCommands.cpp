#include "settings/SettingsCommands.h"

#include <string>
#include <string_view>

#include "model/EditStep.h"
#include "settings/CommonSheetEditor.h"
#include "settings/Latin1.h"
#include "settings/PtSheetS.h"
#include "settings/SettingsPage.h"
#include "settings/SystemParamDlg.h"
#include "settings/VfoSettingsPage.h"

namespace tarn::gui {
namespace {

// What the editor stores on OK is one undoable step, named after the editor; Cancel leaves none.
void RunAsEditStep(Document& document, std::string label, QDialog& editor) {
    const EditStep step(document, std::move(label));
    editor.exec();
}

// Runs the sheet `caption` over a sheet editor of type `Editor`; `addPages(sheet, editor, layout)` puts the
// pages on it. Their controls are built from `layout`, a look at the image that reads no page for this
// opening, so the sheet is sized for every page while only the pages the user opens count as shown.
template <class Editor, class AddPages>
void RunSheet(Document& document, std::string_view caption, QWidget* parent, AddPages addPages) {
    Editor editor(document);
    Editor layout(document);
    CPtSheetS sheet(Latin1(caption), [&editor] { editor.Ok(); }, parent);
    addPages(sheet, editor, layout);
    RunAsEditStep(document, std::string(caption), sheet);
}

PageEditor EditorOfPage(CommonSheetEditor& editor, CommonPage page) {
    return {[&editor, page] { editor.ShowPage(page); }, [&editor, page] { return editor.Rows(page); },
            [&editor](int id, std::uint32_t value) { editor.Choose(id, value); },
            [&editor](int id, const std::string& text) { editor.EnterNumber(id, text); }};
}

}  // namespace

void RunSystemCommand(Document& document, bool maintenanceMode, QWidget* parent) {
    CSystemParamDlg dialog(document, maintenanceMode, parent);
    RunAsEditStep(document, std::string(kSystemParamsCaption), dialog);
}

void RunCommonCommand(Document& document, QWidget* parent) {
    RunSheet<CommonSheetEditor>(
        document, kCommonSheetCaption, parent,
        [](CPtSheetS& sheet, CommonSheetEditor& editor, CommonSheetEditor& layout) {
            for (const CommonPage page : kCommonPages) {
                sheet.AddPage(new SettingsPage(CommonPageTemplate(page), Latin1(CommonPageCaption(page)),
                                               EditorOfPage(editor, page), layout.Rows(page), &sheet));
            }
        });
}

void RunVfoHomeCommand(Document& document, QWidget* parent) {
    RunSheet<VfoSheetEditor>(document, kVfoSheetCaption, parent,
                             [](CPtSheetS& sheet, VfoSheetEditor& editor, VfoSheetEditor& layout) {
                                 for (const VfoPage page : editor.Pages()) {
                                     sheet.AddPage(new VfoSettingsPage(editor, page, layout.Rows(page), &sheet));
                                 }
                             });
}

}  // namespace tarn::gui
