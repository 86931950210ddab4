#pragma once
// The character filters of the edit controls: which typed characters a field takes and how each one is
// handed on. A field never holds a character its value cannot use; a dropped character is simply ignored.
#include <optional>

namespace tarn {

inline constexpr char32_t kBackspaceCode = 8;

// The filter of the grid's in-cell edit box and the raw byte editor (kinds 0..8; any other kind takes
// every character unchanged). Returns the character to hand on, or nothing when it is dropped.
std::optional<char32_t> FilterEditCharacter(int kind, char32_t typed);

// The filter of the settings fields (kinds 1..9 and 16; any other kind takes every character unchanged).
// `selectionStart` is the character position where the typed character lands (kind 9 depends on it).
std::optional<char32_t> UndoLockEditCharacter(int kind, char32_t typed, int selectionStart);

}  // namespace tarn
