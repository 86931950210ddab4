#include "model/ValueTables.h"

#include "model/DecimalText.h"

namespace tarn {
namespace {

// Record codes 62..93, from the full stop to the right brace.
constexpr std::string_view kTagSymbols = "., :;!\"#$%&'()*+-/=<>?@[\\]^_`{|}";
static_assert(kTagSymbols.size() == 32);

constexpr std::uint8_t kFirstSymbolCode = 62;
constexpr std::uint8_t kFirstFillerCode = 94;
constexpr std::uint8_t kFirstEndCode = 125;

}  // namespace

char TagCharacter(std::uint8_t code) {
    if (code < 10) return static_cast<char>('0' + code);
    if (code < 36) return static_cast<char>('A' + (code - 10));
    if (code < kFirstSymbolCode) return static_cast<char>('a' + (code - 36));
    if (code < kFirstFillerCode) return kTagSymbols[code - kFirstSymbolCode];
    if (code < kFirstEndCode) return ' ';
    return '\0';
}

std::uint8_t TagCode(char c) {
    if (c >= '0' && c <= '9') return static_cast<std::uint8_t>(c - '0');
    if (c >= 'A' && c <= 'Z') return static_cast<std::uint8_t>(10 + (c - 'A'));
    if (c >= 'a' && c <= 'z') return static_cast<std::uint8_t>(36 + (c - 'a'));
    const std::size_t i = kTagSymbols.find(c);
    return i == std::string_view::npos ? kTagBlankCode : static_cast<std::uint8_t>(kFirstSymbolCode + i);
}

bool IsTagCharacter(char c) { return c == ' ' || TagCode(c) != kTagBlankCode; }

std::string_view TableText(std::span<const std::string_view> table, std::uint32_t index) {
    return index < table.size() ? table[index] : std::string_view{};
}

std::uint32_t DcsIndexFromText(std::string_view text) {
    const std::int64_t number = LeadingInteger(text);
    for (std::uint32_t i = 0; i < DcsCodes.size(); ++i) {
        if (number <= LeadingInteger(DcsCodes[i])) return i;
    }
    return DcsCodes.size() - 1;
}

std::uint32_t CtcssIndexFromText(std::string_view text) {
    const double value = DecimalValue(text);
    for (std::uint32_t i = 0; i < kAscendingCtcssTones; ++i) {
        if (value <= DecimalValue(CtcssTones[i])) return i;
    }
    return kAscendingCtcssTones - 1;
}

}  // namespace tarn
