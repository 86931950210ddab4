#include "align/AlignEnabling.h"

#include <initializer_list>

namespace tarn {
namespace {

AlignEnable OnIf(bool on) { return on ? AlignEnable::On : AlignEnable::Off; }

}  // namespace

std::array<AlignItemEnabling, kAlignItemCount> BandEnabling(const ChannelEntry& channel) {
    std::array<AlignItemEnabling, kAlignItemCount> enabling{};
    const auto set = [&enabling](std::initializer_list<int> items, bool on) {
        for (int i : items) enabling[static_cast<std::size_t>(i)] = {OnIf(on), OnIf(on)};
    };
    const bool ctcss = channel.ToneType == kToneCtcss;
    switch (channel.Mode) {
        case kBandAm:
            set({9, 10, 11, 12}, true);
            set({13, 14, 17, 18, 19, 20, 21}, false);
            break;
        case kBandExp:
        case kBandBrs: {
            set({9, 10, 11, 12}, false);
            set({13, 14}, true);
            const bool narrow = channel.Narrow != 0;
            set({17}, !narrow);
            set({18}, narrow);
            set({19}, !narrow && ctcss);
            set({20}, narrow && ctcss);
            set({21}, channel.ToneType == kToneDcs);
            break;
        }
        case kBandWfm: set({9, 10, 11, 12, 13, 14, 17, 18, 19, 20, 21}, false); break;
        default: break;
    }
    return enabling;
}

}  // namespace tarn
