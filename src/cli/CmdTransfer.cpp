// tarn-cli upload --port P [--trace T] OUT.trn   and   tarn-cli download --port P [--raw] [--yes] [--no-backup]
// [--trace T] FILE.trn
#include <unistd.h>

#include <csignal>
#include <iostream>
#include <string>

#include "CliPrompter.h"
#include "app/UserDataFolder.h"
#include "Commands.h"
#include "ImageFileToOpen.h"
#include "link/ClonePort.h"
#include "link/TermiosDevice.h"
#include "link/TracingDevice.h"
#include "link/TransferJob.h"
#include "model/DefaultImage.h"
#include "model/ImageCodec.h"
#include "model/ImageFile.h"
#include "model/RegularFile.h"
#include "ui/JobEvents.h"
#include "ui/StringTable.h"

namespace tarn::cli {
namespace {

struct TransferArgs {
    std::string port;
    std::string file;
    bool maintenance = false;
    bool raw = false;  // send the file's image as stored
    bool yes = false;  // write without asking after the preview
    bool backup = true;
    std::string trace;  // the serial trace's file, empty for none
};

bool ParseTransferArgs(TransferOperation operation, const Args& args, TransferArgs& out) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--port" && i + 1 < args.size()) {
            out.port = args[++i];
        } else if (args[i] == "--trace" && i + 1 < args.size()) {
            out.trace = args[++i];
        } else if (args[i] == "--yes" && operation == TransferOperation::Download) {
            out.yes = true;
        } else if (args[i] == "--no-backup" && operation == TransferOperation::Download) {
            out.backup = false;
        } else if (args[i] == "--maintenance") {
            out.maintenance = true;
        } else if (args[i] == "--raw" && operation == TransferOperation::Download) {
            out.raw = true;
        } else if (out.file.empty() && !args[i].empty() && args[i][0] != '-') {
            out.file = args[i];
        } else {
            return false;
        }
    }
    return !out.port.empty() && !out.file.empty();
}

// The job's events on stderr: prompts as lines, the gauge as a bar when stderr is a terminal.
class TerminalJobEvents : public JobEvents {
public:
    void SetCaption(int stringId) override { caption_ = std::string(LoadString(stringId)); }
    void SetGaugeRange(int blocks) override { range_ = blocks; }
    void SetGaugePosition(int blocks) override {
        if (!isatty(STDERR_FILENO) || range_ <= 0) return;
        constexpr int kWidth = 32;
        const int filled = blocks * kWidth / range_;
        std::cerr << '\r' << caption_ << " [" << std::string(filled, '#') << std::string(kWidth - filled, '.') << "] "
                  << blocks << '/' << range_ << std::flush;
        barShown_ = true;
    }
    void ShowPrompt(int stringId) override {
        EndBar();
        std::cerr << "tarn-cli: " << LoadString(stringId) << '\n';
    }
    void JobDone() override { EndBar(); }

    // Messages from the job start on a fresh line.
    void EndBar() {
        if (barShown_) std::cerr << '\n';
        barShown_ = false;
    }

private:
    std::string caption_;
    int range_ = 0;
    bool barShown_ = false;
};

class BarAwarePrompter : public CliPrompter {
public:
    BarAwarePrompter(TerminalJobEvents& events, bool yes) : events_(events), yes_(yes) {}
    void Tell(const std::string& text, MessageIcon icon) override {
        events_.EndBar();
        CliPrompter::Tell(text, icon);
    }
    // The changes on stderr, the answer from the terminal unless --yes gave it.
    Answer ConfirmWrite(const std::string& summary) override {
        events_.EndBar();
        std::cerr << ToTerminalText(summary) << "\nWrite these changes into the radio? [y/N] " << std::flush;
        if (yes_) {
            std::cerr << "yes (--yes)\n";
            return Answer::Ok;
        }
        std::string answer;
        if (!std::getline(std::cin, answer)) std::cerr << "\n";
        return answer == "y" || answer == "Y" || answer == "yes" ? Answer::Ok : Answer::Cancel;
    }

private:
    TerminalJobEvents& events_;
    bool yes_;
};

CancelRequest* gCancel = nullptr;

extern "C" void OnInterrupt(int) {
    if (gCancel) gCancel->Request();
}

// Runs the job on its own thread; Ctrl+C asks it to stop (a second Ctrl+C ends tarn-cli at once).
bool RunJob(TransferOperation operation, const TransferArgs& args, CloneImage& image) {
    TerminalJobEvents events;
    BarAwarePrompter prompter(events, args.yes);
    auto trace = std::make_shared<SerialTrace>();
    if (!args.trace.empty()) {
        if (const int error = trace->Open(args.trace); error != 0) {
            std::cerr << "tarn-cli: cannot write the trace " << args.trace << ": " << FileErrorText(error) << '\n';
            return false;
        }
    }
    ClonePort port(std::make_unique<TracingDevice>(MakeTermiosDevice(), trace));
    TransferRequest request;
    request.operation = operation;
    request.portName = args.port;
    request.maintenance = args.maintenance;
    request.preview = operation == TransferOperation::Download;
    if (args.backup) request.backupFolder = BackupFolder();
    request.trace = trace;
    TransferJob job(request, port, image, events, prompter);
    gCancel = &job.Cancel();
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    action.sa_flags = SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    struct sigaction previous {};
    sigaction(SIGINT, &action, &previous);
    job.Start();
    job.Join();
    sigaction(SIGINT, &previous, nullptr);
    gCancel = nullptr;
    if (!job.BackupPath().empty()) std::cout << "backup: " << job.BackupPath() << '\n';
    if (!job.Succeeded() && prompter.errors() == 0) std::cerr << "tarn-cli: cancelled\n";
    return job.Succeeded();
}

// The image a Download sends: by default what File > Open and Radio > Download in the desktop program send
// (the file decoded into the model and encoded back, which rewrites erased records and settles the current
// channels); raw, the file's image as stored.
bool ReadImageToSend(const TransferArgs& args, CloneImage& image, Prompter& prompter) {
    DocumentContent content;
    FillDefaultImage(content);
    if (!ReadImageFileToOpen(args.file, content, prompter)) return false;
    if (!args.raw) {
        DecodeImage(content);
        EncodeImage(content);
    }
    image = content.Image;
    return true;
}

int RunTransfer(TransferOperation operation, const Args& args, const char* usage) {
    TransferArgs parsed;
    if (!ParseTransferArgs(operation, args, parsed)) {
        std::cerr << usage;
        return kExitUsage;
    }
    CliPrompter prompter;
    CloneImage image{};
    // The radio is asked only once the file is known to be usable: an upload never reads it for nothing.
    const bool fileUsable = operation == TransferOperation::Download ? ReadImageToSend(parsed, image, prompter)
                                                                     : CheckImageFileToWrite(parsed.file, prompter);
    if (!fileUsable || !RunJob(operation, parsed, image)) return kExitFailure;
    // An uploaded image is saved with a zero trailer, the way a new file is.
    if (operation == TransferOperation::Upload && !WriteImageFile(parsed.file, image, ImageTrailer{}, prompter)) {
        return kExitFailure;
    }
    return kExitOk;
}

}  // namespace

int RunUpload(const Args& args) {
    return RunTransfer(TransferOperation::Upload, args, "usage: tarn-cli upload --port P [--maintenance] [--trace T] OUT.trn\n");
}

int RunDownload(const Args& args) {
    return RunTransfer(TransferOperation::Download, args,
                       "usage: tarn-cli download --port P [--maintenance] [--raw] [--yes] [--no-backup] [--trace T] FILE.trn\n");
}

}  // namespace tarn::cli
