#pragma once
// CPromptDialog: the settings editors' dialog — its controls in Body(), the prompt line under them.
// F1 gives help at the focused control's own context, else at the editor's section of the guide; Enter
// never presses the default button, only a focused push button takes it.
#include <QDialog>

namespace tarn::gui {

class PromptStatusBar;

class CPromptDialog : public QDialog {
    Q_OBJECT
public:
    // `templateId` names the editor for help; 0 leaves help to its parts (a sheet's pages).
    CPromptDialog(int templateId, QWidget* parent = nullptr);

    // Where the derived editor puts its controls and layout; the dialog is as large as they need plus
    // the prompt line's height.
    QWidget* Body() const { return body_; }
    PromptStatusBar* Prompts() const { return prompts_; }
    int ShowPrompt(int id);

    void setVisible(bool visible) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QWidget* body_;
    PromptStatusBar* prompts_;
};

}  // namespace tarn::gui
