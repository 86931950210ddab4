// tarn-cli: Tarn's command-line front end.
#include <cstring>
#include <iostream>

#include "Commands.h"

namespace {

using tarn::cli::Command;

const Command kCommands[] = {
    {"new", "OUT.trn", "write the built-in default image file", tarn::cli::RunNew},
    {"info", "FILE.trn", "size, checksums, model id, firmware, serial number, used channels", tarn::cli::RunInfo},
    {"listing", "FILE.trn", "the print listing as text, pages separated by a form feed line", tarn::cli::RunListing},
    {"settings", "FILE.trn", "every setting as section.name=value lines", tarn::cli::RunSettings},
    {"set", "[--maintenance] FILE.trn OUT.trn NAME=VALUE...", "change settings as the dialogs would; write OUT.trn",
     tarn::cli::RunSet},
    {"diff", "A.trn B.trn", "what writing B over A changes: channels, settings, other bytes (exit 1: differ)",
     tarn::cli::RunDiff},
    {"upload", "--port P [--trace T] OUT.trn", "read the radio into a new image file", tarn::cli::RunUpload},
    {"download", "--port P [--raw] [--yes] [--no-backup] [--trace T] FILE.trn",
     "write an image file into the radio as Tarn does: read and preview, back up, write; --raw: as stored",
     tarn::cli::RunDownload},
    {"export-csv", "FILE.trn OUT.csv", "the channels in use as a CSV channel list", tarn::cli::RunExportCsv},
    {"import-csv", "FILE.trn IN.csv OUT.trn [--replace | --by-location] [--dry-run] [--strict]",
     "channels from a CSV channel list into a copy of FILE.trn; the report on stderr", tarn::cli::RunImportCsv},
};

int Usage(std::ostream& out, int status) {
    out << "usage: tarn-cli COMMAND [ARGS]\n       tarn-cli --help | --version\n\ncommands:\n";
    for (const auto& c : kCommands) {
        std::string head = std::string(c.name) + " " + c.usage;
        out << "  " << head;
        for (std::size_t i = head.size(); i < 40; ++i) out << ' ';
        out << ' ' << c.what << '\n';
    }
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return Usage(std::cerr, tarn::cli::kExitUsage);
    if (!std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h") || !std::strcmp(argv[1], "help")) {
        return Usage(std::cout, tarn::cli::kExitOk);
    }
    if (!std::strcmp(argv[1], "--version")) {
        std::cout << "tarn-cli " TARN_VERSION "\n";
        return tarn::cli::kExitOk;
    }
    for (const auto& c : kCommands) {
        if (std::strcmp(argv[1], c.name) == 0) return c.run(tarn::cli::Args(argv + 2, argv + argc));
    }
    std::cerr << "tarn-cli: unknown command '" << argv[1] << "'\n";
    return Usage(std::cerr, tarn::cli::kExitUsage);
}
