#include "channels/PickListDialog.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QVBoxLayout>

#include "app/HelpContextProperty.h"

namespace tarn::gui {
namespace {

constexpr int kColumnHelpBase = 300;
constexpr int kListHeightRows = 10;

}  // namespace

PickListDialog::PickListDialog(const PickList& list, int column, QWidget* parent)
    : QDialog(parent), list_(new QListWidget(this)) {
    setWindowTitle(QString::fromLatin1(list.caption.data(), static_cast<int>(list.caption.size())));
    setProperty(kHelpContextProperty, kColumnHelpBase + column);

    // Items run down and on into further columns, as in a multi-column list box.
    list_->setFlow(QListView::TopToBottom);
    list_->setWrapping(true);
    list_->setResizeMode(QListView::Adjust);
    list_->setUniformItemSizes(true);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    for (std::string_view item : list.items) {
        list_->addItem(QString::fromLatin1(item.data(), static_cast<int>(item.size())));
    }
    const int rowHeight = list_->fontMetrics().height() + 4;
    list_->setMinimumSize(list_->fontMetrics().horizontalAdvance(QStringLiteral("000.0")) * 6, rowHeight * kListHeightRows);
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
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
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
