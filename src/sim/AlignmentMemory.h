#pragma once
// The virtual radio's alignment memory: the words 0x20..0x2C, word A holding the radio's memory bytes 2A
// and 2A + 1. Written words go into the radio's memory, so a later read of the radio shows them.
#include <cstdint>
#include <optional>

#include "model/CloneImage.h"

namespace tarn::sim {

class AlignmentMemory {
public:
    static constexpr std::uint16_t kFirstWord = 0x20;
    static constexpr std::uint16_t kLastWord = 0x2C;

    explicit AlignmentMemory(CloneImage& memory) : memory_(memory) {}

    // Nothing for a word outside the alignment block.
    std::optional<std::array<std::uint8_t, 2>> Read(std::uint16_t address) const;
    bool Write(std::uint16_t address, std::uint8_t byte0, std::uint8_t byte1);

private:
    CloneImage& memory_;
};

}  // namespace tarn::sim
