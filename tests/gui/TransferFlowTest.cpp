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
class Bench {
public:
    explicit Bench(QStringList faults = {}, tarn::test::RecordingPrompter* prompter = nullptr)
        : prompter_(prompter ? *prompter : ws_.prompter),
          sim_(RadioFile(), std::move(faults), ws_.File(QStringLiteral("written.bin"))),
          app_(prompter_, ws_.Path(), ws_.File(QStringLiteral("bin")).toStdString()) {
        test::WriteRadioImage(MinePath(), "MINE", prompter_);
        app_.document.OpenDocument(MinePath().toStdString());
        app_.settings.portName = sim_.DevicePath().toStdString();
        window_ = std::make_unique<MainWindow>(app_);
        window_->View()->Refresh();
        window_->show();
    }

    AppContext& App() { return app_; }
    MainWindow& Window() { return *window_; }
    tarn::test::RecordingPrompter& Messages() { return prompter_; }
    QString MinePath() const { return ws_.File(QStringLiteral("mine.trn")); }
    QString WrittenPath() const { return ws_.File(QStringLiteral("written.bin")); }

    void Trigger(int command) { window_->Action(command)->trigger(); }
    QString GridTag() const {
        QAbstractItemModel* model = window_->View()->Grid()->model();
        return model->data(model->index(0, kTagColumn)).toString().trimmed();
    }
    QString Path() const { return QString::fromStdString(app_.document.CurrentFilePath()); }

private:
    QString RadioFile() {
        const QString path = ws_.File(QStringLiteral("radio.trn"));
        test::WriteRadioImage(path, "TOWER", ws_.prompter);
        return path;
    }

    test::Workspace ws_;
    tarn::test::RecordingPrompter& prompter_;
    SimRadio sim_;
    AppContext app_;
    std::unique_ptr<MainWindow> window_;
};

using Texts = std::vector<std::string>;

}  // namespace

class TransferFlowTest : public QObject {
    Q_OBJECT
private slots:
    void UploadIntoAnUnmodifiedDocument() {
        Bench bench;
        QCOMPARE(bench.GridTag(), QStringLiteral("MINE"));
        bench.Trigger(command::kUpload);
        QCOMPARE(bench.Messages().Texts(), Texts{"Upload is completed"});
        QCOMPARE(bench.GridTag(), QStringLiteral("TOWER"));
        QCOMPARE(bench.Path(), QStringLiteral("<none>"));
        QVERIFY(bench.Window().windowTitle().startsWith(QStringLiteral("<none> - ")));
        QVERIFY(!bench.App().document.Modified());
        QVERIFY(!bench.App().document.DefaultImageLoaded());
        // With the COM port type the port stays for the next command.
        QVERIFY(bench.App().port.Port() != nullptr);
    }

    void UploadIntoAModifiedDocument() {
        Bench bench;
        bench.App().document.SetModified(true);
        bench.Messages().answers = {Answer::No};
        bench.Trigger(command::kUpload);
        QCOMPARE(bench.Messages().Texts(), Texts{"Overwrite original data"});
        QCOMPARE(bench.Messages().shown[0].icon, MessageIcon::Question);
        // No keeps the image and the changes, but the window ended by itself: tied to no file.
        QCOMPARE(bench.GridTag(), QStringLiteral("MINE"));
        QVERIFY(bench.App().document.Modified());
        QCOMPARE(bench.Path(), QStringLiteral("<none>"));

        bench.Messages().shown.clear();
        bench.Messages().answers = {Answer::Yes};
        bench.Trigger(command::kUpload);
        QCOMPARE(bench.Messages().Texts(), (Texts{"Overwrite original data", "Upload is completed"}));
        QCOMPARE(bench.GridTag(), QStringLiteral("TOWER"));
        QVERIFY(!bench.App().document.Modified());
    }

