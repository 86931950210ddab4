#pragma once
// The command line's name of a setting: its label in lower case, each run of blanks and punctuation one "_",
// none at either end ("HOME/Emergency Mode" -> "home_emergency_mode", "[121.5] Key" -> "121_5_key").
#include <string>
#include <string_view>

namespace tarn {

std::string SettingName(std::string_view label);

}  // namespace tarn
