#pragma once
// The status line of every settings editor: the prompt of the control that has the focus in one pane,
// how to operate it ("<SELECT>", "<ENTER>", "<SHOW>") in a second pane as wide as "[ Key Operation ]".
#include <QStatusBar>

#include "settings/PromptLine.h"

class QLabel;

namespace tarn::gui {

class PromptStatusBar : public QStatusBar {
    Q_OBJECT
public:
    // Follows the focus within `window`: a control that takes it shows its prompt.
    explicit PromptStatusBar(QWidget* window);

    // Shows the prompt of string `id` and returns the id shown before.
    int ShowPrompt(int id);

    // Makes the prompt pane wide enough for the first line of every control's prompt in the window.
    void FitPrompts();

    QString FirstLine() const;
    QString Hint() const;
    QLabel* HintPane() const { return hint_; }

private:
    QWidget* window_;
    QLabel* first_;
    QLabel* hint_;
    PromptLine line_;
};

}  // namespace tarn::gui
