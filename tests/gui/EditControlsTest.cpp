// The lock edit's states under the keys and the focus; what each kind lets through is the core's.
#include <QApplication>
#include <QTest>
#include <QVBoxLayout>

#include "channels/UndoLockEdit.h"

namespace tarn::gui {

class EditControlsTest : public QObject {
    Q_OBJECT
private slots:
    // The lock edit's states after keys ('\n' Enter, '\x1b' Escape) and, when asked, the focus leaving.
    void LockEditStates() {
        struct Case {
            const char* start;
            const char* keys;
            bool leave;
            const char* text;
            bool locked, typed;
            EditLook look;
            const char* selected = nullptr;
        };
        const Case cases[] = {
            {"120", "7", false, "7", false, false, EditLook::Typing},  // typing starts a new value
            {"120", "7\x1b", false, "120", true, false, EditLook::Shown},
            {"120", "75\n", false, "75", true, true, EditLook::Shown},
            {"120", "9", true, "9", true, true, EditLook::Shown, ""},
            {"120", "X", false, "120", true, false, EditLook::Shown},  // refused: still locked
            // Enter on the locked field unlocks it with the whole value selected, without marking it typed.
            {"120", "\n", false, "120", false, false, EditLook::Typing, "120"},
            {"12345", "\n9876", false, "987", false, false, EditLook::Typing},  // cut to the length
        };
        for (const Case& c : cases) {
            Field f;
            f.edit->setText(QString::fromLatin1(c.start));
            for (const char* k = c.keys; *k; ++k) {
                if (*k == '\n' || *k == '\x1b') {
                    QTest::keyClick(f.edit, *k == '\n' ? Qt::Key_Return : Qt::Key_Escape);
                } else {
                    QTest::keyClick(f.edit, *k);
                }
            }
            if (c.leave) {
                f.other->setFocus();
                QApplication::processEvents();
            }
            const QString name = QString::fromLatin1(c.start) + QLatin1Char('/') + QString::fromLatin1(c.keys);
            QVERIFY2(f.edit->text() == QLatin1String(c.text), qPrintable(name));
            QVERIFY2(f.edit->Locked() == c.locked && f.edit->isReadOnly() == c.locked, qPrintable(name));
            QVERIFY2(f.edit->Typed() == c.typed && f.edit->Look() == c.look, qPrintable(name));
            QVERIFY2(!c.selected || f.edit->selectedText() == QLatin1String(c.selected), qPrintable(name));
        }
    }

private:
    // A settings field taking digits only, at most 3 characters, with a neighbour to take the focus.
    struct Field {
        QWidget window;
        CUndoLockEdit* edit = new CUndoLockEdit(&window);
        QLineEdit* other = new QLineEdit(&window);
        Field() {
            auto* layout = new QVBoxLayout(&window);
            layout->addWidget(edit);
            layout->addWidget(other);
            edit->SetFilterKind(8);
            edit->SetMaxLength(3);
            window.show();
            QApplication::setActiveWindow(&window);
            edit->setFocus();
            QApplication::processEvents();
        }
    };
};

}  // namespace tarn::gui

QTEST_MAIN(tarn::gui::EditControlsTest)
#include "EditControlsTest.moc"
