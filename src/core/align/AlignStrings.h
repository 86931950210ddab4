#pragma once
// String-table ids of the Alignment dialog. A value box's prompt is the text under the box's control
// id (2860 + item), the channel list's under 2890.
namespace tarn::align_strings {

inline constexpr int kCaption = 2850;              // "Alignment"
inline constexpr int kChangeChannelError = 2851;   // "Change Channel Error.\n"
inline constexpr int kSquelchOpenError = 2852;     // "Squelch Open Error.\n"
inline constexpr int kLoading = 2853;              // "Now Loading... Please wait."
inline constexpr int kInitializing = 2854;         // "Now Initializing... Please Wait."
inline constexpr int kMayStillTransmit = 2855;     // the unkey was not confirmed
inline constexpr int kCaution = 2856;              // "CAUTION!! ..."
inline constexpr int kFirstValueBox = 2860;        // control id of item 0's box
inline constexpr int kChannelList = 2890;

}  // namespace tarn::align_strings
