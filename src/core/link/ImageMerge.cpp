#include "link/ImageMerge.h"

#include <algorithm>

#include "model/ImageChecksum.h"

namespace tarn {
namespace {

constexpr std::size_t kModelIdEnd = kModelIdOffset + 2;
constexpr std::size_t kAdjustmentEnd = kAdjustmentBlockOffset + kAdjustmentBlockSize;  // 114
constexpr std::size_t kIdentityEnd = kIdentityOffset + kIdentitySize;                  // 3940

void TakeProgram(CloneImage& radio, const CloneImage& program, std::size_t from, std::size_t to) {
    std::copy(program.begin() + from, program.begin() + to, radio.begin() + from);
}

}  // namespace

bool HasRadioModelId(const CloneImage& image) {
    return image[kModelIdOffset] == 0x00 && image[kModelIdOffset + 1] == 0x02;
}

bool HardwareBitsMatch(const CloneImage& radio, const CloneImage& program) {
    return (radio[kHardwareConfigOffset] & 0x0F) == (program[kHardwareConfigOffset] & 0x0F);
}

void MergeProgramRegions(CloneImage& radio, const CloneImage& program, bool maintenance) {
    TakeProgram(radio, program, kModelIdEnd, kAlignmentBlockOffset);  // 6..63
    if (maintenance) TakeProgram(radio, program, kAdjustmentBlockOffset, kAdjustmentEnd);
    TakeProgram(radio, program, kAdjustmentEnd, kIdentityOffset);  // 114..3927
    if (maintenance) TakeProgram(radio, program, kIdentityOffset, kIdentityEnd);
    StoreAdjustmentChecksum(radio);
}

}  // namespace tarn
