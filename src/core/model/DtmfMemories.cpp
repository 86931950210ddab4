#include "model/DtmfMemories.h"

#include <string_view>

namespace tarn {
namespace {

constexpr std::string_view kDtmfCharacters = "0123456789ABCD*#";

std::uint8_t Nibble(const std::uint8_t* memory, std::size_t index) {
    // Nibble 0 is the count; character k (0-based) is nibble k + 1.
    const std::uint8_t byte = memory[index / 2];
    return index % 2 == 0 ? byte >> 4 : byte & 0x0F;
}

void SetNibble(std::uint8_t* memory, std::size_t index, std::uint8_t value) {
    std::uint8_t& byte = memory[index / 2];
    byte = index % 2 == 0 ? static_cast<std::uint8_t>((byte & 0x0F) | value << 4)
                          : static_cast<std::uint8_t>((byte & 0xF0) | value);
}

}  // namespace

void DtmfMemories::SetDefaults() {
    for (auto& m : Memories) m.clear();
}

void DtmfMemories::Decode(const CloneImage& image) {
    for (std::size_t k = 0; k < kDtmfMemoryCount; ++k) {
        const std::uint8_t* memory = image.data() + kDtmfMemoriesOffset + k * kDtmfMemorySize;
        const std::size_t count = Nibble(memory, 0);
        Memories[k].clear();
        for (std::size_t i = 0; i < count; ++i) Memories[k].push_back(kDtmfCharacters[Nibble(memory, i + 1)]);
    }
}

void DtmfMemories::Encode(CloneImage& image) const {
    for (std::size_t k = 0; k < kDtmfMemoryCount; ++k) {
        std::uint8_t* memory = image.data() + kDtmfMemoriesOffset + k * kDtmfMemorySize;
        std::size_t count = 0;
        for (char c : Memories[k]) {
            const std::size_t code = kDtmfCharacters.find(c);
            if (code == std::string_view::npos || count == kDtmfMaxLength) continue;
            SetNibble(memory, count + 1, static_cast<std::uint8_t>(code));
            ++count;
        }
        SetNibble(memory, 0, static_cast<std::uint8_t>(count));
    }
}

}  // namespace tarn
