#pragma once
// A job's events passed on to the front end and noted in the serial trace, so the trace tells which step
// of the job each burst belongs to.
#include "link/SerialTrace.h"
#include "ui/JobEvents.h"

namespace tarn {

class TracingJobEvents : public JobEvents {
public:
    TracingJobEvents(JobEvents& events, SerialTrace& trace) : events_(events), trace_(trace) {}

    void SetCaption(int stringId) override;
    void SetGaugeRange(int blocks) override { events_.SetGaugeRange(blocks); }
    void SetGaugePosition(int blocks) override;
    void ShowPrompt(int stringId) override;
    void JobDone() override;

private:
    JobEvents& events_;
    SerialTrace& trace_;
};

}  // namespace tarn
