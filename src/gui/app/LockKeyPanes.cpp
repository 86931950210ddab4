#include "app/LockKeyPanes.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>
#include <algorithm>
#include <iterator>

#include "app/AppStrings.h"
#include "app/StringText.h"

namespace tarn::gui {
namespace {

constexpr int kPaneStrings[] = {app_strings::kCapsLockPane, app_strings::kNumLockPane, app_strings::kScrollLockPane};
constexpr Qt::Key kPaneKeys[] = {Qt::Key_CapsLock, Qt::Key_NumLock, Qt::Key_ScrollLock};
// X11 key event state bits.
constexpr quint32 kX11LockMask = 0x02;
constexpr quint32 kX11Mod2Mask = 0x10;

QString PaneString(int pane) { return StringText(kPaneStrings[pane]); }

}  // namespace

LockKeyPanes::LockKeyPanes(QStatusBar* bar)
    : QObject(bar), x11_(QGuiApplication::platformName() == QLatin1String("xcb")) {
    for (int pane = 0; pane < PaneCount; ++pane) {
        auto* label = new QLabel(bar);
        label->setAlignment(Qt::AlignCenter);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        // As wide as its text in the bar's font, whether the key is on or off.
        label->setMinimumWidth(label->fontMetrics().horizontalAdvance(PaneString(pane)) +
                               2 * label->fontMetrics().averageCharWidth());
        bar->addPermanentWidget(label);
        labels_[pane] = label;
    }
    qApp->installEventFilter(this);
}

LockKeyPanes::~LockKeyPanes() { qApp->removeEventFilter(this); }

bool LockKeyPanes::eventFilter(QObject* watched, QEvent* event) {
    // Each key event reaches its window once; the widgets it is then passed on to are not looked at.
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    if (!key || !watched->isWindowType()) return false;
    const auto* keyEvent = static_cast<QKeyEvent*>(event);
    const bool press = event->type() == QEvent::KeyPress;
    const auto lockKey = std::find(std::begin(kPaneKeys), std::end(kPaneKeys), keyEvent->key());
    const int pane = lockKey == std::end(kPaneKeys) ? -1 : static_cast<int>(lockKey - std::begin(kPaneKeys));
    // The state is the one before the event; a lock key's release can still show the lock it is
    // about to clear, so it is not taken from there. Events made by the program (no key code) carry
    // no server state.
    if (x11_ && keyEvent->nativeScanCode() != 0 && (press || pane < 0)) {
        on_[Caps] = keyEvent->nativeModifiers() & kX11LockMask;
        on_[Num] = keyEvent->nativeModifiers() & kX11Mod2Mask;
    }
    if (press && pane >= 0 && !keyEvent->isAutoRepeat()) on_[pane] = !on_[pane];
    Show();
    return false;
}

void LockKeyPanes::Show() {
    for (int pane = 0; pane < PaneCount; ++pane) labels_[pane]->setText(on_[pane] ? PaneString(pane) : QString());
}

}  // namespace tarn::gui
