#include "channels/CharacterFilter.h"

#include <gtest/gtest.h>

namespace tarn {
namespace {

struct Typing {
    int kind;
    std::u32string_view typed, passed;
    int position = 0;  // where the selection starts (undo-lock fields only)
};

template <class Filter>
std::u32string Passed(Filter filter, const Typing& t) {
    std::u32string out;
    for (char32_t c : t.typed) {
        if (auto p = filter(c)) out.push_back(*p);
    }
    return out;
}

TEST(FilterEditCharacter, EachKindPassesOnlyItsCharacters) {
    for (const Typing& t : {Typing{0, U"Ab~\b", U"Ab~\b"}, {0, U"\u00E9\u0080", U"i"},  // low seven bits; none left
                            {0, U"\u20AC\u012C\u0161x", U"x"}, {4, U"\u20ACx", U"x"},  // beyond 8 bits: refused
                            {1, U"1. a-9\b", U"1. 9\b"}, {8, U"1. a-9", U"1. 9"}, {2, U"19AeFz", U"19Ae"},
                            {3, U"0aFBgG9", U"0afb9"}, {4, U"a!,#%&.;~Z?", U"aZ?"}, {5, U"12:3a", U"12:3"},
                            {6, U"1.2\b", U"12\b"}, {7, U"0 7x", U"07"}, {42, U"any\u20AC", U"any\u20AC"}}) {
        EXPECT_EQ(Passed([&](char32_t c) { return FilterEditCharacter(t.kind, c); }, t), t.passed) << t.kind;
    }
}

TEST(UndoLockEditCharacter, EachKindPassesOnlyItsCharacters) {
    for (const Typing& t :
         {Typing{1, U"1. -x\b", U"1. \b"}, {2, U"1 -+x.", U"1 -+"}, {3, U"9aDd#*eE", U"9aDd#*"},
          {4, U"Ab9 -()!\"#$%&',.;<>?@^{|}~\b", U"Ab9 -()\b"}, {4, U"\u20ACx", U"x"}, {5, U"1. -+x", U"1. -+"},
          {6, U"1 .x", U"1 "},
          {7, U"9afAFgG", U"9afAF"}, {8, U"12a \b", U"12\b"}, {16, U"1:2.", U"1:2"}, {0, U"x!~", U"x!~"},
          {99, U"x!~", U"x!~"},
          // Kind 9 wants a letter C..N at the second position and a digit anywhere else.
          {9, U"cCnNbBoO5\b", U"cCnN\b", 1}, {9, U"5cC", U"5", 0}, {9, U"7D", U"7", 4}}) {
        EXPECT_EQ(Passed([&](char32_t c) { return UndoLockEditCharacter(t.kind, c, t.position); }, t), t.passed)
            << t.kind;
    }
}

}  // namespace
}  // namespace tarn
