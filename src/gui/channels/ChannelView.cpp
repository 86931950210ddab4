#include "channels/ChannelView.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTableView>
#include <QVBoxLayout>

#include "app/AppContext.h"
#include "channels/ChannelCellText.h"
#include "channels/ChannelSelection.h"
#include "channels/ChannelTableModel.h"
#include "channels/GridClipboard.h"
#include "channels/GridEditing.h"
#include "channels/GridColumnTexts.h"
#include "channels/GridColumns.h"
#include "channels/GridHeader.h"
#include "channels/InCellEditor.h"
#include "settings/Latin1.h"
#include "model/IdentityValues.h"

namespace tarn::gui {
namespace {

constexpr const char* kModelName = "Corvane";
constexpr const char* kPanelLabels[5] = {"Serial No", "ProductType", "COM Port", "FW Version", "Printer"};

QLabel* SunkenLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

int ColumnPixels(const QTableView& grid, int column) {
    // Fifteen twips to the pixel, widened where the grid's font and style need more room for a text
    // of the column's cells or its captions.
    int pixels = GridColumns()[column].widthTwips / kTwipsPerPixel;
    QStyleOptionViewItem cell;
    cell.initFrom(&grid);
    cell.font = grid.font();
    cell.features = QStyleOptionViewItem::HasDisplay;
    const int gridLine = grid.showGrid() ? 1 : 0;
    for (const std::string& text : ColumnTexts(column)) {
        cell.text = QString::fromStdString(text);
        const QSize size = grid.style()->sizeFromContents(QStyle::CT_ItemViewItem, &cell, QSize(), &grid);
        pixels = std::max(pixels, size.width() + gridLine);
    }
    const QHeaderView& header = *grid.horizontalHeader();
    const auto captionPixels = [&](std::string_view caption) {
        const int margin = header.style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, &header);
        return header.fontMetrics().horizontalAdvance(Latin1(caption)) + 2 * margin;
    };
    pixels = std::max(pixels, captionPixels(GridColumns()[column].bottomCaption));
    // A caption over several columns takes its share of each.
    for (const HeaderSpan& span : TopHeaderSpans()) {
        if (column >= span.first && column <= span.last) {
            const int share = span.last - span.first + 1;
            pixels = std::max(pixels, (captionPixels(span.caption) + share - 1) / share);
        }
    }
    return pixels;
}

}  // namespace

ChannelView::ChannelView(AppContext& app, QWidget* parent)
    : QWidget(parent),
      app_(app),
      model_(new ChannelTableModel(app.document.Channels(), this)),
      grid_(new QTableView(this)),
      groupLabel_(SunkenLabel(this)) {
    // Header panel: three columns of label and value, two rows.
    auto* panel = new QGroupBox(this);
    auto* panelLayout = new QGridLayout(panel);
    for (int i = 0; i < 5; ++i) {
        values_[i] = SunkenLabel(panel);
        // The boxes share the panel's width whatever they hold; a long printer or file name is cut at
        // the box's edge and shown whole in its tooltip.
        values_[i]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        const int row = i / 3;
        const int column = (i % 3) * 2;
        panelLayout->addWidget(new QLabel(QString::fromLatin1(kPanelLabels[i]), panel), row, column);
        panelLayout->addWidget(values_[i], row, column + 1);
        panelLayout->setColumnStretch(column + 1, 1);
    }

    // The grid area: the group's name over the grid.
    auto* gridArea = new QGroupBox(this);
    auto* gridLayout = new QVBoxLayout(gridArea);
    auto* labelRow = new QHBoxLayout;
    groupLabel_->setMinimumWidth(groupLabel_->fontMetrics().horizontalAdvance(QStringLiteral(" WEATHER GROUP  ")) + 8);
    labelRow->addStretch();
    labelRow->addWidget(groupLabel_);
    gridLayout->addLayout(labelRow);
    gridLayout->addWidget(grid_, 1);

    gridLayout->setContentsMargins(6, 6, 6, 6);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(panel);
    layout->addWidget(gridArea, 1);

    grid_->setHorizontalHeader(new GridHeader(grid_));
    grid_->setModel(model_);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 4);
    grid_->setWordWrap(false);
    grid_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        if (contextMenu_) contextMenu_->exec(grid_->viewport()->mapToGlobal(pos));
    });
    // The channel being edited is the current cell's, also after channels moved under it.
    const auto followCurrentCell = [this] {
        const QModelIndex current = grid_->currentIndex();
        if (current.isValid()) {
            app_.document.Channels().CurrentIndex = static_cast<std::uint32_t>(SlotOfRow(app_.document.Channels(), current.row()));
        }
    };
    connect(grid_->selectionModel(), &QItemSelectionModel::currentChanged, this, followCurrentCell);
    connect(model_, &QAbstractItemModel::layoutChanged, this, followCurrentCell);

    selection_ = new ChannelSelection(app.document.Channels(), grid_, model_);
    connect(selection_, &ChannelSelection::StatusMessage, this, &ChannelView::StatusMessage);
    editor_ = new InCellEditor(app.document, grid_, model_, selection_);
    new GridEditing(app.document, grid_, model_, editor_, selection_);  // owned by the grid
    clipboard_ = std::make_unique<GridClipboard>(app.document, app.prompter, grid_, model_, editor_, selection_);

    auto* f2 = new QShortcut(QKeySequence(Qt::Key_F2), this, this, &ChannelView::NextGroup);
    f2->setContext(Qt::WidgetWithChildrenShortcut);
    auto* shiftF9 = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F9), this, this, [this] {
        if (!app_.maintenanceMode) return;
        CommitEdit();
        emit FileDataRequested();
    });
    shiftF9->setContext(Qt::WidgetWithChildrenShortcut);
    setFocusProxy(grid_);
    Refresh();
}

