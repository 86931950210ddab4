#pragma once
// The names of the eleven optional grid columns: as check boxes of the Visible dialog and as entries
// of the View > Item menu (index i is ItemVisible[i]).
#include <array>
#include <string_view>

namespace tarn {

inline constexpr std::array<std::string_view, 11> kVisibleDialogTexts{
    "&Mode", "&Wide", "&TAG", "&Frequency", "S&ub Audio", "TX &Power", "&STEP", "&Clock Shift",
    "TA&G(Alphanumeric)", "Sca&n", "RPT Shi&ft"};

inline constexpr std::array<std::string_view, 11> kItemMenuTexts{
    "Mode", "Wide", "TAG", "Frequency", "Sub Audio", "TX Power", "STEP", "Clock Shift",
    "TAG(Alfanumeric)", "SCAN", "RPT Shift"};

}  // namespace tarn
