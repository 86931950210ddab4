#pragma once
// "Password": asks for the maintenance password; what is typed is masked and kept in lower case.
#include <QDialog>

class QLineEdit;

namespace tarn::gui {

class PasswordDialog : public QDialog {
    Q_OBJECT
public:
    explicit PasswordDialog(QWidget* parent = nullptr);
    QString Entered() const;
    QLineEdit* Edit() const { return edit_; }

private:
    QLineEdit* edit_;
};

// Runs the dialog; true only when it ends with OK and the maintenance password was entered.
bool AskMaintenancePassword(QWidget* parent = nullptr);

}  // namespace tarn::gui
