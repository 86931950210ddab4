#include "model/DecimalText.h"

#include <clocale>
#include <cstdlib>
#include <locale.h>
#include <string>

#include "model/Unpadded.h"

namespace tarn {
namespace {

// The "C" locale, made once; the process locale may use another decimal point.
locale_t ClassicLocale() {
    static const locale_t locale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return locale;
}

}  // namespace

double DecimalValue(std::string_view text) {
    const std::string s(text);
    return strtod_l(s.c_str(), nullptr, ClassicLocale());
}

std::int64_t LeadingInteger(std::string_view text) {
    const std::string s(text);
    return static_cast<std::int64_t>(strtoll_l(s.c_str(), nullptr, 10, ClassicLocale()));
}

std::optional<std::int64_t> ScaledDecimal(std::string_view text, int decimals) {
    constexpr std::int64_t kLimit = 1000000000000000;  // far beyond any frequency, tone or step
    text = Unpadded(text);
    if (text.empty()) return std::nullopt;
    std::int64_t value = 0;
    int fraction = -1;  // digits taken after the point; -1 before it
    bool digits = false;
    bool roundUp = false;
    for (const char c : text) {
        if (c == '.' && fraction < 0) {
            fraction = 0;
            continue;
        }
        if (c < '0' || c > '9') return std::nullopt;
        digits = true;
        if (fraction >= decimals) {
            if (fraction == decimals) roundUp = c >= '5';
            fraction = decimals + 1;
            continue;
        }
        if (value > kLimit) return std::nullopt;
        value = value * 10 + (c - '0');
        if (fraction >= 0) ++fraction;
    }
    if (!digits) return std::nullopt;
    for (int i = fraction < 0 ? 0 : (fraction > decimals ? decimals : fraction); i < decimals; ++i) {
        if (value > kLimit) return std::nullopt;
        value *= 10;
    }
    return value + (roundUp ? 1 : 0);
}

}  // namespace tarn
