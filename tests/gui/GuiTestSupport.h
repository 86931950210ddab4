#pragma once
// What the desktop program's tests share: a fresh working folder (for TarnWin.ini and the default image
// written there) and the program's context with a recording prompter.
#include <QApplication>
#include <QDir>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

#include "app/AppContext.h"
#include "app/MainWindow.h"
#include "channels/ChannelView.h"
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

// A channel view shown in its own window, so that its keys and focus work.
struct ShownView {
    explicit ShownView(AppContext& app) : view(app) {
        view.resize(900, 600);
        view.show();
        QApplication::setActiveWindow(&view);
        view.setFocus();
        QApplication::processEvents();
    }
    void PressF2() { QTest::keyClick(view.Grid(), Qt::Key_F2); }
    ChannelView view;
};

// The main window shown and active, with its help requests recorded instead of opened.
struct ShownWindow {
    explicit ShownWindow(AppContext& app) : window(app) {
        window.SetHelpOpener([this](const QUrl& url) { opened.push_back(url); });
        window.show();
        QApplication::setActiveWindow(&window);
        window.View()->setFocus();
        QApplication::processEvents();
    }
    MainWindow window;
    std::vector<QUrl> opened;
};

// Runs `act` on the modal dialog of type D once it is up.
template <typename D, typename F>
void WhenDialogShows(F act) {
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        act(dialog);
    });
}

}  // namespace tarn::gui::test
