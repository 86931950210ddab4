#pragma once
// The rules that join the radio's image and the program's before a write.
#include "model/CloneImage.h"

namespace tarn {

// Bytes 4..5 of an image read from the radio are 00 02.
bool HasRadioModelId(const CloneImage& image);

// The low four bits of byte 7 (the radio's hardware configuration) agree.
bool HardwareBitsMatch(const CloneImage& radio, const CloneImage& program);

// Lays the program's regions over the radio's image in `radio` and stores the checksum of the merged
// adjustment block. The radio keeps its firmware bytes 0..1, its model id 4..5, its alignment block
// 64..89 and the bytes from 3940 on; its adjustment block 90..113 and identity 3928..3939 too unless
// `maintenance`.
void MergeProgramRegions(CloneImage& radio, const CloneImage& program, bool maintenance);

}  // namespace tarn
