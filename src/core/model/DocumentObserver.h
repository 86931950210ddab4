#pragma once
// What a front end is told by the document.
#include <string>

namespace tarn {

class DocumentObserver {
public:
    virtual ~DocumentObserver() = default;
    // The image and the model objects were replaced or saved: redraw everything shown from them.
    virtual void RefreshAllViews() {}
    // The title (always the current file path) may have changed.
    virtual void TitleChanged(const std::string& title) { (void)title; }
    // A document was loaded: choose the active command-enabling table (normal or maintenance mode).
    virtual void ChooseCommandTable() {}
    // A change was recorded, undone or redone, or the history was cleared: Undo and Redo may have changed.
    virtual void HistoryChanged() {}
    // A file was opened (File > Open, a recent-file entry) or saved under a new name (Save As).
    virtual void AddRecentFile(const std::string& path) { (void)path; }
};

}  // namespace tarn
