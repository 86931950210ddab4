#include "channels/PickListDialog.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "app/HelpContextProperty.h"

namespace tarn::gui {
namespace {

constexpr int kColumnHelpBase = 300;
constexpr int kMostRows = 10;

}  // namespace

PickListDialog::PickListDialog(const PickList& list, int column, QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)) {
    setWindowTitle(QString::fromLatin1(list.caption.data(), static_cast<int>(list.caption.size())));
    setProperty(kHelpContextProperty, kColumnHelpBase + column);

    // Items run down and on into further columns, as in a multi-column list box.
    list_->setFlow(QListView::TopToBottom);
    list_->setWrapping(true);
    list_->setResizeMode(QListView::Adjust);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (std::string_view item : list.items) {
        list_->addItem(QString::fromLatin1(item.data(), static_cast<int>(item.size())));
    }
    FitListToItems();
    if (list.selected) {
        list_->setCurrentRow(*list.selected);
    } else {
        list_->setCurrentRow(-1);
        list_->clearSelection();
    }
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_, 0, Qt::AlignHCenter);
    layout->addWidget(buttons);
}

void PickListDialog::FitListToItems() {
    // Every column as wide as the widest item in the list's own font and style, and room for all
    // columns, so that nothing is cut short or scrolled out of sight.
    list_->ensurePolished();
    const int count = list_->count();
    QSize cell(1, 1);
    for (int i = 0; i < count; ++i) cell = cell.expandedTo(list_->sizeHintForIndex(list_->model()->index(i, 0)));
    list_->setGridSize(cell);
    const int rows = std::clamp(count, 1, kMostRows);
    const int columns = std::max(1, (count + rows - 1) / rows);
    // The list view wraps to a new column unless an item ends before the viewport's last pixel.
    const int frame = 2 * list_->frameWidth() + 1;
    list_->setFixedSize(columns * cell.width() + frame, rows * cell.height() + frame);
}

int PickListDialog::SelectedRow() const {
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? -1 : list_->row(selected.first());
}

CTonePickDlg::CTonePickDlg(std::uint32_t toneType, std::uint32_t index, int column, QWidget* parent)
    : PickListDialog(TonePickList(toneType, index), column, parent) {}

CStepPickDlg::CStepPickDlg(int column, std::uint32_t step, QWidget* parent)
    : PickListDialog(StepPickList(column, step), column, parent) {}

}  // namespace tarn::gui
