#pragma once
// Channels from a channel list in the common radio-programming CSV format, into the MR and BOOK groups.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "model/ChannelTable.h"
#include "model/SystemSettings.h"

namespace tarn {

enum class CsvImportMode {
    Add,         // rows fill the empty MR, then BOOK channels (never PMSL and PMSU); channels in use stay
    Replace,     // MR and BOOK are cleared first; a row goes to the group its Location names, else to MR
    ByLocation,  // each row replaces the channel its Location 1..160 names
};

struct CsvImportReport {
    bool listRead = true;   // false: the text is no channel list; the table is unchanged and `failure` says why
    std::string failure;
    std::vector<std::string> lines;  // "line N: what and why" for each adapted or skipped row
    std::string summary;             // "38 channels imported into MR 3..MR 40, 2 adapted, 4 skipped"
    std::size_t imported = 0;
    std::size_t adapted = 0;
    std::size_t skipped = 0;
};

// Stores the rows of `csv` into the MR and BOOK channels of `table` through the grid's rules; WX and BRS
// channels are never changed. The band rules follow `settings` and the table's WX and BRS channels.
CsvImportReport ImportChannelsCsv(ChannelTable& table, const SystemSettings& settings, std::string_view csv,
                                  CsvImportMode mode);

// Whether the import is to be kept: at least one channel imported and, when `strict`, no row adapted or
// skipped.
bool CsvImportAccepted(const CsvImportReport& report, bool strict);

// The report as text: the row lines, then the summary (or the failure alone).
std::string CsvImportReportText(const CsvImportReport& report);

}  // namespace tarn
