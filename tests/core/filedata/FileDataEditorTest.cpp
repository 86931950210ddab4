#include "filedata/FileDataEditor.h"

#include <gtest/gtest.h>

#include <tuple>

#include "core/support/RecordingPrompter.h"
#include "model/DefaultImage.h"
#include "model/Document.h"

namespace tarn {
namespace {

constexpr int kTagRow = 974 / 16, kTagColumn = 974 % 16;  // first TAG byte of MR channel 1 (record at 968)

class FileDataEditorTest : public ::testing::Test {
protected:
    FileDataEditorTest() {
        FillDefaultImage(document.Content());
        document.Trailer() = {0xA0, 1, 2, 3, 4, 5, 6, 0xA7};
    }
    test::RecordingPrompter prompter;
    Document document{prompter, "/nonexistent"};
};

TEST_F(FileDataEditorTest, ShowsTheEncodedImageThenTheTrailerSixteenBytesARow) {
    // What is shown is what a save would write: the model's pending changes and the checksum included.
    document.Channels().Entries[0].Tag[0] = 'K';
    document.Image()[2] = 0;
    const FileDataEditor editor(document);
    const std::string tagByte = editor.CellText(kTagRow, kTagColumn);
    EXPECT_EQ(std::tuple(editor.CellText(0, 2), editor.CellText(0, 3)), std::tuple("3d", "27"));
    EXPECT_EQ(editor.WorkingCopy(), document.Image());
    EXPECT_EQ(std::stoi(tagByte, nullptr, 16), document.Image()[974]);
    EXPECT_NE(tagByte, "00");
    struct Cell {
        int row, column;
        const char* text;
    };
    for (const Cell& c : {Cell{0, 0, "00"}, {2, 0, "ff"}, {255, 15, "00"}, {256, 0, "a0"}, {256, 7, "a7"},
                          {256, 8, ""}, {256, 15, ""}, {257, 0, ""}, {-1, 0, ""}, {0, 16, ""}}) {
        EXPECT_EQ(editor.CellText(c.row, c.column), c.text) << c.row << "," << c.column;
    }
    EXPECT_EQ(std::tuple(FileDataColumnCaption(15), FileDataAddressText(1), FileDataAddressText(256)),
              std::tuple("0f", "00010h", "01000h"));
}

TEST_F(FileDataEditorTest, ACommitStoresUpToTwoHexDigitsRightAligned) {
    // Byte 4000 lies in the part of the image the program gives no meaning, 0 in a new image.
    struct Case {
        std::string_view text;
        int byte;
        const char* shown;
    };
    FileDataEditor editor(document);
    for (const Case& c : {Case{"7", 0x07, "07"}, {"ab", 0xAB, "ab"}, {"F0", 0xF0, "f0"}, {"", 0x00, "00"},
                          {"ff", 0xFF, "ff"}}) {
        document.SetModified(false);
        EXPECT_TRUE(editor.Commit(250, 0, c.text).done) << c.text;
        EXPECT_EQ(std::tuple(int(editor.WorkingCopy()[4000]), editor.CellText(250, 0)), std::tuple(c.byte, c.shown));
        // Marked modified at once, before OK; the document's image waits for OK.
        EXPECT_TRUE(document.Modified()) << c.text;
        EXPECT_EQ(document.Image()[4000], 0);
    }
    // Committing the byte the cell already holds (as after Escape) is no change.
    document.SetModified(false);
    EXPECT_FALSE(editor.Commit(250, 0, "FF").done);
    EXPECT_FALSE(document.Modified());
}

TEST_F(FileDataEditorTest, TheTrailerAndEveryOtherCellOutsideTheImageIsReadOnly) {
    // The last row shows the trailer after the 4096 image bytes: an edit there must not write past them.
    FileDataEditor editor(document);
    const CloneImage before = editor.WorkingCopy();
    const ImageTrailer trailer = document.Trailer();
    for (const auto& [row, column] : {std::pair(256, 0), {256, 7}, {256, 8}, {256, 15}, {257, 0}, {-1, 3}, {3, 16}}) {
        EXPECT_EQ(std::tuple(editor.CanEdit(row, column).done, editor.CanEdit(row, column).beeps), std::tuple(false, 1));
        EXPECT_EQ(editor.Commit(row, column, "55").beeps, 1);
    }
    EXPECT_TRUE(editor.CanEdit(255, 15).done);
    // Nothing else than up to two hexadecimal digits is a byte.
    for (std::string_view text : {"123", "g", " 1", "-1"}) EXPECT_EQ(editor.Commit(0, 0, text).beeps, 1) << text;
    EXPECT_EQ(std::tie(editor.WorkingCopy(), document.Trailer()), std::tie(before, trailer));
    EXPECT_FALSE(document.Modified());
}

TEST_F(FileDataEditorTest, OkDecodesTheWorkingCopyAndCancelLeavesTheImage) {
    {
        FileDataEditor cancelled(document);
        cancelled.Commit(kTagRow, kTagColumn, "41");
    }  // Cancel: the working copy is dropped, the document still counts as modified
    EXPECT_NE(document.Image()[974], 0x41);
    EXPECT_TRUE(document.Modified());

    FileDataEditor editor(document);
    editor.Commit(kTagRow, kTagColumn, "41");
    editor.Accept();
    EXPECT_EQ(document.Image(), editor.WorkingCopy());
    EXPECT_EQ(document.Channels().Entries[0].TagCodes[0], 0x41);
}

TEST(FileDataTypedStart, OnlyAHexDigitStartsAnEdit) {
    for (const auto& [typed, start] : {std::pair(U'7', "7"), {U'a', "a"}, {U'F', "F"}, {U'g', ""}, {U' ', ""},
                                       {U'\b', ""}, {char32_t(0x100 + '7'), ""}}) {
        EXPECT_EQ(FileDataTypedStart(typed).value_or(""), start) << int(typed);
    }
}

}  // namespace
}  // namespace tarn
