#pragma once
// CColorEdit: an edit box with three looks — shown (read-only value), typing (being typed into, on the
// tooltip background) and disabled.
#include <QLineEdit>

namespace tarn::gui {

enum class EditLook { Shown, Typing, Disabled };

class CColorEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CColorEdit(QWidget* parent = nullptr);

    void SetColours(const QColor& text, const QColor& background);
    // true: the typing look, writable; false: the shown look, read-only.
    void SetEditable(bool editable);
    // true: the shown look; false: the disabled look, taking no input.
    void SetEnabledLook(bool enabled);

    EditLook Look() const { return look_; }

protected:
    void ApplyLook(EditLook look);

private:
    EditLook look_ = EditLook::Shown;
};

}  // namespace tarn::gui
