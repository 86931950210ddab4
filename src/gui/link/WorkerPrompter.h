#pragma once
// The Prompter a job uses on its own thread: each message or question is shown by the user-interface
// thread (the thread of `context`) through `target`, while the job waits for the answer. Abandon ends
// every wait, present and future, with the cautious answer (No, Cancel, no file), so a window that goes
// away never leaves a job waiting for ever.
#include <condition_variable>
#include <functional>
#include <mutex>

#include "ui/Prompter.h"

class QObject;

namespace tarn::gui {

class WorkerPrompter : public Prompter {
public:
    WorkerPrompter(QObject* context, Prompter& target) : context_(context), target_(target) {}

    void Tell(const std::string& text, MessageIcon icon) override;
    Answer AskYesNo(const std::string& text, MessageIcon icon) override;
    Answer AskYesNoCancel(const std::string& text, MessageIcon icon) override;
    Answer AskOkCancel(const std::string& text, MessageIcon icon) override;
    Answer ConfirmWrite(const std::string& summary) override;
    std::optional<std::string> ChooseFileToOpen(const FileDialogRequest& request) override;
    std::optional<std::string> ChooseFileToSave(const FileDialogRequest& request) override;

    void Abandon();

private:
    template <typename T>
    T OnUiThread(std::function<T(Prompter&)> call, T cautious);

    QObject* context_;
    Prompter& target_;
    std::mutex mutex_;
    std::condition_variable answered_;
    bool abandoned_ = false;
};

}  // namespace tarn::gui
