#pragma once
// The File Data raw editor (maintenance mode): the whole image and its trailer as a grid of hexadecimal
// bytes, sixteen to a row, edited byte by byte in a working copy of the image. OK takes the working copy
// over into the document and decodes it; Cancel throws it away. The trailer is shown but never edited,
// and nothing is ever written outside the working copy.
#include <optional>
#include <string>
#include <string_view>

#include "channels/EditResult.h"
#include "model/CloneImage.h"

namespace tarn {

class Document;

inline constexpr int kFileDataRows = 257;     // 256 rows of image bytes, then the trailer's row
inline constexpr int kFileDataColumns = 16;
inline constexpr int kFileDataAddressTwips = 1000;
inline constexpr int kFileDataByteTwips = 400;
inline constexpr int kFileDataFilterKind = 3;  // hexadecimal digits, letters in lower case
inline constexpr int kFileDataEditLength = 2;

// The caption of byte column `column` (0..15): "%02x" of it.
std::string FileDataColumnCaption(int column);
// The address at the start of data row `row` (0..256): "%05xh" of row × 16.
std::string FileDataAddressText(int row);
// The text an edit opened by typing `typed` starts with: the digit itself when it is a hexadecimal
// digit; nothing when the character opens no edit.
std::optional<std::string> FileDataTypedStart(char32_t typed);

class FileDataEditor {
public:
    // Opening: the model is encoded into the image first (checksum included), so the bytes shown are
    // those a save would write; the working copy is taken from it.
    explicit FileDataEditor(Document& document);

    // "%02x" of the byte data cell (`row`, `column`) shows: an image byte, a trailer byte, or nothing
    // after the trailer.
    std::string CellText(int row, int column) const;
    // Whether an edit may start on the cell: image bytes only. Refusing the trailer's cells beeps.
    EditResult CanEdit(int row, int column) const;
    // Stores the edit box's text (up to two hexadecimal digits, right-aligned, blanks and an empty text
    // counting as 0) into the cell's byte of the working copy. A changed byte marks the document
    // modified at once, before OK. Any other cell or text beeps and changes nothing.
    EditResult Commit(int row, int column, std::string_view text);
    // OK: the working copy replaces the document's image, which is decoded into the model.
    void Accept();

    const CloneImage& WorkingCopy() const { return working_; }

private:
    Document& document_;
    CloneImage working_;
};

}  // namespace tarn
