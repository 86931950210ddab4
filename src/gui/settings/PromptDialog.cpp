#include "settings/PromptDialog.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/HelpContext.h"
#include "app/HelpContextProperty.h"
#include "settings/PromptStatusBar.h"

namespace tarn::gui {

CPromptDialog::CPromptDialog(int templateId, QWidget* parent)
    : QDialog(parent), body_(new QWidget(this)), prompts_(new PromptStatusBar(this)) {
    if (templateId != 0) setProperty(kHelpContextProperty, DialogHelpContext(templateId));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(body_, 1);
    layout->addWidget(prompts_);
}

int CPromptDialog::ShowPrompt(int id) { return prompts_->ShowPrompt(id); }

void CPromptDialog::setVisible(bool visible) {
    // Sized once all the editor's controls exist, before the window takes its size.
    if (visible && !isVisible()) prompts_->FitPrompts();
    QDialog::setVisible(visible);
}

void CPromptDialog::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !qobject_cast<QPushButton*>(focusWidget())) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace tarn::gui
