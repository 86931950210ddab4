#pragma once
// What the settings page of the listing prints for each stored value. These are the listing's own texts:
// many carry trailing blanks so that a field keeps its width, and some differ from the editors' lists.
#include <array>
#include <string_view>

namespace tarn {

// The degree-Celsius sign; it stands for a double-width character and takes two columns.
inline constexpr std::string_view kCelsiusSign = "\u2103";

inline constexpr std::array<std::string_view, 2> kListingOffOn{"Off", "On "};
inline constexpr std::array<std::string_view, 2> kListingDisableEnable{"Disable", "Enable "};

// System Parameters.
inline constexpr std::array<std::string_view, 3> kListingVfoBand{"Air", "Exp", "FM Radio"};
inline constexpr std::array<std::string_view, 5> kListingCurrentMode{"VFO    ", "MR     ", "Book MR", "WX     ",
                                                                     "BRS    "};
inline constexpr std::array<std::string_view, 3> kListingHomeEmergencyMode{"Off      ", "HOME     ", "Emergency"};
inline constexpr std::array<std::string_view, 2> kListingSystemDisplayMode{"Frequency", "TAG      "};

// Display & Sound.
inline constexpr std::array<std::string_view, 3> kListingLampMode{"Off    ", "Continue", "Key on "};
inline constexpr std::array<std::string_view, 4> kListingDimmer{"LV1", "LV2", "LV3", "LV4"};
inline constexpr std::array<std::string_view, 4> kListingSMeterSymbol{"1-----9+", "1--5--9+(Type A)",
                                                                      "1--5--9+(Type B)", ">>>>    "};
inline constexpr std::array<std::string_view, 3> kListingDisplayMode{"Off       ", "Tempreture", "Voltage   "};
inline constexpr std::array<std::string_view, 2> kListingSpectrumWidth{"30 ch", "60 ch"};
inline constexpr std::array<std::string_view, 3> kListingBeep{"Off ", "On  ", "DTMF"};
inline constexpr std::array<std::string_view, 4> kListingPowerOnBeep{"Off ", "Mode1", "Mode2", "Mode3"};

// TX/RX.
inline constexpr std::array<std::string_view, 7> kListingRxSave{"Off  ", "ABS  ", "1 : 1", "1 : 2",
                                                                "1 : 3", "1 : 4", "1 : 5"};
inline constexpr std::array<std::string_view, 2> kListingScanStopResume{"Busy ", "5 Sec"};
inline constexpr std::array<std::string_view, 2> kListingDwPri{"DW ", "PRI"};
inline constexpr std::array<std::string_view, 6> kListingPriTime{"500 mS", "1 Sec  ", "1.5 Sec",
                                                                 "2 Sec  ", "2.5 Sec", "3 Sec  "};
inline constexpr std::array<std::string_view, 4> kListingTot{"Off", "1 Min", "3 Min", "5 Min"};

// Key Set. "PTT Key Dial Lock" holds a list position; each position names the lock that is set.
inline constexpr std::array<std::string_view, 7> kListingPttKeyDialLock{
    "PTT Lock", "Key Lock", "Dial Lock", "PTT + Key Lock", "PTT + Dial Lock", "Key + Dial Lock",
    "PTT + Key + Dial Lock"};
inline constexpr std::array<std::string_view, 2> kListingKey1215{"Emergency", "HOME     "};
inline constexpr std::array<std::string_view, 5> kListingUserKey{"None", "ANL ", "XFER", "SPEC Start", "Large Font"};

// Misc Setup.
inline constexpr std::array<std::string_view, 3> kListingEmergencyFunction{"LED Flash", "121.5    ", "Flash + 121.5"};
inline constexpr std::array<std::string_view, 4> kListingWeatherAlertFunction{"Off", "Beep", "LED Flash",
                                                                              "Beep + LED Flash"};
inline constexpr std::array<std::string_view, 2> kListingTemperatureUnit{"F ", kCelsiusSign};
inline constexpr std::array<std::string_view, 4> kListingApo{"Off ", "0.5h", "1h  ", "8h  "};

// VFO/HOME records: Clock Shift 0 is on, as in the grid and on the VFO pages.
inline constexpr std::array<std::string_view, 2> kListingClockShift{"On ", "Off"};

}  // namespace tarn
