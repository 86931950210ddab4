#pragma once
// The grid's column header: two rows, the lower one with each column's caption, the upper one with
// captions shared by neighbouring columns drawn once across them ("Frequency", "SUB AUDIO").
#include <QHeaderView>

namespace tarn::gui {

class GridHeader : public QHeaderView {
    Q_OBJECT
public:
    explicit GridHeader(QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void paintEvent(QPaintEvent* event) override;

private:
    void PaintCell(QPainter* painter, const QRect& rect, const QString& text) const;
    int RowHeight() const;
};

}  // namespace tarn::gui
