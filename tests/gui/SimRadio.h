#pragma once
// The desktop program's end-to-end tests: the harness's virtual radio holding an image the program made,
// and the main window wired to it.
#include <QStringList>
#include <memory>

#include "GuiTestSupport.h"
#include "SimHarness.h"
#include "app/CommandIds.h"
#include "model/DefaultImage.h"
#include "model/ImageCodec.h"
#include "model/ImageFile.h"
#include "ui/Prompter.h"

namespace tarn::gui::test {

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

// The radio's options: its model id the radio's own, then `faults`.
inline std::vector<std::string> RadioOptions(const QStringList& faults) {
    std::vector<std::string> options{"--model-id", "0002"};
    for (const QString& fault : faults) options.push_back(fault.toStdString());
    return options;
}

// In a fresh working folder, the program's context (asking `prompter`, else the folder's) on the port of a
// radio whose first MR channel is "TOWER", playing `faults`. The test readies the document, then opens the
// main window with Show().
struct RadioBench {
    explicit RadioBench(QStringList faults, Prompter* prompter = nullptr)
        : sim(RadioOptions(faults), RadioContent("TOWER").Image),
          app(prompter ? *prompter : ws.prompter, ws.Path(), ws.File(QStringLiteral("bin")).toStdString()) {
        app.settings.portName = sim.Port();
    }
    void Show() {
        window = std::make_unique<MainWindow>(app);
        window->show();
    }
    void Trigger(int command) { window->Action(command)->trigger(); }

    Workspace ws;
    tarn::test::SimRadio sim;
    AppContext app;
    std::unique_ptr<MainWindow> window;
};

}  // namespace tarn::gui::test
