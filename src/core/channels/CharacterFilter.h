#pragma once
// The character filters of the edit controls: which typed characters a field takes and how each one is
// handed on. A field never holds a character its value cannot use; a dropped character is simply ignored.
#include <optional>

namespace tarn {

inline constexpr char32_t kBackspaceCode = 8;

// A character beyond the 8-bit range: no field can hold it, and its low seven bits would be an unrelated
// character ("€" would become ","), so the filters that keep the low seven bits refuse it. Refusing it is a
// mistake worth the beep, unlike the characters a field simply does not take.
inline constexpr bool IsBeyondEightBits(char32_t c) { return c > 0xFF; }

// The filter of the grid's in-cell edit box and the raw byte editor (kinds 0..8; any other kind takes
// every character unchanged). Returns the character to hand on, or nothing when it is dropped.
std::optional<char32_t> FilterEditCharacter(int kind, char32_t typed);

// The filter of the settings fields (kinds 1..9 and 16; any other kind takes every character unchanged).
// `selectionStart` is the character position where the typed character lands (kind 9 depends on it).
std::optional<char32_t> UndoLockEditCharacter(int kind, char32_t typed, int selectionStart);

}  // namespace tarn
