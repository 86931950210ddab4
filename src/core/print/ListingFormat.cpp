#include "print/ListingFormat.h"

#include <cstdarg>
#include <cstdio>

#include "print/ListingOptionTexts.h"

namespace tarn {

std::string FormatText(const char* format, ...) {
    std::va_list args;
    va_start(args, format);
    std::va_list again;
    va_copy(again, args);
    const int length = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    std::string text(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
    if (length > 0) std::vsnprintf(text.data(), text.size() + 1, format, again);
    va_end(again);
    return text;
}

std::size_t TextColumns(std::string_view text) {
    std::size_t columns = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text.substr(i, kCelsiusSign.size()) == kCelsiusSign) {
            columns += 2;
            i += kCelsiusSign.size() - 1;
        } else if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            ++columns;  // the first byte of a character; continuation bytes add nothing
        }
    }
    return columns;
}

std::string PadRight(std::string_view text, std::size_t columns) {
    std::string padded(text);
    const std::size_t used = TextColumns(text);
    if (used < columns) padded.append(columns - used, ' ');
    return padded;
}

}  // namespace tarn
