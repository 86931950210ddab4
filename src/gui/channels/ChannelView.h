#pragma once
// The main window's view: the header panel (serial number, model, port, firmware, printer), the name
// of the channel group shown, and the channel grid of that group, where any cells of the group may be
// selected (with Shift and Ctrl, by mouse and by keyboard).
#include <QWidget>
#include <memory>

class QLabel;
class QMenu;
class QTableView;

namespace tarn::gui {

struct AppContext;
class ChannelSelection;
class ChannelTableModel;
class GridClipboard;
class InCellEditor;

class ChannelView : public QWidget {
    Q_OBJECT
public:
    explicit ChannelView(AppContext& app, QWidget* parent = nullptr);
    ~ChannelView() override;

    // Rebuilds the grid and the header panel from the model, starting again at the group's first channel.
    void Refresh();
    // Writes the five header panel values.
    void FillHeaderPanel();
    // View > Item: shows or hides the columns of visibility flag `item` at once.
    void ToggleItem(int item);
    // Redraws the cells of grid row `row` that a change through `column` can alter.
    void RedrawAfterChange(int row, int column);
    // Makes the cell current and the only one selected, whatever modifier keys are held.
    void GoToCell(int row, int column);

    // Ends an open in-cell edit, storing its text; called before anything reads or replaces the channels.
    void CommitEdit();
    // Edit > Copy and Edit > Paste for the grid or its edit box; false when neither has the focus.
    bool Copy();
    bool Paste();
    InCellEditor* Editor() const { return editor_; }

    int CurrentColumn() const;
    QTableView* Grid() const { return grid_; }
    ChannelTableModel* Model() const { return model_; }
    ChannelSelection* Selection() const { return selection_; }
    // The menu a right click in the grid shows (the main window's Edit menu).
    void SetContextMenu(QMenu* menu) { contextMenu_ = menu; }

    QString GroupLabel() const;
    QString HeaderValue(int index) const;  // 0 serial, 1 model, 2 port, 3 firmware, 4 printer

signals:
    // Shift+F9 in maintenance mode: the raw image editor is asked for.
    void FileDataRequested();
    // Refresh showed a group (perhaps another one): the commands that depend on it are enabled anew.
    void GroupShown();
    // A text for the status bar (what a fill over several channels did).
    void StatusMessage(const QString& text);

private:
    void ApplyColumnWidths();
    void NextGroup();

    AppContext& app_;
    ChannelTableModel* model_;
    QTableView* grid_;
    QLabel* groupLabel_;
    QLabel* values_[5];
    QMenu* contextMenu_ = nullptr;
    ChannelSelection* selection_;
    InCellEditor* editor_;
    std::unique_ptr<GridClipboard> clipboard_;
};

}  // namespace tarn::gui
