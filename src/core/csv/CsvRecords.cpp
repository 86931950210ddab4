#include "csv/CsvRecords.h"

namespace tarn {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Reads one record from `pos`, counting the lines it spans; false at the end of the text.
class RecordReader {
public:
    explicit RecordReader(std::string_view text) : text_(text) {
        if (text_.substr(0, kByteOrderMark.size()) == kByteOrderMark) pos_ = kByteOrderMark.size();
    }

    bool Next(CsvRecord& record) {
        if (pos_ >= text_.size()) return false;
        record.line = line_;
        record.fields.assign(1, std::string());
        bool quoted = false;
        while (pos_ < text_.size()) {
            const char c = text_[pos_++];
            if (quoted) {
                if (c == '"' && pos_ < text_.size() && text_[pos_] == '"') {
                    record.fields.back() += '"';
                    ++pos_;
                } else if (c == '"') {
                    quoted = false;
                } else {
                    if (IsLineEnd(c)) ++line_;
                    record.fields.back() += c;
                }
            } else if (c == '"') {
                quoted = true;
            } else if (c == ',') {
                record.fields.emplace_back();
            } else if (IsLineEnd(c)) {
                ++line_;
                break;
            } else if (c != '\r') {  // the CR of a CR LF outside quotes belongs to the line end
                record.fields.back() += c;
            }
        }
        return true;
    }

private:
    // A CR counts as the line end unless an LF follows, which then ends the line; CR LF is one line end.
    bool IsLineEnd(char c) {
        if (c == '\n') return true;
        if (c != '\r') return false;
        if (pos_ < text_.size() && text_[pos_] == '\n') return false;
        return true;
    }

    std::string_view text_;
    std::size_t pos_ = 0;
    std::size_t line_ = 1;
};

bool IsBlank(const CsvRecord& record) { return record.fields.size() == 1 && record.fields[0].empty(); }

}  // namespace

std::vector<CsvRecord> ReadCsvRecords(std::string_view text) {
    std::vector<CsvRecord> records;
    RecordReader reader(text);
    CsvRecord record;
    while (reader.Next(record)) {
        if (!IsBlank(record)) records.push_back(record);
    }
    return records;
}

std::string CsvLine(std::span<const std::string> fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) line += ',';
        const std::string& field = fields[i];
        if (field.find_first_of(",\"\r\n") == std::string::npos) {
            line += field;
            continue;
        }
        line += '"';
        for (const char c : field) line += c == '"' ? std::string("\"\"") : std::string(1, c);
        line += '"';
    }
    return line + "\r\n";
}

}  // namespace tarn
