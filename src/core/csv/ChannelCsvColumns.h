#pragma once
// The columns of a channel list in the common radio-programming CSV format. Columns are found by their
// header name, so their order, missing columns and unknown ones do not matter.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "csv/CsvRecords.h"

namespace tarn {

enum class CsvColumn {
    Location, Name, Frequency, Duplex, Offset, Tone, RToneFreq, CToneFreq, DtcsCode, DtcsPolarity, RxDtcsCode,
    CrossMode, Mode, TStep, Skip, Power, Comment, UrCall, Rpt1Call, Rpt2Call, DvCode
};
inline constexpr std::size_t kCsvColumnCount = 21;

// The current header, in the order exports write it.
inline constexpr std::array<std::string_view, kCsvColumnCount> kCsvHeader{
    "Location", "Name",       "Frequency", "Duplex",    "Offset", "Tone",  "rToneFreq",
    "cToneFreq", "DtcsCode",  "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode", "TStep",
    "Skip",     "Power",      "Comment",   "URCALL",    "RPT1CALL", "RPT2CALL", "DVCODE"};

// A header name or keyword field as the reader compares it: without blanks around it, in lower case, since
// other programs write "Duplex", " duplex" or "DUPLEX" alike.
std::string FoldedField(std::string_view text);

class CsvColumns {
public:
    // Finds the columns by the names in `header` (blanks around them and their case ignored).
    explicit CsvColumns(const CsvRecord& header);

    bool Has(CsvColumn column) const { return index_[Index(column)] != kMissing; }
    // The field of `column` in `record`; the format's default for a column the file lacks or a row that
    // ends before it.
    std::string_view Field(const CsvRecord& record, CsvColumn column) const;

private:
    static constexpr std::size_t kMissing = static_cast<std::size_t>(-1);
    static std::size_t Index(CsvColumn column) { return static_cast<std::size_t>(column); }
    std::array<std::size_t, kCsvColumnCount> index_;
};

}  // namespace tarn
