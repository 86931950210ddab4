#pragma once
// A Prompter whose user answers every question from the fuzzer's bytes and never chooses a file.
#include "FuzzInput.h"
#include "ui/Prompter.h"

namespace tarn::fuzz {

class FuzzPrompter : public Prompter {
public:
    explicit FuzzPrompter(FuzzInput& input) : input_(input) {}
    void Tell(const std::string&, MessageIcon) override {}
    Answer AskYesNo(const std::string&, MessageIcon) override { return Pick({Answer::Yes, Answer::No}); }
    Answer AskYesNoCancel(const std::string&, MessageIcon) override {
        return Pick({Answer::Yes, Answer::No, Answer::Cancel});
    }
    Answer AskOkCancel(const std::string&, MessageIcon) override { return Pick({Answer::Ok, Answer::Cancel}); }
    std::optional<std::string> ChooseFileToOpen(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> ChooseFileToSave(const FileDialogRequest&) override { return std::nullopt; }

private:
    Answer Pick(std::initializer_list<Answer> answers) {
        return answers.begin()[input_.TakeByte() % answers.size()];
    }
    FuzzInput& input_;
};

}  // namespace tarn::fuzz
