#include "channels/SystemBeep.h"

#include <QApplication>

namespace tarn::gui {
namespace {

int beepCount = 0;

}  // namespace

void SystemBeep(int times) {
    for (int i = 0; i < times; ++i) {
        QApplication::beep();
        ++beepCount;
    }
}

int SystemBeepCount() { return beepCount; }

}  // namespace tarn::gui
