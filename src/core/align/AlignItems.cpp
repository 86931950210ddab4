#include "align/AlignItems.h"

#include <algorithm>
#include <cctype>

namespace tarn {
namespace {

constexpr AlignField Byte(int imageByte) { return {static_cast<std::uint8_t>(imageByte), AlignBits::Byte}; }
constexpr AlignField Low(int imageByte) { return {static_cast<std::uint8_t>(imageByte), AlignBits::LowNibble}; }

using L = AlignLive;
using A = AlignAction;

AlignItem Item(std::string_view label, std::optional<AlignField> field, L live, A action, int max = 255) {
    return {label, field, std::nullopt, field.has_value(), 0, max, live, action, 0};
}

AlignItem Capture(std::string_view label, AlignField field, std::optional<AlignField> wfmField, int measurementByte) {
    return {label, field, wfmField, true, 0, 255, L::None, A::Capture, measurementByte};
}

// A value only carried through the image: no box to type into, no ADJ button.
AlignItem Carried(std::string_view label, AlignField field) {
    return {label, field, std::nullopt, false, 0, 255, L::None, A::None, 0};
}

}  // namespace

int AlignField::Read(std::uint8_t byte) const {
    switch (bits) {
        case AlignBits::Byte: return byte;
        case AlignBits::LowNibble: return byte & 0x0F;
        case AlignBits::HighNibble: return byte >> 4;
        case AlignBits::SignedByte: return static_cast<std::int8_t>(byte);
    }
    return byte;
}

std::uint8_t AlignField::Write(std::uint8_t byte, int value) const {
    switch (bits) {
        case AlignBits::Byte:
        case AlignBits::SignedByte: return static_cast<std::uint8_t>(value);
        case AlignBits::LowNibble: return static_cast<std::uint8_t>((byte & 0xF0) | (value & 0x0F));
        case AlignBits::HighNibble: return static_cast<std::uint8_t>((byte & 0x0F) | (value & 0x0F) << 4);
    }
    return byte;
}

const std::array<AlignItem, kAlignItemCount> kAlignItems{
        Capture("Threshold Squelch Lv.", Byte(64), Byte(66), 3),
        Capture("Tight Squelch Lv.", Byte(65), Byte(67), 3),
        {"Squelch Hyst. Lv.", Low(68), AlignField{68, AlignBits::HighNibble}, true, 0, 15, L::None, A::None, 0},
        Capture("S1 Lv.", Byte(69), Byte(71), 0),
        Capture("S Max Lv.", Byte(70), Byte(72), 0),
        Item("Reference Tune Lv.", Byte(83), L::ReferenceTune, A::ReferenceTune),
        Capture("VSTR Lv.", Byte(84), std::nullopt, 0),
        Item("VSTR Hyst. Lv.", Low(85), L::None, A::None, 15),
        Item("VOR Angle", std::nullopt, L::None, A::VorAngle),
        Item("High Power Transmission Lv.", Byte(73), L::Level, A::TransmitTest),
        Item("Low Power Transmission Lv.", Byte(74), L::Level, A::TransmitTest),
        Item("High Power Mod Level", Byte(80), L::ModulationAm, A::AmModulation),
        Item("Low Power Mod Level", Byte(81), L::ModulationAm, A::AmModulation),
        Item("High Power Transmission Lv.", Byte(75), L::Level, A::TransmitTest),
        Item("Low1 Power Transmission Lv.", Byte(76), L::Level, A::TransmitTest),
        Carried("Low2 Power Transmission Lv.", Byte(77)),
        Carried("Low3 Power Transmission Lv.", Byte(78)),
        Item("Mod Level", Byte(79), L::ModulationFm, A::FmModulation),
        Item("Mod Level(Narrow)", Byte(88), L::ModulationFm, A::FmModulation),
        Item("CTCSS Level", Byte(82), L::ModulationCtcss, A::CtcssTest),
        Item("CTCSS Level(Narrow)", Byte(89), L::ModulationCtcss, A::CtcssTest),
        Item("DCS Level Check", std::nullopt, L::None, A::DcsTest),
        {"VOR Phase Adjustment", AlignField{86, AlignBits::SignedByte}, std::nullopt, true, -15, 15, L::None, A::None, 0},
        {"S-Meter Lv.", std::nullopt, std::nullopt, false, 0, 255, L::None, A::SMeter, 5},
};

int ParseAlignValue(int item, std::string_view text) {
    std::size_t i = 0;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = std::min(value * 10 + (text[i] - '0'), 100000L);
    }
    if (negative) value = -value;
    const AlignItem& it = kAlignItems[static_cast<std::size_t>(item)];
    return static_cast<int>(std::clamp<long>(value, it.min, it.max));
}

int VorAngleDegrees(std::uint16_t raw) { return raw / 57 + (raw % 57 > 28 ? 1 : 0); }

}  // namespace tarn
