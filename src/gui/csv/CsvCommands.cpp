#include "csv/CsvCommands.h"

#include <QFileInfo>

#include "app/AppContext.h"
#include "csv/ChannelCsvExport.h"
#include "csv/CsvFile.h"
#include "csv/CsvImportDialog.h"
#include "model/EditStep.h"

namespace tarn::gui {
namespace {

FileDialogRequest CsvFileRequest(bool save) {
    FileDialogRequest request;
    request.filter = std::string(kCsvFileFilter);
    request.defaultExtension = std::string(kCsvFileExtension);
    request.mustExist = !save;
    request.promptOverwrite = save;
    return request;
}

}  // namespace

bool RunImportChannelsCsv(QWidget* parent, AppContext& app) {
    const std::optional<std::string> path = app.prompter.ChooseFileToOpen(CsvFileRequest(false));
    std::string csv;
    if (!path || !ReadCsvFile(*path, csv, app.prompter)) return false;
    CsvImportDialog dialog(app.document.Content(), std::move(csv), QFileInfo(QString::fromStdString(*path)).fileName(),
                           parent);
    if (dialog.exec() != QDialog::Accepted || !dialog.CanImport()) return false;
    const EditStep step(app.document, "Import Channels");
    app.document.Channels().Entries = dialog.ImportedChannels().Entries;
    app.document.SetModified(true);
    return true;
}

void RunExportChannelsCsv(AppContext& app) {
    if (const auto path = app.prompter.ChooseFileToSave(CsvFileRequest(true))) {
        WriteCsvFile(*path, ExportChannelsCsv(app.document.Channels()), app.prompter);
    }
}

}  // namespace tarn::gui
