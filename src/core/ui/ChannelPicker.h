#pragma once
// The list dialogs the grid opens to choose a tone, a DCS code or a step. Each returns the chosen index,
// or nothing when the user cancelled (or confirmed without choosing): the old value is then kept.
#include <cstdint>
#include <optional>

namespace tarn {

class ChannelPicker {
public:
    virtual ~ChannelPicker() = default;
    // `toneType` 1 picks a CTCSS tone index, any other value a DCS code index; `column` selects the help.
    virtual std::optional<std::uint32_t> PickTone(std::uint32_t toneType, std::uint32_t index, int column) = 0;
    virtual std::optional<std::uint32_t> PickStep(int column, std::uint32_t step) = 0;
};

}  // namespace tarn
