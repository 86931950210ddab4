// The progress window against the virtual radio: caption, prompt line and gauge ranges, the event loop
// running throughout, the job's questions shown by this thread, and the ways a job ends — by itself,
// cancelled while waiting for the radio or for an acknowledgement, or on a port that cannot be opened.
#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "SimRadio.h"
#include "app/GuiPrompter.h"
#include "core/support/RecordingPrompter.h"
#include "link/AccessGauge.h"

namespace tarn::gui {
namespace {

using test::SimRadio;

// What one run of the window showed.
struct GaugeRun {
    int result = -1;
    QString caption;
    QString prompt;
    int maximum = -1;
    std::vector<int> positions;
    int ticksDuringTransfer = 0;  // 10 ms timer ticks between the first and the last block
    bool gaugeMade = false;
};

// Runs the window modally; `onMove` sees every gauge position as it arrives.
GaugeRun Run(CAccessGauge& gauge, const std::function<void(int)>& onMove = {}) {
    GaugeRun run;
    int ticks = 0;
    int ticksAtFirst = -1;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(10);
    QObject::connect(&gauge, &CAccessGauge::GaugeMoved, [&](int blocks) {
        if (ticksAtFirst < 0) ticksAtFirst = ticks;
        run.ticksDuringTransfer = ticks - ticksAtFirst;
        run.positions.push_back(blocks);
        run.maximum = gauge.Gauge()->maximum();
        if (onMove) onMove(blocks);
    });
    run.result = gauge.exec();
    run.caption = gauge.windowTitle();
    run.prompt = gauge.PromptLine()->text();
    run.gaugeMade = gauge.Gauge() != nullptr;
    return run;
}

// Calls `act` once `ready` holds, checking every 20 ms while the window runs.
void When(std::function<bool()> ready, std::function<void()> act) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, ready, act] {
        if (!ready()) return;
        timer->stop();
        timer->deleteLater();
        act();
    });
    timer->start(20);
}

bool Ascending(const std::vector<int>& v, int first, int last) {
    if (v.empty() || v.front() != first || v.back() != last) return false;
    for (std::size_t i = 1; i < v.size(); ++i) {
        if (v[i] != v[i - 1] + 1) return false;
    }
    return true;
}

TransferRequest Request(TransferOperation operation, const QString& port, bool modified = false) {
    TransferRequest request;
    request.operation = operation;
    request.portName = port.toStdString();
    request.modified = modified;
    return request;
}

}  // namespace

class AccessGaugeTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(dir_.isValid());
        QVERIFY(test::WriteRadioImage(dir_.filePath(QStringLiteral("radio.trn")), "TOWER", prompter_));
        radio_ = test::RadioContent("TOWER").Image;
        radio_[4] = 0x00;
        radio_[5] = 0x02;
    }

    void UploadRunsWithTheEventLoopGoing() {
        SimRadio sim(dir_.filePath(QStringLiteral("radio.trn")), {QStringLiteral("--baud-timing")});
        QVERIFY(!sim.DevicePath().isEmpty());
        ClonePort port;
        CloneImage image{};
        tarn::test::RecordingPrompter messages;
        CAccessGauge gauge(Request(TransferOperation::Upload, sim.DevicePath()), port, image, messages);
        const GaugeRun run = Run(gauge);
        QCOMPARE(run.result, int(QDialog::Accepted));
        QCOMPARE(run.caption, QStringLiteral("Upload Function"));
        QCOMPARE(run.prompt, QStringLiteral("Switch radio OFF, then back ON to start uploading"));
        QCOMPARE(run.maximum, 32);
        QVERIFY(Ascending(run.positions, 1, 32));
        // At 9600 baud the image takes seconds; the window's own loop kept turning all the while.
        QVERIFY2(run.ticksDuringTransfer >= 100, qPrintable(QString::number(run.ticksDuringTransfer)));
        QCOMPARE(messages.Texts(), std::vector<std::string>{"Upload is completed"});
        QVERIFY(gauge.Job().ImageReplaced());
        QVERIFY(!gauge.Running());
        QVERIFY(image == radio_);
    }

    void DownloadGaugeRunsTo64() {
        const QString out = dir_.filePath(QStringLiteral("written.bin"));
        SimRadio sim(dir_.filePath(QStringLiteral("radio.trn")), {}, out);
        ClonePort port;
        CloneImage image = test::RadioContent("MINE").Image;
        const CloneImage before = image;
        tarn::test::RecordingPrompter messages;
        CAccessGauge gauge(Request(TransferOperation::Download, sim.DevicePath()), port, image, messages);
        const GaugeRun run = Run(gauge);
        QCOMPARE(run.result, int(QDialog::Accepted));
        QCOMPARE(run.caption, QStringLiteral("Download Function"));
        QCOMPARE(run.maximum, 64);
        QVERIFY(Ascending(run.positions, 1, 64));
        QCOMPARE(messages.Texts(), std::vector<std::string>{"Download is completed"});
        QVERIFY(gauge.Job().Succeeded());
        // The program's own image keeps everything but the radio's firmware bytes.
        QVERIFY(std::equal(image.begin() + 2, image.end(), before.begin() + 2));
    }

    void CancelWhileWaitingForTheRadioEndsSilently() {
        SimRadio sim(dir_.filePath(QStringLiteral("radio.trn")), {QStringLiteral("--silent")});
        ClonePort port;
        CloneImage image{};
        const CloneImage before = image;
        tarn::test::RecordingPrompter messages;
        CAccessGauge gauge(Request(TransferOperation::Upload, sim.DevicePath()), port, image, messages);
        When([&] { return !gauge.PromptLine()->text().isEmpty(); },
             [&] { QTest::mouseClick(gauge.CancelButton(), Qt::LeftButton); });
        const GaugeRun run = Run(gauge);
        QCOMPARE(run.result, int(QDialog::Rejected));
        QVERIFY(run.positions.empty());
        QVERIFY(messages.shown.empty());
        QVERIFY(!gauge.Running());
        QVERIFY(image == before);
    }

    void CancelDuringTheAcknowledgementWaitTellsTheError() {
        SimRadio sim(dir_.filePath(QStringLiteral("radio.trn")), {QStringLiteral("--ignore-block"), QStringLiteral("3")});
        ClonePort port;
        CloneImage image = test::RadioContent("MINE").Image;
        tarn::test::RecordingPrompter messages;
        CAccessGauge gauge(Request(TransferOperation::Download, sim.DevicePath()), port, image, messages);
        // Three blocks written: the radio leaves the fourth unanswered, and Esc comes during the wait.
        const GaugeRun run = Run(gauge, [&](int blocks) {
            if (blocks == 35) QTimer::singleShot(300, &gauge, [&] { QTest::keyClick(&gauge, Qt::Key_Escape); });
        });
        QCOMPARE(run.result, int(QDialog::Rejected));
        QCOMPARE(run.positions.back(), 35);
        QCOMPARE(messages.Texts(), std::vector<std::string>{"Communication Error"});
        QCOMPARE(messages.shown[0].icon, MessageIcon::Stop);
        QVERIFY(!gauge.CancelButton()->isEnabled());
    }

    void PortThatCannotBeOpenedClosesTheWindowByItself() {
        ClonePort port;
        CloneImage image{};
        tarn::test::RecordingPrompter messages;
        CAccessGauge gauge(Request(TransferOperation::Upload, QStringLiteral("/dev/tarn-no-such-port")), port, image,
                           messages);
        QElapsedTimer clock;
        clock.start();
        const GaugeRun run = Run(gauge);
        QCOMPARE(run.result, int(QDialog::Accepted));
        QVERIFY(clock.elapsed() < 5000);
        QCOMPARE(messages.shown.size(), std::size_t(1));
        QVERIFY(messages.shown[0].text.rfind("Problem with COM port", 0) == 0);
        QVERIFY(!run.gaugeMade);
        QCOMPARE(run.caption, QStringLiteral("Access Gauge"));
        QVERIFY(image == CloneImage{});
    }

    void QuestionIsShownHereWhileTheJobWaits() {
        SimRadio sim(dir_.filePath(QStringLiteral("radio.trn")));
        ClonePort port;
        CloneImage image{};
        GuiPrompter boxes;
        CAccessGauge gauge(Request(TransferOperation::Upload, sim.DevicePath(), true), port, image, boxes);
        QString asked;
        bool jobWaited = false;
        When([] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr; },
             [&] {
                 auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                 asked = box->text();
                 jobWaited = gauge.Running() && gauge.Gauge()->value() == 32;
                 box->button(QMessageBox::No)->click();
             });
        const GaugeRun run = Run(gauge);
        QCOMPARE(asked, QStringLiteral("Overwrite original data"));
        QVERIFY(jobWaited);
        // No keeps the old image, without "Upload is completed"; the job still ended by itself.
        QCOMPARE(run.result, int(QDialog::Accepted));
        QVERIFY(!gauge.Job().ImageReplaced());
        QVERIFY(image == CloneImage{});
    }

    void EnterDoesNotCancel() {
        SimRadio sim(dir_.filePath(QStringLiteral("radio.trn")), {QStringLiteral("--silent")});
        ClonePort port;
        CloneImage image{};
        tarn::test::RecordingPrompter messages;
        CAccessGauge gauge(Request(TransferOperation::Upload, sim.DevicePath()), port, image, messages);
        When([&] { return !gauge.PromptLine()->text().isEmpty(); },
             [&] {
                 QTest::keyClick(&gauge, Qt::Key_Return);
                 QVERIFY(gauge.CancelButton()->isEnabled());
                 gauge.close();  // the caption bar's close asks for the cancel as well
             });
        QCOMPARE(Run(gauge).result, int(QDialog::Rejected));
    }

private:
    QTemporaryDir dir_;
    tarn::test::RecordingPrompter prompter_;
    CloneImage radio_{};
};

}  // namespace tarn::gui

QTEST_MAIN(tarn::gui::AccessGaugeTest)
#include "AccessGaugeTest.moc"
