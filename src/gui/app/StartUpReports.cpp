#include "app/StartUpReports.h"

#include <QApplication>
#include <QTimer>
#include <ctime>
#include <fstream>
#include <iostream>

#include "app/MainWindow.h"

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

}  // namespace

void ScheduleStartUpReports(MainWindow& window, const StartOptions& options) {
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

}  // namespace tarn::gui
