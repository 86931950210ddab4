#pragma once
// The changes between two images as lines of text, the same for the write preview and `tarn-cli diff`.
#include <string>

#include "diff/ImageDiff.h"

namespace tarn {

// "Channels:", "  MR GROUP 5: before → after" lines, "Settings:" and its lines, "N other bytes differ.";
// each line ends with "\n". Empty for an empty diff.
std::string DiffSummary(const ImageDiff& diff);

}  // namespace tarn
