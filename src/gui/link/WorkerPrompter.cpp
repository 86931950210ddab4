#include "link/WorkerPrompter.h"

#include <QMetaObject>
#include <QObject>
#include <QThread>
#include <memory>

namespace tarn::gui {

template <typename T>
T WorkerPrompter::OnUiThread(std::function<T(Prompter&)> call, T cautious) {
    if (QThread::currentThread() == context_->thread()) return call(target_);
    struct Slot {
        std::optional<T> answer;
    };
    auto slot = std::make_shared<Slot>();
    {
        std::lock_guard lock(mutex_);
        if (abandoned_) return cautious;
    }
    QMetaObject::invokeMethod(
        context_,
        [this, slot, call] {
            T answer = call(target_);
            std::lock_guard lock(mutex_);
            slot->answer = std::move(answer);
            answered_.notify_all();
        },
        Qt::QueuedConnection);
    std::unique_lock lock(mutex_);
    answered_.wait(lock, [&] { return slot->answer.has_value() || abandoned_; });
    return slot->answer ? std::move(*slot->answer) : cautious;
}

void WorkerPrompter::Abandon() {
    std::lock_guard lock(mutex_);
    abandoned_ = true;
    answered_.notify_all();
}

void WorkerPrompter::Tell(const std::string& text, MessageIcon icon) {
    OnUiThread<bool>(
        [text, icon](Prompter& p) {
            p.Tell(text, icon);
            return true;
        },
        false);
}

Answer WorkerPrompter::AskYesNo(const std::string& text, MessageIcon icon) {
    return OnUiThread<Answer>([text, icon](Prompter& p) { return p.AskYesNo(text, icon); }, Answer::No);
}

Answer WorkerPrompter::AskYesNoCancel(const std::string& text, MessageIcon icon) {
    return OnUiThread<Answer>([text, icon](Prompter& p) { return p.AskYesNoCancel(text, icon); }, Answer::Cancel);
}

Answer WorkerPrompter::AskOkCancel(const std::string& text, MessageIcon icon) {
    return OnUiThread<Answer>([text, icon](Prompter& p) { return p.AskOkCancel(text, icon); }, Answer::Cancel);
}

Answer WorkerPrompter::ConfirmWrite(const std::string& summary) {
    return OnUiThread<Answer>([summary](Prompter& p) { return p.ConfirmWrite(summary); }, Answer::Cancel);
}

std::optional<std::string> WorkerPrompter::ChooseFileToOpen(const FileDialogRequest& request) {
    return OnUiThread<std::optional<std::string>>([request](Prompter& p) { return p.ChooseFileToOpen(request); },
                                                  std::nullopt);
}

std::optional<std::string> WorkerPrompter::ChooseFileToSave(const FileDialogRequest& request) {
    return OnUiThread<std::optional<std::string>>([request](Prompter& p) { return p.ChooseFileToSave(request); },
                                                  std::nullopt);
}

}  // namespace tarn::gui
