#pragma once
// The status bar's CAP, NUM and SCRL panes, each showing its text while its lock key is on.
//
// Qt offers no portable way to ask for the lock keys' state, so the panes follow the key events the
// program's windows receive: a lock key's press turns its pane on or off. Under X11 every key event
// also carries the server's modifier state, whose Lock and Mod2 bits are Caps Lock and Num Lock on
// the usual keymaps; the panes take those from each key event, which mends a change made while
// another program had the keyboard. Scroll Lock has no modifier bit and follows its presses only.
#include <QObject>
#include <array>

class QLabel;
class QStatusBar;

namespace tarn::gui {

class LockKeyPanes : public QObject {
    Q_OBJECT
public:
    // Adds the three panes to the right end of `bar` and starts following the keys of every window.
    explicit LockKeyPanes(QStatusBar* bar);
    ~LockKeyPanes() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    enum Pane { Caps, Num, Scroll, PaneCount };
    void Show();

    std::array<QLabel*, PaneCount> labels_{};
    std::array<bool, PaneCount> on_{};
    bool x11_;
};

}  // namespace tarn::gui
