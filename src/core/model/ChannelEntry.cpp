#include "model/ChannelEntry.h"

namespace tarn {

void SetTag(ChannelEntry& entry, std::string_view text) {
    entry.Tag.fill('\0');
    for (std::size_t i = 0; i < kTagLength && i < text.size(); ++i) entry.Tag[i] = text[i];
}

}  // namespace tarn
