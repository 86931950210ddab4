#pragma once
// Fixed-width text for the listing. Lines are UTF-8; widths count columns of a fixed-pitch font, so a
// field padded here keeps its width whatever bytes its characters take.
#include <cstddef>
#include <string>
#include <string_view>

namespace tarn {

// printf-style formatting into a string.
std::string FormatText(const char* format, ...) __attribute__((format(printf, 1, 2)));
// The columns `text` takes: one per character, two for the degree-Celsius sign.
std::size_t TextColumns(std::string_view text);
// `text` followed by blanks up to `columns` ("%-Ns"); a longer text is kept whole.
std::string PadRight(std::string_view text, std::size_t columns);

}  // namespace tarn