ChannelView::~ChannelView() = default;

void ChannelView::CommitEdit() { editor_->Commit(); }
bool ChannelView::Copy() { return clipboard_->Copy(); }
bool ChannelView::Paste() { return clipboard_->Paste(); }

void ChannelView::ApplyColumnWidths() {
    grid_->ensurePolished();  // the widths follow the font the grid is finally drawn with
    for (int c = 0; c < kGridColumnCount; ++c) {
        const int twips = ColumnWidthTwips(c, app_.settings.itemVisible);
        grid_->setColumnHidden(c, twips == 0);
        if (twips) grid_->setColumnWidth(c, ColumnPixels(*grid_, c));
    }
}

void ChannelView::Refresh() {
    CommitEdit();
    ChannelTable& table = app_.document.Channels();
    model_->Reset();  // before the widths: a reset gives every column the default width again
    ApplyColumnWidths();
    groupLabel_->setText(QString::fromStdString(GroupLabelText(table.CurrentGroup)));
    FillHeaderPanel();
    table.CurrentIndex = static_cast<std::uint32_t>(SlotOfRow(table, 0));
    if (model_->rowCount() > 0) GoToCell(0, 0);
    grid_->scrollToTop();
    emit GroupShown();
}

void ChannelView::FillHeaderPanel() {
    const CloneImage& image = app_.document.Image();
    values_[0]->setText(QString::fromStdString(SerialNumberText(image)));
    values_[1]->setText(QString::fromLatin1(kModelName));
    values_[2]->setText(QString::fromStdString(PortNameOf(app_.settings)));
    values_[3]->setText(QString::fromStdString(FirmwareVersionText(image)));
    values_[4]->setText(QString::fromStdString(app_.printerName));
    for (QLabel* value : values_) value->setToolTip(value->text());
}

void ChannelView::ToggleItem(int item) {
    if (item < 0 || item >= kItemCount) return;
    CommitEdit();  // the edited cell may be hidden
    int& flag = app_.settings.itemVisible[item];
    flag = flag == 1 ? 0 : 1;
    ApplyColumnWidths();
    grid_->horizontalHeader()->viewport()->update();
}

void ChannelView::RedrawAfterChange(int row, int column) { model_->RedrawAfterChange(row, column); }

void ChannelView::GoToCell(int row, int column) {
    // In extended selection the grid's setCurrentIndex reads the modifier keys held: after Ctrl+Z it would
    // add the cell to the selection. In single selection it replaces the selection, and the next
    // Shift+click or Shift+arrow still starts from this cell.
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setCurrentIndex(model_->index(row, column));
    grid_->setSelectionMode(QAbstractItemView::ExtendedSelection);
}

int ChannelView::CurrentColumn() const {
    const QModelIndex current = grid_->currentIndex();
    return current.isValid() ? current.column() : 0;
}

QString ChannelView::GroupLabel() const { return groupLabel_->text(); }

QString ChannelView::HeaderValue(int index) const {
    return index >= 0 && index < 5 ? values_[index]->text() : QString();
}

void ChannelView::NextGroup() {
    CommitEdit();
    tarn::NextGroup(app_.document.Channels(), app_.document.Settings());
    Refresh();
}

}  // namespace tarn::gui
