#pragma once
// Hands a job's events from the job's thread to a JobEvents on the user-interface thread: every event
// is queued to the thread of `context` and delivered there in order; the job never waits. Events for a
// context that no longer exists are dropped.
#include <QObject>

#include "ui/JobEvents.h"

namespace tarn::gui {

class QueuedJobEvents : public JobEvents {
public:
    // `target` lives as long as `context`.
    QueuedJobEvents(QObject* context, JobEvents& target) : context_(context), target_(target) {}

    void SetCaption(int stringId) override;
    void SetGaugeRange(int blocks) override;
    void SetGaugePosition(int blocks) override;
    void ShowPrompt(int stringId) override;
    void JobDone() override;

private:
    template <typename Call>
    void Post(Call call);

    QObject* context_;
    JobEvents& target_;
};

}  // namespace tarn::gui
