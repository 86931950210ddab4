#include "channels/CharacterFilter.h"

#include <string_view>

namespace tarn {
namespace {

bool IsDigit(char32_t c) { return c >= U'0' && c <= U'9'; }
bool IsOneOf(char32_t c, std::u32string_view set) { return set.find(c) != std::u32string_view::npos; }
bool IsLetterIn(char32_t c, char32_t firstUpper, char32_t lastUpper) {
    const char32_t upper = (c >= U'a' && c <= U'z') ? c - 32 : c;
    return upper >= firstUpper && upper <= lastUpper;
}
// Printable after keeping the low seven bits: blank up to tilde.
bool IsPrintable7(char32_t low7) { return low7 >= 0x20 && low7 < 0x7F; }

}  // namespace

std::optional<char32_t> FilterEditCharacter(int kind, char32_t typed) {
    if (typed == kBackspaceCode) return typed;
    const char32_t low7 = typed & 0x7F;
    if (IsBeyondEightBits(typed) && (kind == 0 || kind == 4)) return std::nullopt;
    switch (kind) {
        case 0:
            if (low7 == 0) return std::nullopt;
            return low7;
        case 1:
        case 8:
            if (IsDigit(typed) || typed == U'.' || typed == U' ') return typed;
            return std::nullopt;
        case 2:
            if (IsDigit(typed)) return typed;
            if (IsOneOf(typed, U"ABCDEabcde")) return low7;
            return std::nullopt;
        case 3:
            if (IsDigit(typed)) return typed;
            if (IsOneOf(typed, U"ABCDEF")) return typed + 32;
            if (IsOneOf(typed, U"abcdef")) return typed;
            return std::nullopt;
        case 4:
            if (!IsPrintable7(low7) || IsOneOf(low7, U"!,#%&.;~")) return std::nullopt;
            return low7;
        case 5:
            if (IsDigit(typed) || typed == U':') return typed;
            return std::nullopt;
        case 6:
        case 7:
            if (IsDigit(typed)) return typed;
            return std::nullopt;
        default:
            return typed;
    }
}

std::optional<char32_t> UndoLockEditCharacter(int kind, char32_t typed, int selectionStart) {
    if (typed == kBackspaceCode) return typed;
    bool passes = true;
    switch (kind) {
        case 1: passes = IsDigit(typed) || IsOneOf(typed, U". "); break;
        case 2: passes = IsDigit(typed) || IsOneOf(typed, U" -+"); break;
        case 3: passes = IsDigit(typed) || IsLetterIn(typed, U'A', U'D') || IsOneOf(typed, U"#*"); break;
        case 4: {
            const char32_t low7 = typed & 0x7F;
            if (IsBeyondEightBits(typed) || !IsPrintable7(low7) || IsOneOf(low7, U"!\"#$%&',.;<>?@^{|}~")) return std::nullopt;
            return low7;
        }
        case 5: passes = IsDigit(typed) || IsOneOf(typed, U". -+"); break;
        case 6: passes = IsDigit(typed) || typed == U' '; break;
        case 7: passes = IsDigit(typed) || IsLetterIn(typed, U'A', U'F'); break;
        case 8: passes = IsDigit(typed); break;
        case 9: passes = selectionStart == 1 ? IsLetterIn(typed, U'C', U'N') : IsDigit(typed); break;
        case 16: passes = IsDigit(typed) || typed == U':'; break;
        default: break;
    }
    if (!passes) return std::nullopt;
    return typed;
}

}  // namespace tarn
