#pragma once
// A settings field stored as a bit field of one image byte, and the defaults/decode/encode of a page of
// such fields.
#include <cstddef>
#include <cstdint>
#include <span>

#include "model/CloneImage.h"

namespace tarn {

template <class Page>
struct SettingsField {
    std::size_t byte;
    unsigned shift;  // lowest bit of the field
    unsigned width;  // bits
    std::uint32_t Page::*member;
    std::uint32_t defaultValue;
};

inline std::uint32_t ReadBits(const CloneImage& image, std::size_t byte, unsigned shift, unsigned width) {
    return (image[byte] >> shift) & ((1u << width) - 1u);
}

// Clears the field's bits and stores `value` in them; bits outside the field never change, so a value
// wider than its field cannot spill into a neighbouring setting.
inline void WriteBits(CloneImage& image, std::size_t byte, unsigned shift, unsigned width, std::uint32_t value) {
    const unsigned mask = ((1u << width) - 1u) << shift;
    image[byte] = static_cast<std::uint8_t>((image[byte] & ~mask) | ((value << shift) & mask));
}

template <class Page>
void SetFieldDefaults(Page& page, std::span<const SettingsField<Page>> fields) {
    for (const auto& f : fields) page.*f.member = f.defaultValue;
}

template <class Page>
void DecodeFields(Page& page, const CloneImage& image, std::span<const SettingsField<Page>> fields) {
    for (const auto& f : fields) page.*f.member = ReadBits(image, f.byte, f.shift, f.width);
}

template <class Page>
void EncodeFields(const Page& page, CloneImage& image, std::span<const SettingsField<Page>> fields) {
    for (const auto& f : fields) WriteBits(image, f.byte, f.shift, f.width, page.*f.member);
}

}  // namespace tarn
