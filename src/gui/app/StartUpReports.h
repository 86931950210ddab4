#pragma once
// What the tools around the program ask of a start: a picture of the window (--screenshot, used by
// scripts/run without a display) and the start-up time and memory (--quit-when-shown, used by
// bench/startup). Neither is part of a normal start.
#include "app/StartOptions.h"

namespace tarn::gui {

class MainWindow;

// Schedules the reports `options` ask for, to run once `window` is shown; each quits the program.
void ScheduleStartUpReports(MainWindow& window, const StartOptions& options);

}  // namespace tarn::gui
