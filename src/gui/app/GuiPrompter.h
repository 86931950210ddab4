#pragma once
// The desktop program's Prompter: message boxes and the file dialogs, parented to the main window.
#include <QPointer>
#include <QWidget>

#include "ui/Prompter.h"

namespace tarn::gui {

class GuiPrompter : public Prompter {
public:
    explicit GuiPrompter(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    void Tell(const std::string& text, MessageIcon icon) override;
    Answer AskYesNo(const std::string& text, MessageIcon icon) override;
    Answer AskYesNoCancel(const std::string& text, MessageIcon icon) override;
    Answer AskOkCancel(const std::string& text, MessageIcon icon) override;
    // The changes in a scrollable box, with Write and Cancel; Cancel is the default.
    Answer ConfirmWrite(const std::string& summary) override;
    std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& request) override;
    std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) override;

private:
    QPointer<QWidget> parent_;
};

// The title of every message box the program shows: the program's name from the string table.
QString ProgramTitle();
// "\r\n" of the string table becomes a line break.
QString ToDisplayText(const std::string& text);
// "Tarn Files(*.TRN)|*.TRN||" becomes the dialog's name filter "Tarn Files(*.TRN)".
QString ToNameFilter(const std::string& filter);

}  // namespace tarn::gui
