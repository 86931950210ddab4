#include "app/StartUp.h"

#include <QDir>
#include <QPrinterInfo>
#include <QTimer>
#include <ctime>
#include <fstream>
#include <iostream>

#include "app/AppContext.h"
#include "app/GuiPrompter.h"
#include "app/MainWindow.h"
#include "app/PasswordDialog.h"
#include "app/SingleInstance.h"
#include "app/StartOptions.h"
#include "channels/ChannelView.h"

namespace tarn::gui {
namespace {

// Resident memory of this process in kB, from /proc.
long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kb = 0;
            status >> kb;
            return kb;
        }
        status.ignore(4096, '\n');
    }
    return 0;
}

long long RealtimeNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// After the window is shown: a picture of it for --screenshot, the start-up figures for --quit-when-shown.
void ScheduleReports(MainWindow& window, const StartOptions& options) {
    if (options.quitWhenShown) {
        QTimer::singleShot(0, &window, [&window] {
            window.repaint();
            std::cout << "shown_at_ns=" << RealtimeNanoseconds() << " rss_kb=" << ResidentKilobytes() << std::endl;
            QApplication::exit(0);
        });
    }
    if (options.screenshot) {
        const QString path = QString::fromStdString(*options.screenshot);
        QTimer::singleShot(500, &window, [&window, path] {
            const bool saved = window.grab().save(path);
            if (!saved) std::cerr << "tarn: cannot write " << path.toStdString() << '\n';
            QApplication::exit(saved ? 0 : 1);
        });
    }
}

}  // namespace

int RunTarn(QApplication& application) {
    std::vector<std::string> args;
    for (const QString& a : application.arguments().mid(1)) args.push_back(a.toStdString());
    const StartOptions options = ParseStartOptions(args);

    // One copy per user: a second start raises the first copy's window and ends.
    SingleInstance instance(QStringLiteral("tarn-%1").arg(qEnvironmentVariable("USER", QStringLiteral("user"))));
    if (!instance.Claim()) return 0;

    GuiPrompter prompter;
    AppContext app(prompter, QDir::currentPath(), QCoreApplication::applicationDirPath().toStdString());
    if (options.port && !ApplyPortChoice(app.settings, *options.port)) {
        std::cerr << "tarn: --port takes COMn or a device path, not " << *options.port << '\n';
        return 2;
    }
    if (options.askMaintenancePassword) app.maintenanceMode = AskMaintenancePassword();
    app.printerName = QPrinterInfo::defaultPrinterName().toStdString();

    if (options.fileToOpen) {
        if (!app.document.OpenDocument(*options.fileToOpen)) return 1;
    } else {
        app.document.NewDocument();
    }

    MainWindow window(app);
    prompter.SetParent(&window);
    QObject::connect(&instance, &SingleInstance::RaiseRequested, &window, &MainWindow::BringToFront);
    window.show();
    window.View()->setFocus();

    if (app.settings.portType == PortType::ComPort) app.port.Apply(app.settings, app.prompter);

    ScheduleReports(window, options);
    return application.exec();
}

}  // namespace tarn::gui
