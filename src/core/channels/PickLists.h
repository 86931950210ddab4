#pragma once
// What the tone and step list dialogs show and what their OK takes.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace tarn {

struct PickList {
    std::string_view caption;
    std::vector<std::string_view> items;
    std::optional<int> selected;  // the row selected on opening; none when the value is not listed
};

// Tone type 1: "CTCSS Frequency" with the 39 ascending tones; any other type: "DCS Frequency" with all
// 106 codes. A tone from the further tones (39..49) or an index read outside the tables is not listed.
PickList TonePickList(std::uint32_t toneType, std::uint32_t index);
// Column 10: "STEP" with the eight step names; any other column: an empty list without a caption.
PickList StepPickList(int column, std::uint32_t step);

// The index OK stores for the selected row (none selected: -1). With nothing selected the tone list
// keeps the channel's own tone, so OK never stores an index the user did not choose.
std::optional<std::uint32_t> ToneChosenOnOk(int selectedRow);
// The step list stores 0 when nothing is selected.
std::uint32_t StepChosenOnOk(int selectedRow);

}  // namespace tarn
