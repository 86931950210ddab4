#pragma once
// Storing the text typed (or pasted) into a channel's cell.
#include <cstddef>
#include <string_view>

#include "channels/EditResult.h"
#include "model/Document.h"

namespace tarn {

// Validates `text` for `column` of the channel in `slot` and stores it: the TAG (columns 3), the receive
// frequency with its band change (4), the Split transmit frequency (5), the repeater offset (6) or the
// tone or code (8). Values out of range are clamped and rounded, never refused; a transmit frequency
// without Split, an offset without minus or plus and a tone without a tone type are refused with a beep.
// Sets the document's Modified flag unless it refuses.
EditResult StoreCellText(Document& document, std::size_t slot, int column, std::string_view text);

// A frequency typed as MHz text, as the model holds it: converted to Hz on the 10 Hz grid, so that a
// typed value equals the same value read from the image (162.55 matches a weather channel). Absurd
// values are clamped to the 32-bit range before they become integers.
std::int32_t TypedFrequencyHz(std::string_view text);

}  // namespace tarn
