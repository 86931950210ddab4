#include "csv/ChannelCsvImport.h"

#include <algorithm>
#include <map>
#include <optional>

#include "channels/ChannelEditLabel.h"
#include "csv/ChannelCsvRow.h"
#include "model/ChannelDefaults.h"
#include "model/DecimalText.h"

namespace tarn {
namespace {

constexpr std::int64_t kFirstBookLocation = kBookFirstSlot + 1;
constexpr std::int64_t kLastBookLocation = kWxFirstSlot;
constexpr std::int64_t kLastLocation = kSlotsEnd;

std::optional<std::int64_t> LocationOf(const CsvColumns& columns, const CsvRecord& row) {
    return ScaledDecimal(columns.Field(row, CsvColumn::Location), 0);
}

// Where the rows go: the free slots of the mode in slot order, or the slot each row's Location names.
class SlotChooser {
public:
    SlotChooser(ChannelTable& table, CsvImportMode mode) : mode_(mode) {
        if (mode == CsvImportMode::Replace) {
            for (std::size_t slot = kMrFirstSlot; slot < kWxFirstSlot; ++slot) {
                ClearChannel(table.Entries[slot]);
                table.Entries[slot].Empty = AlwaysInUse(slot) ? 0 : 1;
            }
        }
        for (std::size_t slot = kMrFirstSlot; slot < kWxFirstSlot; ++slot) {
            const bool empty = table.Entries[slot].Empty == 1 || mode == CsvImportMode::Replace;
            if (empty && !IsScanLimit(slot)) free_.push_back(slot);
        }
    }

    // The slot for `row`, or the reason it has none.
    std::optional<std::size_t> SlotFor(const CsvColumns& columns, const CsvRecord& row, std::string& reason) const {
        const std::optional<std::int64_t> location = LocationOf(columns, row);
        const bool fixedChannel = location && *location > kLastBookLocation && *location <= kLastLocation;
        if (mode_ == CsvImportMode::ByLocation) {
            if (!location || *location < 1 || *location > kLastBookLocation) {
                reason = "Location \"" + ShownText(columns.Field(row, CsvColumn::Location)) +
                         "\" is not an MR or BOOK channel (1..160)";
                return std::nullopt;
            }
            const auto slot = static_cast<std::size_t>(*location - 1);
            if (const auto it = filledFromLine_.find(slot); it != filledFromLine_.end()) {
                reason = "Location " + std::to_string(*location) + " was already taken from line " +
                         std::to_string(it->second);
                return std::nullopt;
            }
            return slot;
        }
        if (mode_ == CsvImportMode::Replace && fixedChannel) {
            reason = "Location " + std::to_string(*location) + " is a WEATHER or BRS channel, which an import never changes";
            return std::nullopt;
        }
        const bool toBook = mode_ == CsvImportMode::Replace && location && *location >= kFirstBookLocation;
        const auto it = std::find_if(free_.begin(), free_.end(),
                                     [toBook](std::size_t slot) { return !toBook || slot >= kBookFirstSlot; });
        if (it == free_.end()) {
            reason = "no free MR or BOOK channel left";
            return std::nullopt;
        }
        return *it;
    }

    void Take(std::size_t slot, std::size_t line) {
        free_.erase(std::remove(free_.begin(), free_.end(), slot), free_.end());
        filledFromLine_[slot] = line;
    }

private:
    CsvImportMode mode_;
    std::vector<std::size_t> free_;
    std::map<std::size_t, std::size_t> filledFromLine_;
};

std::string Summary(const CsvImportReport& report, std::size_t first, std::size_t last) {
    std::string summary = "no channels imported";
    if (report.imported > 0) {
        summary = std::to_string(report.imported) + (report.imported == 1 ? " channel" : " channels") +
                  " imported into " + SlotName(first) + (first == last ? "" : ".." + SlotName(last));
    }
    return summary + ", " + std::to_string(report.adapted) + " adapted, " + std::to_string(report.skipped) +
           " skipped";
}

std::string Joined(const std::vector<std::string>& notes) {
    std::string text;
    for (const std::string& note : notes) text += (text.empty() ? "" : "; ") + note;
    return text;
}

}  // namespace

CsvImportReport ImportChannelsCsv(ChannelTable& table, const SystemSettings& settings, std::string_view csv,
                                  CsvImportMode mode) {
    CsvImportReport report;
    const std::vector<CsvRecord> records = ReadCsvRecords(csv);
    if (records.empty()) {
        report.listRead = false;
        report.failure = "The file is empty: it holds no channel list.";
        return report;
    }
    const CsvColumns columns(records.front());
    if (!columns.Has(CsvColumn::Frequency)) {
        report.listRead = false;
        report.failure = "The file's first line names no Frequency column: it is not a channel list in the CSV "
                         "format Tarn reads.";
        return report;
    }
    if (mode == CsvImportMode::ByLocation && !columns.Has(CsvColumn::Location)) {
        report.listRead = false;
        report.failure = "The file has no Location column, which an import by location needs.";
        return report;
    }

    SlotChooser chooser(table, mode);
    const BandContext bands{settings, table};
    std::size_t first = kSlotsEnd;
    std::size_t last = 0;
    for (auto row = records.begin() + 1; row != records.end(); ++row) {
        std::string reason;
        const std::optional<std::size_t> slot = chooser.SlotFor(columns, *row, reason);
        CsvRowResult result;
        ChannelEntry channel;
        if (slot) {
            channel = table.Entries[*slot];
            ClearChannel(channel);
            channel.Empty = 0;
            result = StoreCsvRow(channel, columns, *row, bands);
        } else {
            result = {true, {"skipped: " + reason}};
        }
        if (!result.notes.empty()) report.lines.push_back("line " + std::to_string(row->line) + ": " + Joined(result.notes));
        if (result.skipped) {
            ++report.skipped;
            continue;
        }
        table.Entries[*slot] = channel;
        chooser.Take(*slot, row->line);
        ++report.imported;
        if (!result.notes.empty()) ++report.adapted;
        first = std::min(first, *slot);
        last = std::max(last, *slot);
    }
    report.summary = Summary(report, first, last);
    return report;
}

bool CsvImportAccepted(const CsvImportReport& report, bool strict) {
    if (!report.listRead || report.imported == 0) return false;
    return !strict || (report.adapted == 0 && report.skipped == 0);
}

std::string CsvImportReportText(const CsvImportReport& report) {
    if (!report.listRead) return report.failure + "\n";
    std::string text;
    for (const std::string& line : report.lines) text += line + "\n";
    return text + report.summary + "\n";
}

}  // namespace tarn
