#pragma once
// String-table ids of the desktop program's main window.
namespace tarn::app_strings {

inline constexpr int kMaintenanceTitle = 128;  // "TarnWin for Corvane (M)"
inline constexpr int kTitle = 135;             // "TarnWin for Corvane"
inline constexpr int kIdleMessage = 57345;     // "F1 for Help   F2 for Mode Change ..."

}  // namespace tarn::app_strings
