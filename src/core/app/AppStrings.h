#pragma once
// String-table ids of the desktop program's main window and message boxes.
namespace tarn::app_strings {

inline constexpr int kMaintenanceTitle = 128;  // "TarnWin for Corvane (M)"
inline constexpr int kTitle = 135;             // "TarnWin for Corvane"
inline constexpr int kProgramTitle = 57344;    // "TarnWin", the title of every message box
inline constexpr int kIdleMessage = 57345;     // "F1 for Help   F2 for Mode Change ..."
// The status bar's lock key panes, shown while the key is on.
inline constexpr int kCapsLockPane = 59137;    // "CAP"
inline constexpr int kNumLockPane = 59138;     // "NUM"
inline constexpr int kScrollLockPane = 59139;  // "SCRL"

}  // namespace tarn::app_strings
