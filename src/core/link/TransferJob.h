#pragma once
// One run of the clone protocol — an Upload, a Download or the alignment entry — on its own thread.
// The job reports through JobEvents, shows messages and asks through the Prompter (both called on the
// job's thread) and polls the cancel request. It writes the caller's image while it runs: the caller
// leaves the image alone until JobDone, and reads the outcome after Join.
#include <memory>
#include <string>
#include <thread>

#include "link/CancelRequest.h"
#include "link/ClonePort.h"
#include "link/SerialTrace.h"
#include "link/TracingJobEvents.h"
#include "model/CloneImage.h"
#include "ui/JobEvents.h"
#include "ui/Prompter.h"

namespace tarn {

struct TransferContext;

enum class TransferOperation {
    Upload = 0,      // read the radio's image into the program
    Download = 1,    // read, merge and write the program's image into the radio
    AlignEntry = 2,  // read and merge, then put the radio into alignment mode
};

struct TransferRequest {
    TransferOperation operation = TransferOperation::Upload;
    std::string portName;     // "COMn" or a device path
    bool maintenance = false;  // maintenance mode at the start of the run
    bool modified = false;     // the document has unsaved changes: an Upload asks before replacing it
    // Download: read and compare first, and write only what the user confirmed (see RunDownload).
    bool preview = false;
    // Download: the folder the radio's image is saved in before the write; empty for no backup.
    std::string backupFolder{};
    // Where the job notes its steps between the bytes its port traces; none for no notes.
    std::shared_ptr<SerialTrace> trace{};
};

class TransferJob {
public:
    TransferJob(TransferRequest request, ClonePort& port, CloneImage& image, JobEvents& events, Prompter& prompter);
    ~TransferJob();  // joins a running thread
    TransferJob(const TransferJob&) = delete;
    TransferJob& operator=(const TransferJob&) = delete;

    // Runs the job on a new thread.
    void Start();
    // Runs the job on the calling thread.
    void Run();
    // Asks the job to stop at its next polling point; safe from any thread.
    void RequestCancel() { cancel_.Request(); }
    CancelRequest& Cancel() { return cancel_; }
    void Join();

    // The outcome, for after Join (or Run).
    bool Succeeded() const { return succeeded_; }
    // An Upload replaced the image: the document is no longer modified and tied to no file.
    bool ImageReplaced() const { return imageReplaced_; }
    bool RadioInAlignMode() const { return radioInAlignMode_; }
    // The backup a Download saved; empty when it saved none.
    const std::string& BackupPath() const { return backupPath_; }

private:
    void RunUpload(TransferContext& context);
    void RunDownload(TransferContext& context);
    // The preview's own read: true when the user confirmed the changes; `radio` gets the image read.
    bool ConfirmChanges(TransferContext& context, CloneImage& radio);
    bool SaveBackup(const CloneImage& radio);
    void Note(const std::string& text);
    void RunAlignEntry(TransferContext& context);

    TransferRequest request_;
    ClonePort& port_;
    CloneImage& image_;
    SerialTrace noTrace_;
    TracingJobEvents tracedEvents_;
    JobEvents& events_;  // the front end's events, noted in the trace
    Prompter& prompter_;
    CancelRequest cancel_;
    std::thread thread_;
    bool succeeded_ = false;
    bool imageReplaced_ = false;
    bool radioInAlignMode_ = false;
    std::string backupPath_;
};

}  // namespace tarn
