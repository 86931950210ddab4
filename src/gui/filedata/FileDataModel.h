#pragma once
// The File Data grid's model: the editor's byte cells, with the byte offsets as column captions and
// each row's address as its row caption.
#include <QAbstractTableModel>

namespace tarn {
class FileDataEditor;
}

namespace tarn::gui {

class FileDataModel : public QAbstractTableModel {
    Q_OBJECT
public:
    FileDataModel(const FileDataEditor& editor, QObject* parent);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // Redraws one cell from the working copy.
    void Redraw(const QModelIndex& index) { emit dataChanged(index, index); }

private:
    const FileDataEditor& editor_;
};

}  // namespace tarn::gui
