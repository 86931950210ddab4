#pragma once
// Every text a cell of each grid column can show, so that a front end can size the columns to fit
// whatever the channels hold.
#include <string>
#include <vector>

namespace tarn {

// The distinct texts of grid column `column` (0..14); empty for any other column.
const std::vector<std::string>& ColumnTexts(int column);

}  // namespace tarn
