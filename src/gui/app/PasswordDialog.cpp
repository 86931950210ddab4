#include "app/PasswordDialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/HelpContext.h"
#include "app/HelpContextProperty.h"
#include "app/StartOptions.h"

namespace tarn::gui {

PasswordDialog::PasswordDialog(QWidget* parent) : QDialog(parent), edit_(new QLineEdit(this)) {
    setWindowTitle(QStringLiteral("Password"));
    setProperty(kHelpContextProperty, DialogHelpContext(146));
    edit_->setEchoMode(QLineEdit::Password);
    edit_->setMinimumWidth(220);
    connect(edit_, &QLineEdit::textEdited, this, [this](const QString& text) {
        const QString lower = text.toLower();
        if (lower == text) return;
        const int cursor = edit_->cursorPosition();
        edit_->setText(lower);
        edit_->setCursorPosition(cursor);
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* label = new QLabel(QStringLiteral("Maintenance &password:"), this);
    label->setBuddy(edit_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(edit_);
    layout->addWidget(buttons);
}

QString PasswordDialog::Entered() const { return edit_->text(); }

bool AskMaintenancePassword(QWidget* parent) {
    PasswordDialog dialog(parent);
    return dialog.exec() == QDialog::Accepted && IsMaintenancePassword(dialog.Entered().toStdString());
}

}  // namespace tarn::gui
