#include "link/AccessGauge.h"

#include <QLabel>

#include <algorithm>
#include <QProgressBar>
#include <QPushButton>

#include "ui/StringTable.h"

namespace tarn::gui {
namespace {

// The window's layout in dialog units: a quarter of the font's average character width across, an
// eighth of its height down.
struct DialogUnits {
    explicit DialogUnits(const QFontMetrics& metrics)
        : x(metrics.averageCharWidth()), y(metrics.height()) {}
    QRect Rect(int left, int top, int width, int height) const {
        return {left * x / 4, top * y / 8, width * x / 4, height * y / 8};
    }
    int x;
    int y;
};

// The gauge sits at fixed pixels of the client area.
const QRect kGaugeRect(QPoint(30, 80), QPoint(300, 100));

QString Text(int stringId) { return QString::fromStdString(FormatString(stringId, "")); }

}  // namespace

CAccessGauge::CAccessGauge(const TransferRequest& request, ClonePort& port, CloneImage& image, Prompter& messages,
                           QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      prompt_(new QLabel(this)),
      cancel_(new QPushButton(QStringLiteral("Cancel"), this)),
      queuedEvents_(this, *this),
      workerPrompter_(this, messages),
      job_(request, port, image, queuedEvents_, workerPrompter_) {
    setWindowTitle(QStringLiteral("Access Gauge"));
    setModal(true);
    const DialogUnits units(fontMetrics());
    const QRect client = units.Rect(0, 0, 189, 109);
    setFixedSize(std::max(client.width(), kGaugeRect.right() + 30), client.height());
    prompt_->setGeometry(units.Rect(10, 10, 175, 15));
    prompt_->setWordWrap(true);
    cancel_->setGeometry(units.Rect(65, 80, 60, 15));
    // Enter must not end a transfer by accident: only a deliberate Cancel (click, Space, Esc) does.
    cancel_->setAutoDefault(false);
    connect(cancel_, &QPushButton::clicked, this, &CAccessGauge::reject);
}

CAccessGauge::~CAccessGauge() {
    // Only reached with a running job when the window is torn down unexpectedly: the job must not wait
    // for an answer that can no longer come.
    workerPrompter_.Abandon();
    job_.RequestCancel();
    job_.Join();
}

void CAccessGauge::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (started_) return;
    started_ = true;
    running_ = true;
    job_.Start();
}

void CAccessGauge::done(int result) {
    if (running_) {
        RequestCancel();
        return;
    }
    QDialog::done(result);
}

void CAccessGauge::RequestCancel() {
    if (cancelled_) return;
    cancelled_ = true;
    cancel_->setEnabled(false);
    job_.RequestCancel();
}

void CAccessGauge::SetCaption(int stringId) { setWindowTitle(Text(stringId)); }

void CAccessGauge::SetGaugeRange(int blocks) {
    if (!gauge_) {
        gauge_ = new QProgressBar(this);
        gauge_->setGeometry(kGaugeRect);
        gauge_->setTextVisible(false);
        gauge_->show();
    }
    gauge_->setValue(0);
    gauge_->setRange(0, blocks);
}

void CAccessGauge::SetGaugePosition(int blocks) {
    if (!gauge_) return;
    gauge_->setValue(blocks);
    emit GaugeMoved(blocks);
}

void CAccessGauge::ShowPrompt(int stringId) { prompt_->setText(Text(stringId)); }

void CAccessGauge::JobDone() {
    // The job's last event: its thread is about to end, and the window waits for that before closing.
    job_.Join();
    running_ = false;
    QDialog::done(cancelled_ ? Rejected : Accepted);
}

}  // namespace tarn::gui
