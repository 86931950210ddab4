#pragma once
// The File Data grid's floating two-character edit box: Enter or a double click on a byte opens it with
// the byte's text, a typed hexadecimal digit opens it with that digit. Enter in the box ends the edit,
// Escape puts the byte's text back first; the box's text is stored when it loses the focus. A refused
// cell (the trailer) only beeps.
#include <QModelIndex>
#include <QObject>

class QKeyEvent;
class QTableView;

namespace tarn {
class FileDataEditor;
}

namespace tarn::gui {

class CFilterEdit;
class FileDataModel;

class HexCellEditor : public QObject {
    Q_OBJECT
public:
    HexCellEditor(FileDataEditor& editor, FileDataModel* model, QTableView* grid);

    // Opens the box over the grid's current cell with `text`, the caret after it.
    bool Begin(const QString& text);
    // Stores the box's text into its cell and hides the box; nothing when no edit is open.
    void Commit();
    CFilterEdit* Box() const { return box_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool GridKey(QKeyEvent* event);
    bool BoxKey(QKeyEvent* event);
    void EndToGrid();

    FileDataEditor& editor_;
    FileDataModel* model_;
    QTableView* grid_;
    CFilterEdit* box_;
    QModelIndex cell_;  // the cell the open edit stores into; invalid when none is open
};

}  // namespace tarn::gui
