#pragma once
// The image and the dialogs pad texts with blanks to a fixed width ("88.5 ", "MR     "); where a text is
// compared with what the user typed, or written out for other programs, the padding must go.
#include <string_view>

namespace tarn {

// `text` without its leading and trailing blanks; empty when it holds nothing else. Views into `text`.
std::string_view Unpadded(std::string_view text);

}  // namespace tarn
