#include "AlignmentMemory.h"

namespace tarn::sim {

std::optional<std::array<std::uint8_t, 2>> AlignmentMemory::Read(std::uint16_t address) const {
    if (address < kFirstWord || address > kLastWord) return std::nullopt;
    return std::array<std::uint8_t, 2>{memory_[address * 2u], memory_[address * 2u + 1]};
}

bool AlignmentMemory::Write(std::uint16_t address, std::uint8_t byte0, std::uint8_t byte1) {
    if (address < kFirstWord || address > kLastWord) return false;
    memory_[address * 2u] = byte0;
    memory_[address * 2u + 1] = byte1;
    return true;
}

}  // namespace tarn::sim
