#include "model/DecimalText.h"

#include <clocale>
#include <cstdlib>
#include <locale.h>
#include <string>

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

}  // namespace tarn
