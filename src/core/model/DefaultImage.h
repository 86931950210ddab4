#pragma once
// The built-in default image.
#include "model/CloneImage.h"
#include "model/DocumentContent.h"

namespace tarn {

// The header bytes of a new image: bytes 32, 39, 44..61, 116, the alignment and the adjustment block.
void FillDefaultHeader(CloneImage& image);
// A zeroed image with the default header, every settings object's defaults, ten empty DTMF memories and
// the default channel table; the trailer becomes eight zero bytes. The checksum is stored by the next
// EncodeImage.
void FillDefaultImage(DocumentContent& content);

}  // namespace tarn
