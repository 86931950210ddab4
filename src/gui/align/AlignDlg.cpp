#include "align/AlignDlg.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "align/AlignChannelLine.h"
#include "align/AlignEnabling.h"
#include "align/AlignStrings.h"
#include "app/StringText.h"
#include "channels/UndoLockEdit.h"
#include "settings/ControlId.h"
#include "settings/EnterComboBox.h"
#include "settings/Latin1.h"

namespace tarn::gui {
namespace {

namespace ids = align_strings;
namespace items = align_items;

constexpr int kAlignTemplate = 190;
constexpr int kDigitsFilter = 8;
constexpr int kSignedFilter = 2;
// The Low2 and Low3 levels are only carried through the image: their rows are never shown.
constexpr bool HiddenRow(int item) { return item == 15 || item == 16; }

void SetEnabled(QWidget* widget, AlignEnable rule) {
    if (rule != AlignEnable::Keep) widget->setEnabled(rule == AlignEnable::On);
}

}  // namespace

CAlignDlg::CAlignDlg(Document& document, AlignModel& model, Prompter& messages, QWidget* parent)
    : CPromptDialog(kAlignTemplate, parent),
      document_(document),
      model_(model),
      messages_(messages),
      channels_(new CEnterComboBox(Body())),
      ok_(new QPushButton(QStringLiteral("OK"), Body())),
      busy_(new QLabel(StringText(ids::kLoading), Body())) {
    setWindowTitle(StringText(ids::kCaption));
    SetControlId(channels_, ids::kChannelList);

    auto* top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Channel No."), Body()));
    top->addWidget(channels_);
    const char* captions[] = {"Band", "Step", "RX Frequency", "TX(Shift)Freq.", "Repeater Shift", "Power"};
    for (std::size_t c = 0; c < line_.size(); ++c) {
        auto* box = new QVBoxLayout;
        box->addWidget(new QLabel(QString::fromLatin1(captions[c]), Body()));
        line_[c] = new QLabel(Body());
        line_[c]->setFrameShape(QFrame::Panel);
        line_[c]->setFrameShadow(QFrame::Sunken);
        line_[c]->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("000.000000")) + 8);
        box->addWidget(line_[c]);
        top->addLayout(box);
    }

    auto* receive = new QWidget(Body());
    auto* am = new QGroupBox(QStringLiteral("AM"), Body());
    auto* fm = new QGroupBox(QStringLiteral("FM"), Body());
    BuildItems(receive, am, fm);
    auto* caution = new QLabel(StringText(ids::kCaution), Body());
    caution->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold"));

    auto* transmit = new QVBoxLayout;
    transmit->addWidget(caution);
    transmit->addWidget(am);
    transmit->addWidget(fm);
    transmit->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addWidget(receive, 0, Qt::AlignTop);
    columns->addSpacing(16);
    columns->addLayout(transmit);

    busy_->setAlignment(Qt::AlignCenter);
    busy_->setStyleSheet(QStringLiteral("font-weight: bold"));
    busy_->setVisible(false);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(busy_, 1);
    ok_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("OK")) + 60);
    bottom->addWidget(ok_, 0, Qt::AlignRight);

    auto* layout = new QVBoxLayout(Body());
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(columns);
    layout->addLayout(bottom);

    connect(channels_, &QComboBox::activated, this, &CAlignDlg::OnChannelChosen);
    connect(ok_, &QPushButton::clicked, this, &CAlignDlg::Finish);
}

void CAlignDlg::BuildItems(QWidget* receive, QWidget* am, QWidget* fm) {
    QGridLayout* grids[] = {new QGridLayout(receive), new QGridLayout(am), new QGridLayout(fm)};
    grids[0]->setContentsMargins(0, 0, 0, 0);
    const int receiveOrder[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 22, 23};
    const auto add = [this](QGridLayout* grid, int item) {
        const int row = grid->rowCount();
        auto* label = new QLabel(Latin1(kAlignItems[static_cast<std::size_t>(item)].label), grid->parentWidget());
        auto* box = new CUndoLockEdit(grid->parentWidget());
        auto* button = new QPushButton(QStringLiteral("ADJ"), grid->parentWidget());
        SetControlId(box, ids::kFirstValueBox + item);
        box->SetFilterKind(item == items::kVorAngle || item == items::kVorPhase ? kSignedFilter : kDigitsFilter);
        box->SetMaxLength(3);
        box->setReadOnly(item == items::kVorAngle || item == items::kSMeter);
        box->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("Error")) + 16);
        box->setAlignment(Qt::AlignRight);
        button->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("STOP")) + 24);
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1);
        grid->addWidget(button, row, 2);
        for (QWidget* w : {static_cast<QWidget*>(label), static_cast<QWidget*>(box), static_cast<QWidget*>(button)}) {
            w->setVisible(!HiddenRow(item));
        }
        boxes_[static_cast<std::size_t>(item)] = box;
        buttons_[static_cast<std::size_t>(item)] = button;
        connect(box, &CLockEdit::ValueTyped, this, [this, item] { OnValueTyped(item); });
        connect(button, &QPushButton::clicked, this, [this, item] { OnAdj(item); });
    };
    for (int item : receiveOrder) add(grids[0], item);
    for (int item = items::kAmHighPower; item <= items::kAmLowPowerMod; ++item) add(grids[1], item);
    for (int item = items::kAmLowPowerMod + 1; item <= items::kDcsLevelCheck; ++item) add(grids[2], item);
    boxes_[items::kDcsLevelCheck]->setVisible(false);
    buttons_[items::kVorPhase]->setVisible(false);
    buttons_[items::kSquelchHysteresis]->setVisible(false);
    buttons_[7]->setVisible(false);  // VSTR hysteresis: nothing to capture
}

