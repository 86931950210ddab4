#pragma once
// What writing one image over another changes, as the user sees it: the channels whose grid row differs,
// the settings whose dialog shows another value, and how many other bytes differ.
#include <cstddef>
#include <string>
#include <vector>

#include "model/CloneImage.h"

namespace tarn {

struct ValueChange {
    std::string name;  // "MR GROUP 5" for a channel, the dialog label for a setting
    std::string before;
    std::string after;
    bool operator==(const ValueChange&) const = default;
};

struct ImageDiff {
    std::vector<ValueChange> channels;  // in slot order
    std::vector<ValueChange> settings;  // in dialog order
    std::size_t otherBytes = 0;         // differing bytes that change no channel row and no setting shown

    bool Empty() const { return channels.empty() && settings.empty() && otherBytes == 0; }
};

ImageDiff CompareImages(const CloneImage& before, const CloneImage& after);

}  // namespace tarn
