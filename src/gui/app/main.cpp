// tarn: the desktop programming software for the Corvane handheld air-band transceiver.
#include <QApplication>
#include <iostream>

#include "app/StartOptions.h"
#include "app/StartUp.h"

int main(int argc, char** argv) {
    // Answered before Qt starts, so that they work without a display.
    const tarn::StartOptions options = tarn::ParseStartOptions({argv + 1, argv + argc});
    if (options.help) {
        std::cout << tarn::kTarnUsage;
        return 0;
    }
    if (options.version) {
        std::cout << "tarn " TARN_VERSION "\n";
        return 0;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tarn"));
    QApplication::setApplicationVersion(QStringLiteral(TARN_VERSION));
    return tarn::gui::RunTarn(application);
}
