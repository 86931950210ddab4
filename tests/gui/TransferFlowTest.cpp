// Radio > Upload and Radio > Download of the main window end to end against the virtual radio: the
// document's image, path and Modified flag afterwards, the grid redrawn from the image, and the port's
// lifetime for both port types.
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "GuiTestSupport.h"
#include "SimRadio.h"
#include "app/CommandIds.h"
#include "app/ConfigurationDialog.h"
#include "app/MainWindow.h"
#include "channels/ChannelView.h"
#include "link/AccessGauge.h"
#include "model/ImageCodec.h"

namespace tarn::gui {
namespace {

using test::SimRadio;
constexpr int kTagColumn = 3;

CAccessGauge* OpenGauge() { return qobject_cast<CAccessGauge*>(QApplication::activeModalWidget()); }

// Answers the overwrite question after pressing the progress window's Cancel: the user cancelled too late.
class LateCancelPrompter : public tarn::test::RecordingPrompter {
public:
    Answer AskYesNo(const std::string& text, MessageIcon icon) override {
        if (CAccessGauge* gauge = OpenGauge()) {
            QTest::mouseClick(gauge->CancelButton(), Qt::LeftButton);
            pressed = true;
        }
        return RecordingPrompter::AskYesNo(text, icon);
    }
    bool pressed = false;
};

// A document opened from "mine.trn" (first MR channel "MINE") in a fresh working folder, the main
// window on it, and a radio whose first MR channel is "TOWER".
struct Bench {
    explicit Bench(QStringList faults = {}, tarn::test::RecordingPrompter* prompter = nullptr)
        : messages(prompter ? *prompter : ws.prompter),
          sim(RadioFile(), std::move(faults), ws.File(QStringLiteral("written.bin"))),
          app(messages, ws.Path(), ws.File(QStringLiteral("bin")).toStdString()) {
        test::WriteRadioImage(MinePath(), "MINE", messages);
        app.document.OpenDocument(MinePath().toStdString());
        app.settings.portName = sim.DevicePath().toStdString();
        window = std::make_unique<MainWindow>(app);
        window->View()->Refresh();
        window->show();
    }

    QString RadioFile() {
        test::WriteRadioImage(ws.File(QStringLiteral("radio.trn")), "TOWER", ws.prompter);
        return ws.File(QStringLiteral("radio.trn"));
    }
    QString MinePath() const { return ws.File(QStringLiteral("mine.trn")); }
    void Trigger(int command) { window->Action(command)->trigger(); }
    QString GridTag() const {
        QAbstractItemModel* model = window->View()->Grid()->model();
        return model->data(model->index(0, kTagColumn)).toString().trimmed();
    }
    QString Path() const { return QString::fromStdString(app.document.CurrentFilePath()); }

    test::Workspace ws;
    tarn::test::RecordingPrompter& messages;
    SimRadio sim;
    AppContext app;
    std::unique_ptr<MainWindow> window;
};

using Texts = std::vector<std::string>;

}  // namespace

class TransferFlowTest : public QObject {
    Q_OBJECT
private slots:
    void UploadIntoAModifiedDocumentAsksFirst() {
        Bench bench;
        QCOMPARE(bench.GridTag(), QStringLiteral("MINE"));
        bench.app.document.SetModified(true);
        bench.messages.answers = {Answer::No};
        bench.Trigger(command::kUpload);
        QCOMPARE(bench.messages.Texts(), Texts{"Overwrite original data"});
        QCOMPARE(bench.messages.shown[0].icon, MessageIcon::Question);
        // No keeps the image and the changes, but the window ended by itself: tied to no file.
        QCOMPARE(bench.GridTag(), QStringLiteral("MINE"));
        QVERIFY(bench.app.document.Modified());
        QCOMPARE(bench.Path(), QStringLiteral("<none>"));

        bench.messages.shown.clear();
        bench.messages.answers = {Answer::Yes};
        bench.Trigger(command::kUpload);
        QCOMPARE(bench.messages.Texts(), (Texts{"Overwrite original data", "Upload is completed"}));
        QCOMPARE(bench.GridTag(), QStringLiteral("TOWER"));
        QVERIFY(bench.window->windowTitle().startsWith(QStringLiteral("<none> - ")));
        QVERIFY(!bench.app.document.Modified() && !bench.app.document.DefaultImageLoaded());
        // With the COM port type the port stays for the next command.
        QVERIFY(bench.app.port.Port() != nullptr);
    }

