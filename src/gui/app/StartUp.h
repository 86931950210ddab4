#pragma once
// The program's start, in order: one copy only, the configuration file, the maintenance password, the
// default printer, the document, the main window, the clone port.
#include <QApplication>

namespace tarn::gui {

// Runs the program until its main window closes; returns the exit status.
int RunTarn(QApplication& application);

}  // namespace tarn::gui
