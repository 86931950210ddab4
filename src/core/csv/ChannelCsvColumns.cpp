#include "csv/ChannelCsvColumns.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace tarn {
namespace {

// What a column holds when the file does not give it: no tone, the usual placeholders for the tone fields.
constexpr std::array<std::string_view, kCsvColumnCount> kDefaults{
    "", "", "", "", "0", "", "88.5", "88.5", "023", "NN", "023", "Tone->Tone", "", "", "", "", "", "", "", "", ""};

std::string Folded(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    const std::size_t last = text.find_last_not_of(' ');
    std::string folded(first == std::string_view::npos ? std::string_view{} : text.substr(first, last - first + 1));
    std::transform(folded.begin(), folded.end(), folded.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return folded;
}

}  // namespace

CsvColumns::CsvColumns(const CsvRecord& header) {
    index_.fill(kMissing);
    for (std::size_t c = 0; c < kCsvColumnCount; ++c) {
        const std::string name = Folded(kCsvHeader[c]);
        for (std::size_t i = 0; i < header.fields.size(); ++i) {
            if (Folded(header.fields[i]) == name) {
                index_[c] = i;
                break;
            }
        }
    }
}

std::string_view CsvColumns::Field(const CsvRecord& record, CsvColumn column) const {
    const std::size_t i = index_[Index(column)];
    if (i == kMissing || i >= record.fields.size()) return kDefaults[Index(column)];
    return record.fields[i];
}

}  // namespace tarn
