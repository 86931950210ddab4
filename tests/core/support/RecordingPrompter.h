#pragma once
// A Prompter for tests: records every message and question, answers from queues set up by the test.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "ui/Prompter.h"

namespace tarn::test {

class RecordingPrompter : public Prompter {
public:
    struct Shown {
        std::string text;
        MessageIcon icon;
    };

    std::vector<Shown> shown;                          // messages and questions, in order
    std::deque<Answer> answers;                        // next answers to questions (default: Yes / Ok)
    std::deque<std::optional<std::string>> files;      // next file dialog results (default: cancel)
    std::vector<FileDialogRequest> fileRequests;

    void Tell(const std::string& text, MessageIcon icon) override { shown.push_back({text, icon}); }
    Answer AskYesNo(const std::string& text, MessageIcon icon) override { return Next(text, icon, Answer::Yes); }
    Answer AskYesNoCancel(const std::string& text, MessageIcon icon) override {
        return Next(text, icon, Answer::Yes);
    }
    Answer AskOkCancel(const std::string& text, MessageIcon icon) override { return Next(text, icon, Answer::Ok); }
    std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& request) override { return NextFile(request); }
    std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) override { return NextFile(request); }

    std::vector<std::string> Texts() const {
        std::vector<std::string> out;
        for (const auto& s : shown) out.push_back(s.text);
        return out;
    }

private:
    Answer Next(const std::string& text, MessageIcon icon, Answer fallback) {
        shown.push_back({text, icon});
        if (answers.empty()) return fallback;
        Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<std::string> NextFile(const FileDialogRequest& request) {
        fileRequests.push_back(request);
        if (files.empty()) return std::nullopt;
        auto f = files.front();
        files.pop_front();
        return f;
    }
};

}  // namespace tarn::test
