#pragma once
// The two directions of the model: image -> model objects, and model objects -> image with its checksum.
#include "model/DocumentContent.h"

namespace tarn {

// System Parameters, then the channel table. Erased channel records are rewritten in the image.
void DecodeImage(DocumentContent& content);
// Clears the channel records, encodes the channel table and the System Parameters, and stores the
// checksum of the adjustment block in bytes 2..3.
void EncodeImage(DocumentContent& content);

}  // namespace tarn
