#pragma once
// The character a key press types into an edit control, and the same key press with another character.
#include <QKeyEvent>
#include <optional>

namespace tarn::gui {

// Whether `c` is a character text can hold (no control character).
bool IsTextCharacter(char32_t c);

// The single character `event` types (Backspace counts as code 8), or nothing for keys that type nothing.
std::optional<char32_t> TypedCharacter(const QKeyEvent& event);

// A copy of `event` that types `character` instead.
QKeyEvent WithCharacter(const QKeyEvent& event, char32_t character);

}  // namespace tarn::gui
