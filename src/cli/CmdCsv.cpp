// tarn-cli export-csv FILE.trn OUT.csv
// tarn-cli import-csv FILE.trn IN.csv OUT.trn [--replace | --by-location] [--dry-run] [--strict]
#include <iostream>

#include "CliPrompter.h"
#include "Commands.h"
#include "ImageFileToOpen.h"
#include "csv/ChannelCsvExport.h"
#include "csv/ChannelCsvImport.h"
#include "csv/CsvFile.h"
#include "model/ImageCodec.h"
#include "model/ImageFile.h"

namespace tarn::cli {
namespace {

constexpr const char* kImportUsage =
    "usage: tarn-cli import-csv FILE.trn IN.csv OUT.trn [--replace | --by-location] [--dry-run] [--strict]\n";

struct ImportOptions {
    std::vector<std::string> paths;
    CsvImportMode mode = CsvImportMode::Add;
    bool modeGiven = false;
    bool dryRun = false;
    bool strict = false;
};

// False on an unknown option or a second mode.
bool ParseImportOptions(const Args& args, ImportOptions& options) {
    for (const std::string& arg : args) {
        if (arg == "--replace" || arg == "--by-location") {
            if (options.modeGiven) return false;
            options.mode = arg == "--replace" ? CsvImportMode::Replace : CsvImportMode::ByLocation;
            options.modeGiven = true;
        } else if (arg == "--dry-run") {
            options.dryRun = true;
        } else if (arg == "--strict") {
            options.strict = true;
        } else if (arg.rfind("--", 0) == 0 || arg.empty()) {
            return false;
        } else {
            options.paths.push_back(arg);
        }
    }
    return options.paths.size() == 3;
}

}  // namespace

int RunExportCsv(const Args& args) {
    if (args.size() != 2 || args[0].empty() || args[1].empty()) {
        std::cerr << "usage: tarn-cli export-csv FILE.trn OUT.csv\n";
        return kExitUsage;
    }
    CliPrompter prompter;
    DocumentContent content;
    if (!OpenImageFile(args[0], content, prompter)) return kExitFailure;
    return WriteCsvFile(args[1], ExportChannelsCsv(content.Channels), prompter) ? kExitOk : kExitFailure;
}

int RunImportCsv(const Args& args) {
    ImportOptions options;
    if (!ParseImportOptions(args, options)) {
        std::cerr << kImportUsage;
        return kExitUsage;
    }
    const std::string& imagePath = options.paths[0];
    const std::string& csvPath = options.paths[1];
    const std::string& outPath = options.paths[2];
    CliPrompter prompter;
    DocumentContent content;
    std::string csv;
    if (!OpenImageFile(imagePath, content, prompter) || !ReadCsvFile(csvPath, csv, prompter)) return kExitFailure;
    const CsvImportReport report = ImportChannelsCsv(content.Channels, content.Settings, csv, options.mode);
    std::cerr << CsvImportReportText(report);
    if (!CsvImportAccepted(report, options.strict)) {
        if (report.listRead) std::cerr << "tarn-cli: nothing written\n";
        return kExitFailure;
    }
    if (options.dryRun) return CheckImageFileToWrite(outPath, prompter) ? kExitOk : kExitFailure;
    EncodeImage(content);
    return WriteImageFile(outPath, content.Image, content.Trailer, prompter) ? kExitOk : kExitFailure;
}

}  // namespace tarn::cli
