#include "filedata/FileDataDialog.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

#include "channels/GridColumns.h"
#include "filedata/FileDataModel.h"
#include "filedata/HexCellEditor.h"
#include "model/EditStep.h"

namespace tarn::gui {

FileDataDialog::FileDataDialog(Document& document, QWidget* parent)
    : QDialog(parent),
      editor_(document),
      model_(new FileDataModel(editor_, this)),
      grid_(new QTableView(this)),
      cellEditor_(new HexCellEditor(editor_, model_, grid_)),
      ok_(new QPushButton(QStringLiteral("OK"), this)) {
    setWindowTitle(QStringLiteral("File Data"));
    grid_->setModel(model_);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setWordWrap(false);
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 4);
    SizeColumns();
    grid_->setCurrentIndex(model_->index(0, 0));

    connect(ok_, &QPushButton::clicked, this, &FileDataDialog::Ok);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_, 1);
    layout->addLayout(buttons);
    grid_->setFocus();
}

// The cell editor refers to editor_, which is destroyed before the widgets: it must go first, so that no
// late focus change commits into a destroyed working copy.
FileDataDialog::~FileDataDialog() { delete cellEditor_; }

void FileDataDialog::SizeColumns() {
    // Fifteen twips to the pixel, widened where the font needs more room for the texts.
    grid_->ensurePolished();
    const QFontMetrics metrics = grid_->fontMetrics();
    const int margin = 2 * grid_->style()->pixelMetric(QStyle::PM_HeaderMargin) + 4;
    const int byteWidth = std::max(kFileDataByteTwips / kTwipsPerPixel, metrics.horizontalAdvance(QStringLiteral("ff")) + margin);
    for (int c = 0; c < kFileDataColumns; ++c) grid_->setColumnWidth(c, byteWidth);
    const int addressWidth = metrics.horizontalAdvance(QStringLiteral("00000h")) + margin;
    grid_->verticalHeader()->setFixedWidth(std::max(kFileDataAddressTwips / kTwipsPerPixel, addressWidth));
    const int width = grid_->verticalHeader()->width() + kFileDataColumns * byteWidth +
                      grid_->verticalScrollBar()->sizeHint().width() + 2 * grid_->frameWidth();
    grid_->setMinimumWidth(width);
    grid_->setMinimumHeight(grid_->verticalHeader()->defaultSectionSize() * 20);
}

void FileDataDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void FileDataDialog::Ok() {
    cellEditor_->Commit();
    editor_.Accept();
    accept();
}

void RunFileDataCommand(Document& document, QWidget* parent) {
    FileDataDialog dialog(document, parent);
    const EditStep step(document, "File Data");
    dialog.exec();
}

}  // namespace tarn::gui
