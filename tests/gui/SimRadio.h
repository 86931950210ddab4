#pragma once
// tarn-radio-sim for the desktop program's end-to-end tests: started with an image (and faults) on a
// pseudo-terminal of its own, stopped when the test is done; and the main window wired to it.
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <memory>

#include "GuiTestSupport.h"
#include "app/CommandIds.h"
#include "model/DefaultImage.h"
#include "model/ImageCodec.h"
#include "model/ImageFile.h"
#include "ui/Prompter.h"

namespace tarn::gui::test {

class SimRadio {
public:
    // The radio holds `image` (its model id set to the radio's own) and plays `faults`; what is written
    // into it is kept in `outPath` when given.
    SimRadio(const QString& imagePath, QStringList faults = {}, const QString& outPath = {}) {
        QStringList args{QStringLiteral("--image"), imagePath, QStringLiteral("--model-id"), QStringLiteral("0002")};
        if (!outPath.isEmpty()) args << QStringLiteral("--out") << outPath;
        args << faults;
        process_.start(QStringLiteral(TARN_SIM_BIN), args);
        while (process_.waitForReadyRead(5000) && !process_.canReadLine()) {
        }
        devicePath_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    }
    ~SimRadio() {
        process_.kill();
        process_.waitForFinished(5000);
    }
    SimRadio(const SimRadio&) = delete;
    SimRadio& operator=(const SimRadio&) = delete;

    // The pseudo-terminal the program opens; empty when the radio did not start.
    const QString& DevicePath() const { return devicePath_; }

private:
    QProcess process_;
    QString devicePath_;
};

// The image the radio holds in these tests: the built-in default with `tag` as the first MR
// channel's name.
inline DocumentContent RadioContent(const char* tag) {
    DocumentContent content;
    FillDefaultImage(content);
    SetTag(content.Channels.Entries[0], tag);
    EncodeImage(content);
    return content;
}

// Writes that image into the image file `name` of `ws` and gives the file's path.
inline QString WriteRadioImage(Workspace& ws, const char* name, const char* tag) {
    const DocumentContent content = RadioContent(tag);
    const QString path = ws.File(QString::fromLatin1(name));
    WriteImageFile(path.toStdString(), content.Image, content.Trailer, ws.prompter);
    return path;
}

// In a fresh working folder, the program's context (asking `prompter`, else the folder's) on the port of a
// radio whose first MR channel is "TOWER", playing `faults`, logging what it is told into "radio.log" and
// keeping what is written into it in "written.bin". The test readies the document, then opens the main
// window with Show().
struct RadioBench {
    explicit RadioBench(QStringList faults, Prompter* prompter = nullptr)
        : sim(WriteRadioImage(ws, "radio.trn", "TOWER"),
              faults << QStringLiteral("--log") << ws.File(QStringLiteral("radio.log")),
              ws.File(QStringLiteral("written.bin"))),
          app(prompter ? *prompter : ws.prompter, ws.Path(), ws.File(QStringLiteral("bin")).toStdString()) {
        app.settings.portName = sim.DevicePath().toStdString();
    }
    void Show() {
        window = std::make_unique<MainWindow>(app);
        window->show();
    }
    void Trigger(int command) { window->Action(command)->trigger(); }
    QByteArray Read(const char* name) const {
        QFile file(ws.File(QString::fromLatin1(name)));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    Workspace ws;
    SimRadio sim;
    AppContext app;
    std::unique_ptr<MainWindow> window;
};

}  // namespace tarn::gui::test
