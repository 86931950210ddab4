#pragma once
// CFilterEdit: an edit box that drops the typed characters its filter kind does not take. Used for the
// grid's in-cell edit box and the raw byte editor.
#include <QLineEdit>

class QModelIndex;
class QTableView;

namespace tarn::gui {

class CFilterEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CFilterEdit(QWidget* parent = nullptr);

    void SetFilterKind(int kind) { filterKind_ = kind; }
    // Pastes the clipboard's text through the filter, as if it were typed; text holding a character no
    // field can hold is refused whole with the beep.
    void PasteFiltered();

    // As the floating edit of a grid: shown over `cell`, given `text` and the focus with the caret at the
    // end, and hidden again with the focus back on `grid` where the box had it.
    void ShowOver(const QTableView& grid, const QModelIndex& cell, const QString& text);
    void HideInto(QWidget& grid);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int filterKind_ = 0;
};

}  // namespace tarn::gui
