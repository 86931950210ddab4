#include "app/StartUp.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinterInfo>
#include <iostream>

#include "app/AppContext.h"
#include "app/GuiPrompter.h"
#include "app/MainWindow.h"
#include "app/PasswordDialog.h"
#include "app/SingleInstance.h"
#include "app/StartOptions.h"
#include "app/StartUpReports.h"
#include "channels/ChannelView.h"

namespace tarn::gui {

int RunTarn(QApplication& application) {
    std::vector<std::string> args;
    for (const QString& a : application.arguments().mid(1)) args.push_back(a.toStdString());
    const StartOptions options = ParseStartOptions(args);

    // One copy per user: a second start raises the first copy's window and ends.
    SingleInstance instance(QStringLiteral("tarn-%1").arg(qEnvironmentVariable("USER", QStringLiteral("user"))));
    if (!instance.Claim()) return 0;

    GuiPrompter prompter;
    AppContext app(prompter, QDir::currentPath(), QCoreApplication::applicationDirPath().toStdString());
    // For this run only: the saved port changes only through File > Configure.
    if (options.port && !ApplyPortChoice(app.settings, *options.port)) {
        std::cerr << "tarn: --port takes COMn or a device path, not " << *options.port << '\n';
        return 2;
    }
    if (options.trace) app.tracePathForRun = *options.trace;
    app.ApplyTraceChoice();
    if (options.askMaintenancePassword) app.maintenanceMode = AskMaintenancePassword();
    app.printerName = QPrinterInfo::defaultPrinterName().toStdString();
    if (!OpenStartDocument(app, options.fileToOpen)) return 1;

    MainWindow window(app);
    prompter.SetParent(&window);
    QObject::connect(&instance, &SingleInstance::RaiseRequested, &window, &MainWindow::BringToFront);
    window.show();
    window.View()->setFocus();

    if (app.settings.portType == PortType::ComPort) app.port.Apply(app.settings, app.prompter);

    ScheduleStartUpReports(window, options);
    return application.exec();
}

bool OpenStartDocument(AppContext& app, const std::optional<std::string>& fileToOpen) {
    if (!fileToOpen) {
        app.document.NewDocument();
        return true;
    }
    // Absolute, so the title and the recent-file entry still name the file from any other folder.
    const QFileInfo file(QFile::decodeName(fileToOpen->c_str()));
    const std::string path = QFile::encodeName(QDir::cleanPath(file.absoluteFilePath())).toStdString();
    if (!app.document.OpenDocument(path)) return false;
    app.RememberRecentFile(path);
    return true;
}

}  // namespace tarn::gui
