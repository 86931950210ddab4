#pragma once
// What the desktop program's tests share: a fresh working folder (for TarnWin.ini and the default image
// written there) and the program's context with a recording prompter.
#include <QDir>
#include <QTemporaryDir>
#include <memory>

#include "app/AppContext.h"
#include "core/support/RecordingPrompter.h"

namespace tarn::gui::test {

class Workspace {
public:
    Workspace() : previous_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }
    ~Workspace() { QDir::setCurrent(previous_); }
    QString Path() const { return dir_.path(); }
    QString File(const QString& name) const { return dir_.filePath(name); }
    void WriteIni(const QByteArray& text) const {
        QFile file(File(QStringLiteral("TarnWin.ini")));
        file.open(QIODevice::WriteOnly);
        file.write(text);
    }

    // The program's context on this folder, with a new document (the program's own folder has no
    // default image files).
    std::unique_ptr<AppContext> MakeApp() {
        auto app = std::make_unique<AppContext>(prompter, Path(), File(QStringLiteral("bin")).toStdString());
        app->document.NewDocument();
        return app;
    }

    tarn::test::RecordingPrompter prompter;

private:
    QTemporaryDir dir_;
    QString previous_;
};

}  // namespace tarn::gui::test
