#pragma once
// One row of a channel list stored into a channel through the grid's own rules, so that an imported
// channel is always one the grid could make. What the radio cannot hold exactly is adapted and noted.
#include <string>
#include <vector>

#include "csv/ChannelCsvColumns.h"
#include "model/FrequencyRules.h"

namespace tarn {

struct CsvRowResult {
    bool skipped = false;            // the row gives no channel; `notes` holds the one reason
    std::vector<std::string> notes;  // what was adapted, or why the row was skipped
};

// Stores `row` into `entry`, a cleared channel in use: the TAG, the receive frequency (band, step and rounding),
// the repeater shift, the tone, the width, the scan flag and the power. A row whose frequency is missing
// or outside the bands the settings enable is skipped, and `entry` is then not to be used.
CsvRowResult StoreCsvRow(ChannelEntry& entry, const CsvColumns& columns, const CsvRecord& row,
                         const BandContext& bands);

// A text from the file as a report line may show it: control characters become blanks.
std::string ShownText(std::string_view text);

}  // namespace tarn
