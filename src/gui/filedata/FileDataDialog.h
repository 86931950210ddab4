#pragma once
// "File Data": the raw image editor of maintenance mode. OK, by the OK button only, takes the edited
// bytes over into the document; Escape or the close box throws them away.
#include <QDialog>

#include "filedata/FileDataEditor.h"

class QPushButton;
class QTableView;

namespace tarn::gui {

class FileDataModel;
class HexCellEditor;

class FileDataDialog : public QDialog {
    Q_OBJECT
public:
    // Encodes the document's model into its image and shows a working copy of it.
    FileDataDialog(Document& document, QWidget* parent = nullptr);
    ~FileDataDialog() override;

    QTableView* Grid() const { return grid_; }
    HexCellEditor* CellEditor() const { return cellEditor_; }
    QPushButton* OkButton() const { return ok_; }

protected:
    // Enter closes nothing: it opens or ends a byte's edit, and presses OK only on the OK button.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void SizeColumns();
    void Ok();

    FileDataEditor editor_;
    FileDataModel* model_;
    QTableView* grid_;
    HexCellEditor* cellEditor_;
    QPushButton* ok_;
};

// Shift+F9 in maintenance mode: the dialog, run modally.
void RunFileDataCommand(Document& document, QWidget* parent);

}  // namespace tarn::gui
