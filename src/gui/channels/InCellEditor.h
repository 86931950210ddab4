#pragma once
// The grid's in-cell edit box: opened over the current cell by Enter, a typed character or a double
// click, filtered for the cell's kind, and committed into the cell where the edit began when it loses
// the focus. Escape puts the cell's own text back, so that nothing changes. With several rows selected
// when the edit began, a changed text is stored into each of their channels.
#include <QObject>
#include <QString>
#include <cstddef>
#include <vector>

#include "channels/CellEditBox.h"

class QTableView;

namespace tarn {
class Document;
}

namespace tarn::gui {

class CFilterEdit;
class ChannelTableModel;
class ChannelSelection;

class InCellEditor : public QObject {
    Q_OBJECT
public:
    InCellEditor(Document& document, QTableView* grid, ChannelTableModel* model, ChannelSelection* selection);

    // Opens the box on the grid's current cell with `text`: all of it selected, or with the caret after
    // it when `caretAfter`. Nothing opens (perhaps with a beep) where the cell cannot be typed into.
    bool Begin(EditKind kind, const QString& text, bool caretAfter);
    // Stores the box's text into its cell and hides the box; nothing when no edit is open.
    void Commit();
    CFilterEdit* Box() const { return box_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString CellText() const;
    void EndToGrid();

    Document& document_;
    QTableView* grid_;
    ChannelTableModel* model_;
    ChannelSelection* selection_;
    CFilterEdit* box_;
    bool editing_ = false;
    std::size_t slot_ = 0;  // the cell the edit began on
    int column_ = 0;
    std::vector<std::size_t> selectedSlots_;  // the selection when the edit began
};

}  // namespace tarn::gui
