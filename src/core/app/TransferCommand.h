#pragma once
// The main window's side of an Upload, Download or alignment entry. Made when the command starts: the
// port for the run is made when missing and the model is encoded into the image; the job then works on
// a copy of the image. A Download previews its changes and backs up the radio's image first. Finish takes the outcome into the document once the job's thread has ended.
// The port made for the KLU-40 unit lives as long as the command.
#include "app/PortHolder.h"
#include "app/ProgramSettings.h"
#include "link/TransferJob.h"
#include "model/Document.h"

namespace tarn {

// How a job ended, as the main window sees it after the progress window has closed.
struct TransferOutcome {
    bool cancelled = false;         // the user cancelled (the window closed with Cancel)
    bool imageReplaced = false;     // an Upload copied the radio's image over the program's
    bool radioInAlignMode = false;  // the alignment entry put the radio into alignment mode
};

class TransferCommand {
public:
    TransferCommand(TransferOperation operation, Document& document, PortHolder& ports,
                    const ProgramSettings& settings, bool maintenanceMode);
    ~TransferCommand();
    TransferCommand(const TransferCommand&) = delete;
    TransferCommand& operator=(const TransferCommand&) = delete;

    const TransferRequest& Request() const { return request_; }
    ClonePort& Port() { return port_; }
    // The image the job reads and writes while it runs.
    CloneImage& WorkImage() { return work_; }

    // Copies the work image back and settles the document:
    // - Upload: an image read from the radio is tied to no file and not modified; an Upload that kept
    //   the old image (failed, answered No, cancelled) leaves the path as it was. The model is decoded in
    //   every case.
    // - Download: the model is decoded.
    // - alignment entry: the model is decoded only when the radio entered alignment mode and the user
    //   did not cancel.
    // Returns whether the model was decoded (for the alignment entry: whether the Alignment dialog may run).
    bool Finish(const TransferOutcome& outcome);

private:
    Document& document_;
    PortHolder& ports_;
    const ProgramSettings& settings_;
    ClonePort& port_;
    TransferRequest request_;
    CloneImage work_{};
};

}  // namespace tarn
