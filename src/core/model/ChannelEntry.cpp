#include "model/ChannelEntry.h"

namespace tarn {

void SetTag(ChannelEntry& entry, std::string_view text) {
    entry.Tag.fill('\0');
    for (std::size_t i = 0; i < kTagLength && i < text.size(); ++i) entry.Tag[i] = text[i];
}

std::string_view TagView(const ChannelEntry& entry) {
    const std::string_view tag(entry.Tag.data(), kTagLength);
    return tag.substr(0, tag.find('\0'));
}

}  // namespace tarn
