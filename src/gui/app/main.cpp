// tarn: the desktop programming software for the Corvane handheld air-band transceiver.
#include <QApplication>

#include "app/StartUp.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tarn"));
    QApplication::setApplicationVersion(QStringLiteral(TARN_VERSION));
    return tarn::gui::RunTarn(application);
}