    void CancelPressedBeforeYesStillTiesTheRadiosImageToNoFile() {
        LateCancelPrompter prompter;
        Bench bench({}, &prompter);
        bench.App().document.SetModified(true);
        bench.Trigger(command::kUpload);
        QVERIFY(prompter.pressed);
        QCOMPARE(bench.GridTag(), QStringLiteral("TOWER"));
        QCOMPARE(bench.Path(), QStringLiteral("<none>"));
        QVERIFY(!bench.App().document.Modified());
        // So saving asks for a new name instead of writing the radio's image over mine.trn.
        prompter.files = {std::nullopt};
        QVERIFY(!bench.App().document.Save());
        QCOMPARE(prompter.fileRequests.size(), std::size_t(1));
    }

    void CancelledUploadKeepsThePath() {
        Bench bench({QStringLiteral("--silent")});
        QTimer::singleShot(500, [] {
            if (CAccessGauge* gauge = OpenGauge()) gauge->reject();
        });
        bench.Trigger(command::kUpload);
        QVERIFY(bench.Messages().shown.empty());
        QCOMPARE(bench.Path(), bench.MinePath());
        QCOMPARE(bench.GridTag(), QStringLiteral("MINE"));
    }

    void FailedUploadKeepsTheImage() {
        Bench bench({QStringLiteral("--bad-checksum"), QStringLiteral("5")});
        CloneImage before = bench.App().document.Image();
        bench.Trigger(command::kUpload);
        QCOMPARE(bench.Messages().Texts(), Texts{"BCC Error"});
        QCOMPARE(bench.GridTag(), QStringLiteral("MINE"));
        // Only the checksum the encoding before the run stored may differ.
        before[2] = bench.App().document.Image()[2];
        before[3] = bench.App().document.Image()[3];
        QVERIFY(bench.App().document.Image() == before);
        QCOMPARE(bench.Path(), QStringLiteral("<none>"));
    }

    void DownloadWritesTheEditedModel() {
        Bench bench;
        ChannelTable& table = bench.App().document.Channels();
        SetTag(table.Entries[0], "EDITED");
        bench.App().document.SetModified(true);
        bench.Trigger(command::kDownload);
        QCOMPARE(bench.Messages().Texts(), Texts{"Download is completed"});
        QFile written(bench.WrittenPath());
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray bytes = written.readAll();
        QVERIFY(bytes.size() >= int(kImageSize));
        DocumentContent radio;
        std::copy_n(bytes.begin(), kImageSize, radio.Image.begin());
        DecodeImage(radio);
        QCOMPARE(test::FirstTag(radio.Channels), QStringLiteral("EDITED"));
        // A Download leaves the document where it was.
        QCOMPARE(bench.Path(), bench.MinePath());
        QVERIFY(bench.App().document.Modified());
        QCOMPARE(bench.GridTag(), QStringLiteral("EDITED"));
    }

    void InterfaceUnitPortLivesForOneCommand() {
        Bench bench;
        bench.App().settings.portType = PortType::InterfaceUnit;
        bench.App().port.Apply(bench.App().settings, bench.Messages());
        bench.Trigger(command::kUpload);
        QCOMPARE(bench.Messages().Texts(), Texts{"Upload is completed"});
        QCOMPARE(bench.App().port.Port(), nullptr);
    }

    void ConfigureOpensOrDropsThePort() {
        Bench bench;
        bench.App().settings.portType = PortType::InterfaceUnit;
        bench.App().port.Apply(bench.App().settings, bench.Messages());
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
        QCOMPARE(bench.App().settings.portType, PortType::ComPort);
        QVERIFY(bench.App().port.Port() && bench.App().port.Port()->IsOpen());
        toggleUnitAndOk();
        bench.Trigger(command::kConfigure);
        QCOMPARE(bench.App().port.Port(), nullptr);
        QVERIFY(bench.Messages().shown.empty());
    }
};

}  // namespace tarn::gui

QTEST_MAIN(tarn::gui::TransferFlowTest)
#include "TransferFlowTest.moc"
