#pragma once
// Comma-separated text as records of fields: quoted fields (with commas, doubled quotes, tabs and line
// breaks inside), a UTF-8 byte-order mark, CRLF, LF or CR line ends.
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarn {

struct CsvRecord {
    std::size_t line = 0;  // the file line the record starts on, from 1
    std::vector<std::string> fields;
};

// The records of `text`; blank lines give no record. A quote left open runs to the end of the text.
std::vector<CsvRecord> ReadCsvRecords(std::string_view text);

// One record as a line ending in CRLF; a field is quoted only when it holds a comma, a quote or a line break.
std::string CsvLine(std::span<const std::string> fields);

}  // namespace tarn
