// The filtered edit controls: typed characters through the filters, and the lock edit's states.
#include <QApplication>
#include <QTest>
#include <QVBoxLayout>

#include "channels/FilterEdit.h"
#include "channels/UndoLockEdit.h"

namespace tarn::gui {

class EditControlsTest : public QObject {
    Q_OBJECT
private slots:
    void FilterEditDropsWhatItsKindRefuses() {
        CFilterEdit edit;
        edit.SetFilterKind(1);
        QTest::keyClicks(&edit, QStringLiteral("1a. -2"));
        QCOMPARE(edit.text(), QStringLiteral("1. 2"));
        QTest::keyClick(&edit, Qt::Key_Backspace);
        QCOMPARE(edit.text(), QStringLiteral("1. "));
        edit.clear();
        edit.SetFilterKind(3);
        QTest::keyClicks(&edit, QStringLiteral("BgF"));
        QCOMPARE(edit.text(), QStringLiteral("bf"));
    }

    void TypingIntoALockedFieldStartsANewValueAndEscapeRestoresIt() {
        Field f;
        QTest::keyClick(f.edit, Qt::Key_7);
        QCOMPARE(f.edit->text(), QStringLiteral("7"));
        QVERIFY(!f.edit->Locked());
        QCOMPARE(f.edit->Look(), EditLook::Typing);
        QVERIFY(!f.edit->isReadOnly());
        QTest::keyClick(f.edit, Qt::Key_Escape);
        QCOMPARE(f.edit->text(), QStringLiteral("120"));
        QVERIFY(f.edit->Locked());
        QCOMPARE(f.edit->Look(), EditLook::Shown);
        QVERIFY(!f.edit->Typed());
    }

    void EnterEndsTypingAndMarksTheValueTyped() {
        Field f;
        QTest::keyClicks(f.edit, QStringLiteral("75"));
        QTest::keyClick(f.edit, Qt::Key_Return);
        QCOMPARE(f.edit->text(), QStringLiteral("75"));
        QVERIFY(f.edit->Locked());
        QCOMPARE(f.edit->Look(), EditLook::Shown);
        QVERIFY(f.edit->Typed());
        f.edit->ClearTyped();
        // Enter on the locked field unlocks it with the whole value selected, without marking it typed.
        QTest::keyClick(f.edit, Qt::Key_Return);
        QVERIFY(!f.edit->Locked());
        QCOMPARE(f.edit->selectedText(), QStringLiteral("75"));
        QVERIFY(!f.edit->Typed());
    }

    void LeavingTheFieldWhileTypingMarksTheValueTyped() {
        Field f;
        QTest::keyClick(f.edit, Qt::Key_9);
        f.other->setFocus();
        QApplication::processEvents();
        QVERIFY(f.edit->Locked());
        QVERIFY(f.edit->Typed());
        QCOMPARE(f.edit->text(), QStringLiteral("9"));
        QVERIFY(!f.edit->hasSelectedText());
    }

    void ARefusedCharacterLeavesTheFieldLocked() {
        Field f;
        f.edit->SetFilterKind(2);
        QTest::keyClick(f.edit, Qt::Key_X);
        QVERIFY(f.edit->Locked());
        QCOMPARE(f.edit->text(), QStringLiteral("120"));
        QCOMPARE(f.edit->Look(), EditLook::Shown);
    }

    void ALongValueIsCutWhenTypingStarts() {
        Field f;
        f.edit->setText(QStringLiteral("12345"));
        QTest::keyClick(f.edit, Qt::Key_Return);
        QCOMPARE(f.edit->text(), QStringLiteral("123"));
        QCOMPARE(f.edit->maxLength(), 3);
        QTest::keyClicks(f.edit, QStringLiteral("9876"));
        QCOMPARE(f.edit->text(), QStringLiteral("987"));
    }

    void DisabledLook() {
        Field f;
        f.edit->SetEnabledLook(false);
        QCOMPARE(f.edit->Look(), EditLook::Disabled);
        QVERIFY(!f.edit->isEnabled());
        f.edit->SetEnabledLook(true);
        QCOMPARE(f.edit->Look(), EditLook::Shown);
    }

private:
    // A settings field showing 120, digits only, at most 3 characters, with a neighbour to take the focus.
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
            edit->setText(QStringLiteral("120"));
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
