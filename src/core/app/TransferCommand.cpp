#include "app/TransferCommand.h"

#include "app/UserDataFolder.h"

namespace tarn {

TransferCommand::TransferCommand(TransferOperation operation, Document& document, PortHolder& ports,
                                 const ProgramSettings& settings, bool maintenanceMode)
    : document_(document), ports_(ports), settings_(settings), port_(ports.PortForTransfer()) {
    document_.EncodeImage();
    work_ = document_.Image();
    request_.operation = operation;
    request_.portName = PortNameOf(settings);
    request_.maintenance = maintenanceMode;
    request_.modified = document_.Modified();
    request_.preview = operation == TransferOperation::Download;
    request_.backupFolder = BackupFolder();
}

TransferCommand::~TransferCommand() { ports_.EndTransfer(settings_); }

bool TransferCommand::Finish(const TransferOutcome& outcome) {
    document_.Image() = work_;
    switch (request_.operation) {
        case TransferOperation::Upload:
            // Once the radio's image is in the document, saving must never write it over the file the
            // document came from: it is tied to no file, also when the user cancelled too late. An image
            // that was kept (a failure, a No, a cancel) stays tied to its file.
            if (outcome.imageReplaced) {
                document_.SetModified(false);
                document_.ClearHistory();
                document_.SetDefaultImageLoaded(false);
                document_.SetCurrentFilePath(std::string(kNoFilePath));
            }
            break;
        case TransferOperation::Download: break;
        case TransferOperation::AlignEntry:
            if (outcome.cancelled || !outcome.radioInAlignMode) return false;
            break;
    }
    document_.DecodeImage();
    return true;
}

}  // namespace tarn
