#pragma once
// The command line's Prompter: messages go to stderr; questions take the answer given by a flag
// (--yes / --no), never from the terminal, so tarn-cli runs the same in scripts.
#include "ui/Prompter.h"

namespace tarn::cli {

class CliPrompter : public Prompter {
public:
    explicit CliPrompter(Answer answerToQuestions = Answer::No) : answer_(answerToQuestions) {}

    void Tell(const std::string& text, MessageIcon icon) override;
    Answer AskYesNo(const std::string& text, MessageIcon icon) override;
    Answer AskYesNoCancel(const std::string& text, MessageIcon icon) override;
    Answer AskOkCancel(const std::string& text, MessageIcon icon) override;
    std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& request) override;
    std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) override;

    // The number of messages shown with the stop icon.
    int errors() const { return errors_; }

private:
    Answer answer_;
    int errors_ = 0;
};

// "\r\n" in the string table's texts becomes a plain line break.
std::string ToTerminalText(const std::string& text);

}  // namespace tarn::cli
