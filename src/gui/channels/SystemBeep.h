#pragma once
// The system's default beep, the grid's only answer to a refused edit.
namespace tarn::gui {

// Sounds the beep `times` times.
void SystemBeep(int times = 1);
// How many beeps sounded since the program started (the tests listen for them).
int SystemBeepCount();

}  // namespace tarn::gui
