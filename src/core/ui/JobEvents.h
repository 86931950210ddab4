#pragma once
// What a running transfer job tells its front end: the progress window's caption, the gauge, the prompt
// line and the end of the job. Every call comes from the job's own thread; a front end that draws on
// another thread hands the event over (queued) and never blocks the job.
namespace tarn {

class JobEvents {
public:
    virtual ~JobEvents() = default;
    // The caption, as a string-table id.
    virtual void SetCaption(int stringId) = 0;
    // The gauge runs from 0 to `blocks`; its position starts at 0.
    virtual void SetGaugeRange(int blocks) = 0;
    virtual void SetGaugePosition(int blocks) = 0;
    // The prompt line, as a string-table id.
    virtual void ShowPrompt(int stringId) = 0;
    // The last event of every job. The job has finished with the port and its buffer by then; its
    // outcome can be read once the thread has been joined.
    virtual void JobDone() = 0;
};

}  // namespace tarn