void CAlignDlg::Open() {
    ShowBusy(ids::kLoading);
    for (const std::string& text : model_.ChannelList()) channels_->addItem(Latin1(text));
    bool channelFailed = false;
    const bool opened = model_.Open(channelFailed);
    HideBusy();
    if (!opened) {
        messages_.Tell(std::string(LoadString(channelFailed ? ids::kChangeChannelError : ids::kSquelchOpenError)),
                       MessageIcon::Stop);
    }
    ShowValues();
    ShowTestState();
    ShowChannelLine();
}

void CAlignDlg::ShowBusy(int textId) {
    busy_->setText(StringText(textId));
    busy_->setVisible(true);
    busy_->repaint();
}

void CAlignDlg::HideBusy() { busy_->setVisible(false); }

void CAlignDlg::ShowValues() {
    for (int i = 0; i < kAlignItemCount; ++i) boxes_[static_cast<std::size_t>(i)]->setText(Latin1(model_.ValueText(i)));
}

void CAlignDlg::ShowChannelLine() {
    const AlignChannelLine line = ChannelLineTexts(model_.Channel(), model_.Error());
    const std::string* texts[] = {&line.band, &line.step, &line.rxFrequency, &line.txFrequency, &line.shift, &line.power};
    for (std::size_t c = 0; c < line_.size(); ++c) line_[c]->setText(Latin1(*texts[c]));
}

void CAlignDlg::ApplyBandEnabling() {
    const auto enabling = BandEnabling(model_.Channel());
    for (std::size_t i = 0; i < enabling.size(); ++i) {
        SetEnabled(boxes_[i], enabling[i].box);
        SetEnabled(buttons_[i], enabling[i].button);
    }
}

void CAlignDlg::ShowTestState() {
    const int active = model_.ActiveItem();
    setUpdatesEnabled(false);
    channels_->setEnabled(active < 0);
    for (int i = 0; i < kAlignItemCount; ++i) {
        boxes_[static_cast<std::size_t>(i)]->setEnabled(active < 0);
        QPushButton* button = buttons_[static_cast<std::size_t>(i)];
        button->setEnabled(active < 0 || active == i);
        button->setText(active == i ? QStringLiteral("STOP") : QStringLiteral("ADJ"));
    }
    if (active < 0) ApplyBandEnabling();
    setUpdatesEnabled(true);
}

void CAlignDlg::OnChannelChosen(int index) {
    ShowBusy(ids::kLoading);
    const bool changed = model_.ChooseChannel(index);
    HideBusy();
    if (!changed) messages_.Tell(std::string(LoadString(ids::kChangeChannelError)), MessageIcon::Stop);
    ShowChannelLine();
    ShowValues();
    ShowTestState();
}

void CAlignDlg::OnValueTyped(int item) {
    CUndoLockEdit* box = boxes_[static_cast<std::size_t>(item)];
    if (!box->Typed()) return;
    box->ClearTyped();
    model_.Apply(item, box->text().toStdString());
    box->setText(Latin1(model_.ValueText(item)));
}

void CAlignDlg::OnAdj(int item) {
    const AdjOutcome outcome = model_.PressAdj(item);
    boxes_[static_cast<std::size_t>(item)]->setText(Latin1(model_.ValueText(item)));
    ShowTestState();
    if (outcome.unkeyFailed) messages_.Tell(std::string(LoadString(ids::kMayStillTransmit)), MessageIcon::Stop);
}

void CAlignDlg::Finish() {
    ShowBusy(ids::kInitializing);
    const bool closed = model_.Close();
    HideBusy();
    if (!closed) {
        ShowTestState();
        messages_.Tell(std::string(LoadString(ids::kMayStillTransmit)), MessageIcon::Stop);
        return;
    }
    if (model_.Changed()) document_.SetModified(true);
    accept();
}

void CAlignDlg::reject() { Finish(); }

void CAlignDlg::keyPressEvent(QKeyEvent* event) {
    // Enter never presses OK here; a value box has taken its own Enter before this.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->accept();
        return;
    }
    CPromptDialog::keyPressEvent(event);
}

}  // namespace tarn::gui
