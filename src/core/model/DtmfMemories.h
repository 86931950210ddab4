#pragma once
// The ten DTMF memories (bytes 3848..3927). No command edits them: a new image gets ten empty memories and
// otherwise the bytes are carried through.
#include <array>
#include <cstddef>
#include <string>

#include "model/CloneImage.h"

namespace tarn {

inline constexpr std::size_t kDtmfMemoriesOffset = 3848;
inline constexpr std::size_t kDtmfMemoryCount = 10;
inline constexpr std::size_t kDtmfMemorySize = 8;
inline constexpr std::size_t kDtmfMaxLength = 15;

struct DtmfMemories {
    // Each memory as text of the characters 0-9, A-D, '*' and '#'.
    std::array<std::string, kDtmfMemoryCount> Memories;

    void SetDefaults();
    void Decode(const CloneImage& image);
    // Writes every memory's count and character codes (at most 15; other characters are skipped).
    void Encode(CloneImage& image) const;
};

}  // namespace tarn
