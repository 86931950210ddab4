#include "filedata/FileDataEditor.h"

#include <cstdio>

#include "model/Document.h"

namespace tarn {
namespace {

std::string Hex(unsigned value, const char* format) {
    char text[16];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

bool IsDataCell(int row, int column) {
    return row >= 0 && row < kFileDataRows && column >= 0 && column < kFileDataColumns;
}

// The byte a data cell shows: image bytes first, the trailer after them.
std::size_t ByteIndex(int row, int column) {
    return static_cast<std::size_t>(row) * kFileDataColumns + static_cast<std::size_t>(column);
}

std::optional<unsigned> HexDigitValue(char c) {
    if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
    if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a' + 10);
    if (c >= 'A' && c <= 'F') return static_cast<unsigned>(c - 'A' + 10);
    return std::nullopt;
}

// Up to two hexadecimal digits as one byte; a missing digit on the left counts as 0.
std::optional<std::uint8_t> ByteOfText(std::string_view text) {
    if (text.size() > static_cast<std::size_t>(kFileDataEditLength)) return std::nullopt;
    unsigned byte = 0;
    for (const char c : text) {
        const auto digit = HexDigitValue(c);
        if (!digit) return std::nullopt;
        byte = byte * 16 + *digit;
    }
    return static_cast<std::uint8_t>(byte);
}

}  // namespace

std::string FileDataColumnCaption(int column) { return Hex(static_cast<unsigned>(column), "%02x"); }

std::string FileDataAddressText(int row) {
    return Hex(static_cast<unsigned>(row) * kFileDataColumns, "%05xh");
}

std::optional<std::string> FileDataTypedStart(char32_t typed) {
    if (typed > 0x7F || !HexDigitValue(static_cast<char>(typed))) return std::nullopt;
    return std::string(1, static_cast<char>(typed));
}

FileDataEditor::FileDataEditor(Document& document) : document_(document) {
    document_.EncodeImage();
    working_ = document_.Image();
}

std::string FileDataEditor::CellText(int row, int column) const {
    if (!IsDataCell(row, column)) return {};
    const std::size_t index = ByteIndex(row, column);
    if (index < kImageSize) return Hex(working_[index], "%02x");
    if (index < kImageFileSize) return Hex(document_.Trailer()[index - kImageSize], "%02x");
    return {};
}

EditResult FileDataEditor::CanEdit(int row, int column) const {
    if (!IsDataCell(row, column) || ByteIndex(row, column) >= kImageSize) return EditResult::Beep();
    return EditResult::Done();
}

EditResult FileDataEditor::Commit(int row, int column, std::string_view text) {
    const auto byte = ByteOfText(text);
    if (!byte || !CanEdit(row, column).done) return EditResult::Beep();
    std::uint8_t& stored = working_[ByteIndex(row, column)];
    if (stored == *byte) return EditResult::Refused();
    stored = *byte;
    document_.SetModified(true);
    return EditResult::Done();
}

void FileDataEditor::Accept() {
    document_.Image() = working_;
    document_.DecodeImage();
}

}  // namespace tarn
