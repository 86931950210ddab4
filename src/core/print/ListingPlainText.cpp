#include "print/ListingPlainText.h"

#include "print/ListingOptionTexts.h"

namespace tarn {

std::string PlainTextLine(std::string_view line) {
    std::string text;
    for (std::size_t at = 0;;) {
        const std::size_t sign = line.find(kCelsiusSign, at);
        text.append(line.substr(at, sign - at));
        if (sign == std::string_view::npos) return text;
        text.append("\u00B0C");
        at = sign + kCelsiusSign.size();
    }
}

std::string ListingPlainText(const ListingJob& job) {
    std::string text;
    for (std::uint32_t page = 1; page <= job.PageCount(); ++page) {
        if (page > 1) text.append("\f\n");
        for (const std::string& line : job.PageLines(page)) text.append(PlainTextLine(line)).append("\n");
    }
    return text;
}

}  // namespace tarn
