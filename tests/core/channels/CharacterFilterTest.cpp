#include "channels/CharacterFilter.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

std::u32string Passed(int kind, std::u32string_view typed) {
    std::u32string out;
    for (char32_t c : typed) {
        if (auto p = FilterEditCharacter(kind, c)) out.push_back(*p);
    }
    return out;
}

std::u32string PassedUndo(int kind, std::u32string_view typed, int position = 0) {
    std::u32string out;
    for (char32_t c : typed) {
        if (auto p = UndoLockEditCharacter(kind, c, position)) out.push_back(*p);
    }
    return out;
}

TEST(FilterEditCharacter, FrequencyAndToneKindsTakeDigitsFullStopAndBlank) {
    for (int kind : {1, 8}) {
        EXPECT_EQ(Passed(kind, U"1. a-9\b"), U"1. 9\b") << kind;
    }
}

TEST(FilterEditCharacter, HexKindHandsLettersOnInLowerCase) {
    EXPECT_EQ(Passed(3, U"0aFBgG9"), U"0afb9");
}

TEST(FilterEditCharacter, TagKindKeepsTheLowSevenBits) {
    EXPECT_EQ(Passed(0, U"Ab~"), U"Ab~");
    EXPECT_EQ(FilterEditCharacter(0, 0xE9), std::optional<char32_t>(0x69));  // é -> i
    EXPECT_EQ(FilterEditCharacter(0, 0x80), std::nullopt);                   // nothing left
}

TEST(FilterEditCharacter, RemainingKinds) {
    EXPECT_EQ(Passed(2, U"19AeFz"), U"19Ae");
    EXPECT_EQ(Passed(4, U"a!,#%&.;~Z?"), U"aZ?");
    EXPECT_EQ(Passed(5, U"12:3a"), U"12:3");
    EXPECT_EQ(Passed(6, U"1.2"), U"12");
    EXPECT_EQ(Passed(7, U"0 7x"), U"07");
    EXPECT_EQ(Passed(42, U"any€"), U"any€");
}

TEST(UndoLockEditCharacter, KindsByTheirCharacterSets) {
    EXPECT_EQ(PassedUndo(1, U"1. -x"), U"1. ");
    EXPECT_EQ(PassedUndo(2, U"1 -+x."), U"1 -+");
    EXPECT_EQ(PassedUndo(3, U"9aDd#*eE"), U"9aDd#*");
    EXPECT_EQ(PassedUndo(5, U"1. -+x"), U"1. -+");
    EXPECT_EQ(PassedUndo(6, U"1 .x"), U"1 ");
    EXPECT_EQ(PassedUndo(7, U"9afAFgG"), U"9afAF");
    EXPECT_EQ(PassedUndo(8, U"12a "), U"12");
    EXPECT_EQ(PassedUndo(16, U"1:2."), U"1:2");
    for (int kind : {0, 10, 15, 99}) EXPECT_EQ(PassedUndo(kind, U"x!~"), U"x!~") << kind;
}

TEST(UndoLockEditCharacter, NameKindRefusesTheNineteenSymbols) {
    EXPECT_EQ(PassedUndo(4, U"Ab9 -()!\"#$%&',.;<>?@^{|}~"), U"Ab9 -()");
}

TEST(UndoLockEditCharacter, KindNineWantsALetterCToNAtThesecondPosition) {
    EXPECT_EQ(PassedUndo(9, U"cCnNbBoO5", 1), U"cCnN");
    EXPECT_EQ(PassedUndo(9, U"5cC", 0), U"5");
    EXPECT_EQ(PassedUndo(9, U"7D", 4), U"7");
}

TEST(UndoLockEditCharacter, BackspaceAlwaysPasses) {
    for (int kind : {1, 2, 3, 4, 5, 6, 7, 8, 9, 16}) EXPECT_EQ(PassedUndo(kind, U"\b"), U"\b") << kind;
    for (int kind = 0; kind <= 8; ++kind) EXPECT_EQ(Passed(kind, U"\b"), U"\b") << kind;
}

}  // namespace
}  // namespace tarn
