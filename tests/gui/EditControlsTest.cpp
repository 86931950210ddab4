// The lock edit's states under the keys and the focus; what each kind lets through is the core's.
#include <QApplication>
#include <QTest>
#include <QVBoxLayout>

#include "channels/UndoLockEdit.h"

namespace tarn::gui {

class EditControlsTest : public QObject {
    Q_OBJECT
private slots:
    // A field of 3 digits at most showing "120", after keys ('\n' Enter, '\x1b' Escape) and, where `leave`,
    // the focus going to its neighbour; the selection is checked where given.
    void LockEditStates() {
        struct Case {
            const char* keys;
            bool leave;
            const char* text;
            bool locked, typed;
            const char* selected = nullptr;
        };
        const Case cases[] = {
            {"7", false, "7", false, false},  // typing starts a new value
            {"7\x1b", false, "120", true, false},
            {"75\n", false, "75", true, true},
            {"9", true, "9", true, true, ""},
            // Enter on the locked field unlocks it with the whole value selected, without marking it typed.
            {"\n", false, "120", false, false, "120"},
            {"\n9876", false, "987", false, false},  // cut to the length
        };
        for (const Case& c : cases) {
            QWidget window;
            auto* edit = new CUndoLockEdit(&window);
            auto* layout = new QVBoxLayout(&window);
            layout->addWidget(edit);
            layout->addWidget(new QLineEdit(&window));
            edit->SetFilterKind(8);
            edit->SetMaxLength(3);
            edit->setText(QStringLiteral("120"));
            window.show();
            QApplication::setActiveWindow(&window);
            edit->setFocus();
            for (const char* k = c.keys; *k; ++k) {
                if (*k == '\n' || *k == '\x1b') QTest::keyClick(edit, *k == '\n' ? Qt::Key_Return : Qt::Key_Escape);
                else QTest::keyClick(edit, *k);
            }
            if (c.leave) edit->nextInFocusChain()->setFocus();
            QApplication::processEvents();
            const EditLook look = c.locked ? EditLook::Shown : EditLook::Typing;
            QVERIFY2(edit->text() == QLatin1String(c.text), c.keys);
            QVERIFY2(!c.selected || edit->selectedText() == QLatin1String(c.selected), c.keys);
            QVERIFY2(edit->Locked() == c.locked && edit->isReadOnly() == c.locked, c.keys);
            QVERIFY2(edit->Typed() == c.typed && edit->Look() == look, c.keys);
        }
    }
};

}  // namespace tarn::gui

QTEST_MAIN(tarn::gui::EditControlsTest)
#include "EditControlsTest.moc"
