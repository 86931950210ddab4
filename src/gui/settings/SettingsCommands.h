#pragma once
// The main window's Setting commands: each runs its editor modally; the editor writes what it changes.
class QWidget;

namespace tarn {
class Document;
}

namespace tarn::gui {

// System: the System Parameters dialog.
void RunSystemCommand(Document& document, bool maintenanceMode, QWidget* parent);
// Common: the "Common" sheet with its four pages.
void RunCommonCommand(Document& document, QWidget* parent);
// VFO & HOME: the "VFO & HOME" sheet with the VFO and HOME records.
void RunVfoHomeCommand(Document& document, QWidget* parent);

}  // namespace tarn::gui
