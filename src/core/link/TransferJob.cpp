#include "link/TransferJob.h"

#include <algorithm>
#include <chrono>
#include <ctime>

#include "diff/DiffSummary.h"
#include "link/CloneProtocol.h"
#include "link/Link.h"
#include "link/LinkStrings.h"
#include "link/RadioBackup.h"
#include "ui/StringTable.h"

namespace tarn {
namespace {

namespace ids = link_strings;

void Tell(Prompter& prompter, int id, MessageIcon icon) { prompter.Tell(std::string(LoadString(id)), icon); }

constexpr int kReadToWritePauseMs = 150;

}  // namespace

TransferJob::TransferJob(TransferRequest request, ClonePort& port, CloneImage& image, JobEvents& events,
                         Prompter& prompter)
    : request_(std::move(request)),
      port_(port),
      image_(image),
      tracedEvents_(events, request_.trace ? *request_.trace : noTrace_),
      events_(tracedEvents_),
      prompter_(prompter) {}

TransferJob::~TransferJob() { Join(); }

void TransferJob::Start() {
    Join();
    thread_ = std::thread([this] { Run(); });
}

void TransferJob::Join() {
    if (thread_.joinable()) thread_.join();
}

void TransferJob::Run() {
    succeeded_ = false;
    imageReplaced_ = false;
    radioInAlignMode_ = false;
    backupPath_.clear();
    if (!OpenLink(port_, request_.portName)) {
        prompter_.Tell(PortOpenFailureText(port_), MessageIcon::Stop);
        events_.JobDone();
        return;
    }
    const bool download = request_.operation == TransferOperation::Download;
    events_.SetCaption(download ? ids::kDownloadCaption : ids::kUploadCaption);
    events_.SetGaugeRange(download ? (request_.preview ? 96 : 64) : 32);
    auto buffer = std::make_unique<CloneImage>(image_);
    TransferContext context{port_, events_, prompter_, cancel_, *buffer, request_.maintenance, 0};
    switch (request_.operation) {
        case TransferOperation::Upload: RunUpload(context); break;
        case TransferOperation::Download: RunDownload(context); break;
        case TransferOperation::AlignEntry: RunAlignEntry(context); break;
    }
    // The alignment commands go on on the port; after a transfer nothing of it may linger.
    if (request_.operation != TransferOperation::AlignEntry) {
        port_.PurgeReceive();
        port_.PurgeTransmit();
    }
    buffer.reset();
    events_.JobDone();
}

void TransferJob::RunUpload(TransferContext& context) {
    if (!ReceiveImage(context, ids::kPromptUploading)) return;
    if (request_.modified && prompter_.AskYesNo(std::string(LoadString(ids::kOverwriteOriginal)),
                                                MessageIcon::Question) != Answer::Yes) {
        return;
    }
    image_ = context.buffer;
    imageReplaced_ = true;
    succeeded_ = true;
    Tell(prompter_, ids::kUploadCompleted, MessageIcon::Information);
}

// The radio waits for the write after its last read block, for no documented time: the program's own
// wait there is 150 ms, and a person reading the preview takes seconds to minutes. So the preview has a
// read of its own; the write then starts over with the usual read (the user switches the radio off and
// on once more) and goes ahead only when the radio still holds the image the preview was made from.
void TransferJob::RunDownload(TransferContext& context) {
    CloneImage previewed{};
    if (request_.preview && !ConfirmChanges(context, previewed)) return;
    CloneImage radio{};
    if (!ReadAndMerge(context, image_, &radio)) return;
    if (request_.preview && radio != previewed) {
        prompter_.Tell("The radio's memory changed after the preview. Nothing was written.", MessageIcon::Stop);
        return;
    }
    // The backup is made within the protocol's pause between the read and the write.
    const auto readEnd = std::chrono::steady_clock::now();
    if (!SaveBackup(radio)) return;
    const auto spent = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - readEnd);
    Pause(std::max(0, kReadToWritePauseMs - static_cast<int>(spent.count())));
    if (!SendImage(context)) return;
    succeeded_ = true;
    Tell(prompter_, ids::kDownloadCompleted, MessageIcon::Information);
}

void TransferJob::Note(const std::string& text) {
    if (request_.trace) request_.trace->Note(text);
}

bool TransferJob::ConfirmChanges(TransferContext& context, CloneImage& radio) {
    if (!ReadAndMerge(context, image_, &radio)) return false;
    const std::string summary = DiffSummary(CompareImages(radio, context.buffer));
    Note(summary.empty() ? "preview: no changes" : "preview:\n" + summary);
    if (summary.empty()) {
        prompter_.Tell("The radio already holds this image. Nothing was written.", MessageIcon::Information);
        succeeded_ = true;
        return false;
    }
    const std::string text = "Writing changes the radio's memory:\n\n" + summary +
                             "\nTo write, switch the radio off and on again when asked.";
    const bool confirmed = prompter_.ConfirmWrite(text) == Answer::Ok;
    Note(confirmed ? "write confirmed" : "write cancelled at the preview");
    return confirmed;
}

bool TransferJob::SaveBackup(const CloneImage& radio) {
    if (request_.backupFolder.empty()) return true;
    const BackupResult backup = SaveRadioBackup(request_.backupFolder, radio, std::time(nullptr));
    if (!backup.saved) {
        prompter_.Tell("The radio's memory cannot be backed up to " + backup.path + ": " + backup.why +
                           ".\r\nNothing was written into the radio.",
                       MessageIcon::Stop);
        return false;
    }
    backupPath_ = backup.path;
    Note("radio's image backed up to " + backup.path);
    return true;
}

void TransferJob::RunAlignEntry(TransferContext& context) {
    if (!ReadAndMerge(context, image_)) return;
    image_ = context.buffer;
    Pause(kReadToWritePauseMs);
    if (!SendByte(port_, clone_bytes::kAlignRequest)) return;
    bool firstByteTaken = false;
    if (!AwaitRadio(context, clone_bytes::kAlignHandshake, ids::kPromptUploading, firstByteTaken)) return;
    radioInAlignMode_ = true;
    succeeded_ = true;
}

}  // namespace tarn
