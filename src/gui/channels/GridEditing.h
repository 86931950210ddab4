#pragma once
// The keys and mouse actions aimed at the channel grid that edit a channel: Enter and typed characters
// open the in-cell edit box, Space and double clicks step a cell, F3 inverts a DCS code, and presses on
// the header rows are kept from the grid. Every refusal sounds the system beep. With several rows
// selected, Space and F3 act on each of their channels; Ctrl+Space adds or takes out the current cell,
// Shift+Space selects the rows whole.
#include <QObject>

#include "ui/ChannelPicker.h"

class QKeyEvent;
class QMouseEvent;
class QTableView;

namespace tarn {
class Document;
}

namespace tarn::gui {

class ChannelTableModel;
class ChannelSelection;
class InCellEditor;

class GridEditing : public QObject, public ChannelPicker {
    Q_OBJECT
public:
    GridEditing(Document& document, QTableView* grid, ChannelTableModel* model, InCellEditor* editor,
                ChannelSelection* selection);

    // ChannelPicker: the tone and step list dialogs, over the grid.
    std::optional<std::uint32_t> PickTone(std::uint32_t toneType, std::uint32_t index, int column) override;
    std::optional<std::uint32_t> PickStep(int column, std::uint32_t step) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Each returns whether the event must not reach the grid.
    bool KeyPress(QKeyEvent* event);
    bool DoubleClick(QMouseEvent* event);
    bool Space(int column);
    void ComplementDcsCodes(int column);
    void Redraw(int column);

    Document& document_;
    QTableView* grid_;
    ChannelTableModel* model_;
    InCellEditor* editor_;
    ChannelSelection* selection_;
};

}  // namespace tarn::gui
