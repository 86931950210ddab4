#pragma once
// The program's start, in order: one copy only, the configuration file, the maintenance password, the
// default printer, the document, the main window, the clone port.
#include <QApplication>
#include <optional>
#include <string>

namespace tarn::gui {

struct AppContext;

// Runs the program until its main window closes; returns the exit status.
int RunTarn(QApplication& application);

// The first document: the file named on the command line, by its absolute path and added to the recent
// files as File > Open does, or else a new document. False when the file could not be opened (told).
bool OpenStartDocument(AppContext& app, const std::optional<std::string>& fileToOpen);

}  // namespace tarn::gui
