#pragma once
// A prompter for core work that must never ask: it shows nothing, answers No or Cancel and chooses no file.
#include "ui/Prompter.h"

namespace tarn {

class SilentPrompter : public Prompter {
public:
    void Tell(const std::string&, MessageIcon) override {}
    Answer AskYesNo(const std::string&, MessageIcon) override { return Answer::No; }
    Answer AskYesNoCancel(const std::string&, MessageIcon) override { return Answer::Cancel; }
    Answer AskOkCancel(const std::string&, MessageIcon) override { return Answer::Cancel; }
    std::optional<std::string> ChooseFileToOpen(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> ChooseFileToSave(const FileDialogRequest&) override { return std::nullopt; }
};

}  // namespace tarn