    void CancelPressedBeforeYesStillTiesTheRadiosImageToNoFile() {
        LateCancelPrompter prompter;
        Bench bench({}, &prompter);
        bench.app.document.SetModified(true);
        bench.Trigger(command::kUpload);
        QVERIFY(prompter.pressed);
        QCOMPARE(bench.GridTag(), QStringLiteral("TOWER"));
        QCOMPARE(bench.Path(), QStringLiteral("<none>"));
        QVERIFY(!bench.app.document.Modified());
        // So saving asks for a new name instead of writing the radio's image over mine.trn.
        prompter.files = {std::nullopt};
        QVERIFY(!bench.app.document.Save());
        QCOMPARE(prompter.fileRequests.size(), std::size_t(1));
    }

    void CancelledUploadKeepsThePath() {
        Bench bench({QStringLiteral("--silent")});
        QTimer::singleShot(500, [] {
            if (CAccessGauge* gauge = OpenGauge()) gauge->reject();
        });
        bench.Trigger(command::kUpload);
        QVERIFY(bench.messages.shown.empty());
        QCOMPARE(bench.Path(), bench.MinePath());
        QCOMPARE(bench.GridTag(), QStringLiteral("MINE"));
    }

    void FailedUploadKeepsTheImage() {
        Bench bench({QStringLiteral("--bad-checksum"), QStringLiteral("5")});
        CloneImage before = bench.app.document.Image();
        bench.Trigger(command::kUpload);
        QCOMPARE(bench.messages.Texts(), Texts{"BCC Error"});
        QCOMPARE(bench.GridTag(), QStringLiteral("MINE"));
        // Only the checksum the encoding before the run stored may differ.
        before[2] = bench.app.document.Image()[2];
        before[3] = bench.app.document.Image()[3];
        QVERIFY(bench.app.document.Image() == before);
        QCOMPARE(bench.Path(), QStringLiteral("<none>"));
    }

    void DownloadWritesTheEditedModel() {
        Bench bench;
        ChannelTable& table = bench.app.document.Channels();
        SetTag(table.Entries[0], "EDITED");
        bench.app.document.SetModified(true);
        bench.Trigger(command::kDownload);
        QCOMPARE(bench.messages.Texts(), Texts{"Download is completed"});
        QFile written(bench.ws.File(QStringLiteral("written.bin")));
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray bytes = written.readAll();
        QVERIFY(bytes.size() >= int(kImageSize));
        DocumentContent radio;
        std::copy_n(bytes.begin(), kImageSize, radio.Image.begin());
        DecodeImage(radio);
        QCOMPARE(test::FirstTag(radio.Channels), QStringLiteral("EDITED"));
        // A Download leaves the document where it was.
        QCOMPARE(bench.Path(), bench.MinePath());
        QVERIFY(bench.app.document.Modified());
        QCOMPARE(bench.GridTag(), QStringLiteral("EDITED"));
    }

    void ConfigureOpensOrDropsThePort() {
        Bench bench;
        bench.app.settings.portType = PortType::InterfaceUnit;
        bench.app.port.Apply(bench.app.settings, bench.messages);
        auto toggleUnitAndOk = [] {
            QTimer::singleShot(0, [] {
                auto* dialog = qobject_cast<ConfigurationDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                dialog->InterfaceUnitBox()->click();
                dialog->OkButton()->click();
            });
        };
        toggleUnitAndOk();
        bench.Trigger(command::kConfigure);
        QCOMPARE(bench.app.settings.portType, PortType::ComPort);
        QVERIFY(bench.app.port.Port() && bench.app.port.Port()->IsOpen());
        toggleUnitAndOk();
        bench.Trigger(command::kConfigure);
        QCOMPARE(bench.app.port.Port(), nullptr);
        QVERIFY(bench.messages.shown.empty());
    }
};

}  // namespace tarn::gui

QTEST_MAIN(tarn::gui::TransferFlowTest)
#include "TransferFlowTest.moc"
