#include "settings/VfoSettingsPage.h"

#include <QKeyEvent>

#include "channels/PickListDialog.h"
#include "channels/UndoLockEdit.h"
#include "settings/Latin1.h"
#include "settings/SettingsForm.h"

namespace tarn::gui {
namespace {

constexpr int kToneColumn = 8;  // the tone list's help is the grid's tone column

PageEditor EditorOfPage(VfoSheetEditor& editor, VfoPage page) {
    return {[&editor, page] { editor.ShowPage(page); }, [&editor, page] { return editor.Rows(page); },
            [&editor](int id, std::uint32_t value) { editor.Choose(id, value); },
            [&editor](int id, const std::string& text) { editor.EnterText(id, text); }};
}

}  // namespace

VfoSettingsPage::VfoSettingsPage(VfoSheetEditor& editor, VfoPage page, const std::vector<SettingRow>& layout,
                                 QWidget* parent)
    : SettingsPage(VfoPageTemplate(page), Latin1(VfoPageCaption(page)), EditorOfPage(editor, page), layout, parent),
      editor_(editor),
      page_(page) {
    Form()->Edit(VfoControlId(page, VfoRow::Tone))->installEventFilter(this);
}

bool VfoSettingsPage::eventFilter(QObject* watched, QEvent* event) {
    // The tone edit is not typed into: Enter and a double click open the tone list instead.
    const bool enter = event->type() == QEvent::KeyPress &&
                       (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return ||
                        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter);
    if (enter || event->type() == QEvent::MouseButtonDblClick) {
        PickTone();
        return true;
    }
    return SettingsPage::eventFilter(watched, event);
}

void VfoSettingsPage::PickTone() {
    const int toneId = VfoControlId(page_, VfoRow::Tone);
    const auto pick = editor_.ToneToPick(toneId);
    if (!pick) return;
    CTonePickDlg dialog(pick->toneType, pick->index, kToneColumn, this);
    if (dialog.exec() == QDialog::Accepted) {
        if (const auto index = dialog.Chosen()) editor_.PickTone(toneId, *index);
    }
    ShowRows();
    Form()->Edit(toneId)->selectAll();
}

}  // namespace tarn::gui
