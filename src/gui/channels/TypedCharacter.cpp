#include "channels/TypedCharacter.h"

#include "channels/CharacterFilter.h"

namespace tarn::gui {

bool IsTextCharacter(char32_t c) { return c >= 0x20 && c != 0x7F; }

std::optional<char32_t> TypedCharacter(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Backspace) return kBackspaceCode;
    if (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return std::nullopt;
    const QList<uint> codes = event.text().toUcs4();
    if (codes.size() != 1 || !IsTextCharacter(codes[0])) return std::nullopt;
    return static_cast<char32_t>(codes[0]);
}

QKeyEvent WithCharacter(const QKeyEvent& event, char32_t character) {
    const char32_t text[] = {character};
    return QKeyEvent(event.type(), event.key(), event.modifiers(), QString::fromUcs4(text, 1), event.isAutoRepeat(),
                     static_cast<ushort>(event.count()));
}

}  // namespace tarn::gui
