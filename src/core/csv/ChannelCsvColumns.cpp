#include "csv/ChannelCsvColumns.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "model/Unpadded.h"

namespace tarn {
namespace {

// What a column holds when the file does not give it: no tone, the usual placeholders for the tone fields.
constexpr std::array<std::string_view, kCsvColumnCount> kDefaults{
    "", "", "", "", "0", "", "88.5", "88.5", "023", "NN", "023", "Tone->Tone", "", "", "", "", "", "", "", "", ""};

}  // namespace

std::string FoldedField(std::string_view text) {
    std::string folded(Unpadded(text));
    std::transform(folded.begin(), folded.end(), folded.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return folded;
}

CsvColumns::CsvColumns(const CsvRecord& header) {
    index_.fill(kMissing);
    for (std::size_t c = 0; c < kCsvColumnCount; ++c) {
        const std::string name = FoldedField(kCsvHeader[c]);
        for (std::size_t i = 0; i < header.fields.size(); ++i) {
            if (FoldedField(header.fields[i]) == name) {
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
