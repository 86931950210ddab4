#include "settings/VfoSettingsPage.h"

#include <QKeyEvent>
#include <QVBoxLayout>

#include "channels/PickListDialog.h"
#include "channels/UndoLockEdit.h"
#include "settings/Latin1.h"
#include "settings/SettingsForm.h"

namespace tarn::gui {
namespace {

constexpr int kToneColumn = 8;  // the tone list's help is the grid's tone column

}  // namespace

VfoSettingsPage::VfoSettingsPage(VfoSheetEditor& editor, VfoPage page, const std::vector<SettingRow>& layout,
                                 QWidget* parent)
    : SettingsPage(VfoPageTemplate(page), Latin1(VfoPageCaption(page)), parent),
      editor_(editor),
      page_(page),
      form_(new SettingsForm(layout, this)) {
    connect(form_, &SettingsForm::Chosen, this, [this](int controlId, std::uint32_t value) {
        editor_.Choose(controlId, value);
        ShowRows();
    });
    connect(form_, &SettingsForm::NumberTyped, this, [this](int controlId, const QString& text) {
        editor_.EnterText(controlId, text.toStdString());
        ShowRows();
    });
    form_->Edit(VfoControlId(page, VfoRow::Tone))->installEventFilter(this);
    auto* box = new QVBoxLayout(this);
    box->addWidget(form_);
    box->addStretch();
}

void VfoSettingsPage::Initialise() {
    editor_.ShowPage(page_);
    ShowRows();
}

void VfoSettingsPage::ShowRows() { form_->Show(editor_.Rows(page_)); }

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
    form_->Edit(toneId)->selectAll();
}

}  // namespace tarn::gui
