#pragma once
// Copy and Paste of the channel grid through the system clipboard. In the grid, Copy puts the selected
// cells' texts on the clipboard (the slot number on the channel-number column) and Paste takes the
// clipboard's text into the current cell, or into each selected row's cell of the current column when
// several rows are selected; in the in-cell edit box both act on the box's own text.
#include <functional>

class QLineEdit;
class QModelIndex;
class QTableView;

namespace tarn {
class Document;
class Prompter;
}  // namespace tarn

namespace tarn::gui {

class ChannelTableModel;
class ChannelSelection;
class InCellEditor;

class GridClipboard {
public:
    GridClipboard(Document& document, Prompter& prompter, QTableView* grid, ChannelTableModel* model,
                  InCellEditor* editor, ChannelSelection* selection);

    // Each returns false when neither the grid nor the edit box has the focus (nothing was done).
    bool Copy();
    bool Paste();

private:
    // Runs the action for the edit box or for the grid's current cell, whichever has the focus.
    bool Route(const std::function<void(QLineEdit&)>& inBox, const std::function<void(const QModelIndex&)>& inGrid);

    Document& document_;
    Prompter& prompter_;
    QTableView* grid_;
    ChannelTableModel* model_;
    InCellEditor* editor_;
    ChannelSelection* selection_;
};

}  // namespace tarn::gui
