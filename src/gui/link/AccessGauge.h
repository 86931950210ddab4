#pragma once
// "Access Gauge": the modal progress window of one transfer job. Opening it starts the job on its own
// thread; the job's caption, prompt line and gauge arrive as queued events, its messages and questions
// are shown here while the job waits for the answer. Cancel (the button, Esc) asks the job to stop; the
// window keeps working until the job has ended. The window closes only after the job's thread has
// ended: with OK when the job ended by itself (after success or failure), with Cancel when the user
// cancelled. The outcome is then read from Job().
#include <QDialog>

#include "link/QueuedJobEvents.h"
#include "link/TransferJob.h"
#include "link/WorkerPrompter.h"

class QLabel;
class QProgressBar;
class QPushButton;

namespace tarn::gui {

class CAccessGauge : public QDialog, private JobEvents {
    Q_OBJECT
public:
    // The job runs `request` on `port` and reads and writes `image`, which the caller leaves alone
    // until the window has closed. The job's messages and questions go to `messages` on this thread.
    CAccessGauge(const TransferRequest& request, ClonePort& port, CloneImage& image, Prompter& messages,
                 QWidget* parent = nullptr);
    ~CAccessGauge() override;

    const TransferJob& Job() const { return job_; }
    bool Running() const { return running_; }
    QLabel* PromptLine() const { return prompt_; }
    QPushButton* CancelButton() const { return cancel_; }
    // Made when the job announces its range; null before.
    QProgressBar* Gauge() const { return gauge_; }

    // Ending the window while the job runs asks the job to stop instead.
    void done(int result) override;

signals:
    // The gauge's position changed (the job completed a block).
    void GaugeMoved(int blocks);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void RequestCancel();

    // JobEvents, on the user-interface thread.
    void SetCaption(int stringId) override;
    void SetGaugeRange(int blocks) override;
    void SetGaugePosition(int blocks) override;
    void ShowPrompt(int stringId) override;
    void JobDone() override;

    QLabel* prompt_;
    QPushButton* cancel_;
    QProgressBar* gauge_ = nullptr;
    bool started_ = false;
    bool running_ = false;
    bool cancelled_ = false;
    QueuedJobEvents queuedEvents_;
    WorkerPrompter workerPrompter_;
    TransferJob job_;  // last: its thread ends before the bridges above go away
};

}  // namespace tarn::gui
