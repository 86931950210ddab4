#include "link/TransferJob.h"

#include "link/CloneProtocol.h"
#include "link/Link.h"
#include "link/LinkStrings.h"
#include "ui/StringTable.h"

namespace tarn {
namespace {

namespace ids = link_strings;

void Tell(Prompter& prompter, int id, MessageIcon icon) { prompter.Tell(std::string(LoadString(id)), icon); }

}  // namespace

TransferJob::TransferJob(TransferRequest request, ClonePort& port, CloneImage& image, JobEvents& events,
                         Prompter& prompter)
    : request_(std::move(request)), port_(port), image_(image), events_(events), prompter_(prompter) {}

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
    if (!OpenLink(port_, request_.portName)) {
        prompter_.Tell(PortOpenFailureText(port_), MessageIcon::Stop);
        events_.JobDone();
        return;
    }
    const bool download = request_.operation == TransferOperation::Download;
    events_.SetCaption(download ? ids::kDownloadCaption : ids::kUploadCaption);
    events_.SetGaugeRange(download ? 64 : 32);
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

void TransferJob::RunDownload(TransferContext& context) {
    if (!ReadAndMerge(context, image_)) return;
    Pause(150);
    if (!SendImage(context)) return;
    succeeded_ = true;
    Tell(prompter_, ids::kDownloadCompleted, MessageIcon::Information);
}

void TransferJob::RunAlignEntry(TransferContext& context) {
    if (!ReadAndMerge(context, image_)) return;
    image_ = context.buffer;
    Pause(150);
    if (!SendByte(port_, clone_bytes::kAlignRequest)) return;
    bool firstByteTaken = false;
    if (!AwaitRadio(context, clone_bytes::kAlignHandshake, ids::kPromptUploading, firstByteTaken)) return;
    radioInAlignMode_ = true;
    succeeded_ = true;
}

}  // namespace tarn
