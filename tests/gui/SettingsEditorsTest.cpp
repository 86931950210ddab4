// The System Parameters dialog, the Common and the VFO & HOME sheets as a user works them: keys, mouse, OK and Cancel,
// and what reaches the image. The rules behind them are the core's and tested there.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <algorithm>
#include <set>

#include "GuiTestSupport.h"
#include "app/CommandIds.h"
#include "app/ConfigurationDialog.h"
#include "channels/UndoLockEdit.h"
#include "settings/CommonSheet.h"
#include "settings/EnterComboBox.h"
#include "settings/PromptStatusBar.h"
#include "settings/SettingsForm.h"
#include "settings/SettingsScript.h"
#include "settings/SystemParamDlg.h"
#include "settings/VfoSheet.h"
#include "channels/PickListDialog.h"
#include "model/ChannelRecord.h"
#include "model/VfoRecord.h"

namespace tarn::gui {
namespace {

// The image bytes that differ between two images.
std::set<std::size_t> ChangedBytes(const CloneImage& before, const CloneImage& after) {
    std::set<std::size_t> changed;
    for (std::size_t i = 0; i < before.size(); ++i) {
        if (before[i] != after[i]) changed.insert(i);
    }
    return changed;
}

void Show(QWidget* window) {
    window->show();
    QApplication::setActiveWindow(window);
    QApplication::processEvents();
}

void Focus(QWidget* control) {
    control->setFocus();
    QApplication::processEvents();
}

// Chooses the list's item `text` with the mouse: a click opens the list, a click on the item picks it.
void PickWithMouse(QComboBox* list, const QString& text) {
    QTest::mouseClick(list, Qt::LeftButton);
    QAbstractItemView* popup = list->view();
    QTRY_VERIFY(popup->isVisible());
    QTest::qWait(QApplication::doubleClickInterval() + 50);  // a release this soon after opening is ignored
    const QPoint at = popup->visualRect(popup->model()->index(list->findText(text), 0)).center();
    QTest::mouseMove(popup->viewport(), at);
    QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, at);
    QTRY_VERIFY(!popup->isVisible());
}

// Whether the command line's listing of the document holds `line`: it must say what the dialogs showed.
bool Lists(Document& document, const char* line) {
    const auto lines = SettingsScript(document, true).Lines();
    return std::find(lines.begin(), lines.end(), std::string(line)) != lines.end();
}

void TypeInto(CUndoLockEdit* edit, const char* keys) {
    Focus(edit);
    QTest::keyClicks(edit, QString::fromLatin1(keys));
    QTest::keyClick(edit, Qt::Key_Return);
}

// Stores `change` of a VFO or HOME record into the image, as a file would hold it.
void StoreRecord(Document& document, VfoPage page, const std::function<void(ChannelEntry&)>& change) {
    VfoRecord record(page);
    record.Decode(document.Image(), document.Content().Bands());
    change(record.Entry);
    record.Encode(document.Image(), document.Content().Bands());
}

ChannelEntry RecordOf(Document& document, VfoPage page) {
    VfoRecord record(page);
    record.Decode(document.Image(), document.Content().Bands());
    return record.Entry;
}

bool WithinRecord(const std::set<std::size_t>& bytes, VfoPage page) {
    return std::all_of(bytes.begin(), bytes.end(), [&](std::size_t b) {
        return b >= VfoRecordOffset(page) && b < VfoRecordOffset(page) + kChannelRecordSize;
    });
}

}  // namespace

class SettingsEditorsTest : public QObject {
    Q_OBJECT
private slots:
    // The status line names the focused control's prompt and how to work it; a control without a text
    // of its own leaves the prompt before it standing.
    void StatusLineShowsTheFocusedControlsPrompt() {
        auto app = workspace_.MakeApp();
        CommonSheet sheet(app->document);
        Show(&sheet);
        sheet.Tabs()->setCurrentIndex(static_cast<int>(CommonPage::MiscSetup));
        const SettingsForm* misc = sheet.PageForm(CommonPage::MiscSetup);
        struct Case {
            QWidget* control;
            const char* first;
            const char* hint;
        };
        const Case cases[] = {
            {misc->List(4764), "Select Temperature Unit (F/C)", "<SELECT>"},
            {misc->Edit(4862), "Edit Temperature Offset (-12.8 - 12.8 step 0.1)", "<ENTER>"},
            {sheet.Buttons()->button(QDialogButtonBox::Ok), "Edit Temperature Offset (-12.8 - 12.8 step 0.1)",
             "<ENTER>"},
        };
        for (const Case& c : cases) {
            Focus(c.control);
            QCOMPARE(sheet.Prompts()->FirstLine(), QString::fromLatin1(c.first));
            QCOMPARE(sheet.Prompts()->Hint(), QString::fromLatin1(c.hint));
        }
    }

    // The status line adds its own height and nothing else: the editor's controls keep their room.
    void EditorsGrowByTheStatusLineOnly() {
        auto app = workspace_.MakeApp();
        CSystemParamDlg dialog(app->document, true);
        CommonSheet sheet(app->document);
        for (CPromptDialog* editor : {static_cast<CPromptDialog*>(&dialog), static_cast<CPromptDialog*>(&sheet)}) {
            Show(editor);
            QCOMPARE(editor->height(), editor->Body()->height() + editor->Prompts()->height());
            QCOMPARE(editor->Body()->height(), editor->Body()->sizeHint().height());
        }
    }

    // Rows the core hides vanish with their labels; rows it disables stay in view, greyed.
    void RowsFollowTheCoresVisibilityAndEnabling() {
        auto app = workspace_.MakeApp();
        CSystemParamDlg normal(app->document, false);
        CSystemParamDlg maintenance(app->document, true);
        CommonSheet sheet(app->document);
        for (QWidget* window : {static_cast<QWidget*>(&normal), static_cast<QWidget*>(&maintenance),
                                static_cast<QWidget*>(&sheet)}) {
            Show(window);
        }
        sheet.Tabs()->setCurrentIndex(static_cast<int>(CommonPage::TxRx));
        QApplication::processEvents();
        struct Case {
            const SettingsForm* form;
            int list;
            bool visible, enabled;
        };
        const Case cases[] = {
            {normal.Form(), 2421, true, true},        // VFO Band
            {normal.Form(), 2427, false, false},      // Weather Band: maintenance only
            {maintenance.Form(), 2427, true, false},  // shown, never changed
            {sheet.PageForm(CommonPage::TxRx), 4728, false, false},  // BCLO while BRS Mode TX is Off
            {sheet.PageForm(CommonPage::TxRx), 4727, true, true},    // T.O.T
        };
        for (const Case& c : cases) {
            const QString name = QString::number(c.list);
            QVERIFY2(c.form->List(c.list)->isVisible() == c.visible, qPrintable(name));
            QVERIFY2(c.form->LabelFor(c.list)->isVisible() == c.visible, qPrintable(name));
            QVERIFY2(c.form->List(c.list)->isEnabled() == c.enabled, qPrintable(name));
        }
    }

    // Enter opens a list instead of pressing OK, and ends typing in a number edit without closing.
    void EnterOnAControlNeverClosesTheEditor() {
        auto app = workspace_.MakeApp();
        const CloneImage before = app->document.Image();
        CSystemParamDlg dialog(app->document, false);
        Show(&dialog);
        CEnterComboBox* list = dialog.Form()->List(2424);
        Focus(list);
        QTest::keyClick(list, Qt::Key_Return);
        QTRY_VERIFY(list->view()->isVisible());
        QTest::keyClick(list->view(), Qt::Key_Escape);
        QVERIFY(dialog.isVisible());

        CommonSheet sheet(app->document);
        Show(&sheet);
        sheet.Tabs()->setCurrentIndex(static_cast<int>(CommonPage::MiscSetup));
        TypeInto(sheet.PageForm(CommonPage::MiscSetup)->Edit(4863), "9");
        QVERIFY(sheet.isVisible());
        QCOMPARE(app->document.Image(), before);

        ConfigurationDialog configuration(app->settings, {});
        Show(&configuration);
        Focus(configuration.InterfaceUnitBox());  // a check box is a button, but not one that Enter presses
        QTest::keyClick(configuration.InterfaceUnitBox(), Qt::Key_Return);
        QVERIFY(configuration.isVisible());
    }

    // A choice by key and one by mouse reach the image on OK, each in its own bits, and OK works only from
    // the OK button itself.
    void SystemParametersOkWritesTheChoices() {
        auto app = workspace_.MakeApp();
        const CloneImage before = app->document.Image();
        CSystemParamDlg dialog(app->document, false);
        Show(&dialog);
        Focus(dialog.Form()->List(2425));
        QTest::keyClick(dialog.Form()->List(2425), Qt::Key_Down);  // ANL Status Off -> On
        PickWithMouse(dialog.Form()->List(2424), QStringLiteral("TAG"));
        QVERIFY(app->document.Modified());

        dialog.OkButton()->click();  // the focus is elsewhere: nothing happens
        QVERIFY(dialog.isVisible());
        QTest::mouseClick(dialog.OkButton(), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(ChangedBytes(before, app->document.Image()), (std::set<std::size_t>{39}));
        QCOMPARE(app->document.Image()[39] ^ before[39], 0b110);  // Display Mode bit 2, ANL Status bit 1
        QVERIFY(Lists(app->document, "system.display_mode=TAG") && Lists(app->document, "system.anl_status=On"));
    }

    // What the user chose and then cancelled leaves the image, the settings and the Modified flag as they were.
    void SystemParametersCancelKeepsEverything() {
        auto app = workspace_.MakeApp();
        const CloneImage before = app->document.Image();
        const std::uint32_t anl = app->document.Settings().AnlStatus;
        CSystemParamDlg dialog(app->document, true);
        Show(&dialog);
        PickWithMouse(dialog.Form()->List(2425), QStringLiteral("On"));
        QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel), Qt::LeftButton);
        QCOMPARE(app->document.Image(), before);
        QCOMPARE(app->document.Settings().AnlStatus, anl);
        QVERIFY(!app->document.Modified());
    }

    // OK writes what was chosen and typed on the pages; typed numbers are corrected and shown at once.
    void CommonOkWritesTheShownPages() {
        auto app = workspace_.MakeApp();
        const CloneImage before = app->document.Image();
        CommonSheet sheet(app->document);
        Show(&sheet);
        PickWithMouse(sheet.PageForm(CommonPage::DisplaySound)->List(4701), QStringLiteral("Off"));  // Lamp Mode
        sheet.Tabs()->setCurrentIndex(static_cast<int>(CommonPage::MiscSetup));
        const SettingsForm* misc = sheet.PageForm(CommonPage::MiscSetup);
        TypeInto(misc->Edit(4861), "150");
        QCOMPARE(misc->Edit(4861)->text(), QStringLiteral("110"));
        QCOMPARE(misc->Beside(4861)->text(), QStringLiteral("230 F"));
        QVERIFY(!app->document.Modified());

        QTest::mouseClick(sheet.Buttons()->button(QDialogButtonBox::Ok), Qt::LeftButton);
        QCOMPARE(ChangedBytes(before, app->document.Image()), (std::set<std::size_t>{115, 137}));
        QCOMPARE(app->document.Image()[115] >> 6, 0);
        QCOMPARE(app->document.Image()[137], 110);
        QVERIFY(Lists(app->document, "common.lamp_mode=Off") && Lists(app->document, "common.temp_check_data=110"));
        QVERIFY(app->document.Modified());
    }

    void CommonCancelWritesNothing() {
        auto app = workspace_.MakeApp();
        const CloneImage before = app->document.Image();
        CommonSheet sheet(app->document);
        Show(&sheet);
        PickWithMouse(sheet.PageForm(CommonPage::DisplaySound)->List(4701), QStringLiteral("Off"));
        sheet.reject();
        QCOMPARE(app->document.Image(), before);
        QVERIFY(!app->document.Modified());
    }

    // The main window's commands open the editors; F1 in them opens the guide at their section.
    void CommandsOpenTheEditorsWithTheirHelp() {
        auto app = workspace_.MakeApp();
        test::ShownWindow shown(*app);
        test::WhenDialogShows<CSystemParamDlg>([](CSystemParamDlg* dialog) {
            QTest::keyClick(dialog->Form()->List(2421), Qt::Key_F1);
            dialog->reject();
        });
        shown.window.Action(command::kSystem)->trigger();
        test::WhenDialogShows<CommonSheet>([](CommonSheet* sheet) {
            sheet->Tabs()->setCurrentIndex(static_cast<int>(CommonPage::KeySet));
            Focus(sheet->PageForm(CommonPage::KeySet)->List(4741));
            QTest::keyClick(sheet->PageForm(CommonPage::KeySet)->List(4741), Qt::Key_F1);
            sheet->reject();
        });
        shown.window.Action(command::kCommon)->trigger();
        QCOMPARE(shown.opened.size(), std::size_t{2});
        QCOMPARE(shown.opened[0].fragment(), QStringLiteral("system-parameters"));
        QCOMPARE(shown.opened[1].fragment(), QStringLiteral("common-settings"));
    }

    // A device this user may not open says so, with the group to join, before the user tries it.
    void PortsWithoutPermissionAreMarked() {
        auto app = workspace_.MakeApp();
        ConfigurationDialog dialog(app->settings, {{QStringLiteral("/dev/ttyUSB0"), QStringLiteral("CP2102"), false,
                                                    QStringLiteral("uucp")},
                                                   {QStringLiteral("/dev/ttyUSB1"), QStringLiteral("CH340"), true, {}}});
        QCOMPARE(dialog.PortBox()->itemText(kComPortCount),
                 QStringLiteral("/dev/ttyUSB0  (CP2102)  - no permission: join the group uucp"));
        QCOMPARE(dialog.PortBox()->itemText(kComPortCount + 1), QStringLiteral("/dev/ttyUSB1  (CH340)"));
    }

    // Air by keyboard: a receive frequency below 118 MHz offers Split, which opens the transmit edit; OK
    // writes the Air record and nothing else.
    void VfoHomeOkWritesTheTypedRecord() {
        auto app = workspace_.MakeApp();
        const CloneImage before = app->document.Image();
        VfoSheet sheet(app->document);
        Show(&sheet);
        const SettingsForm* air = sheet.PageForm(VfoPage::Air);
        TypeInto(air->Edit(5041), "115");
        QCOMPARE(air->Edit(5041)->text(), QStringLiteral("115.00000"));
        QVERIFY(air->List(5022)->isEnabled() && !air->Edit(5042)->isEnabled());
        Focus(air->List(5022));
        QTest::keyClick(air->List(5022), Qt::Key_Down);  // Simplex -> Split
        QCOMPARE(air->Edit(5042)->text(), QStringLiteral("118.00000"));
        QVERIFY(air->Edit(5042)->isEnabled());
        TypeInto(air->Edit(5041), "150");  // the expansion band: refused, the old value shown again
        QCOMPARE(air->Edit(5041)->text(), QStringLiteral("115.00000"));
        QTest::mouseClick(sheet.Buttons()->button(QDialogButtonBox::Ok), Qt::LeftButton);
        QVERIFY(WithinRecord(ChangedBytes(before, app->document.Image()), VfoPage::Air));
        const ChannelEntry entry = RecordOf(app->document, VfoPage::Air);
        QCOMPARE(entry.RxFrequency, 115000000);
        QCOMPARE(entry.ShiftMode, kShiftSplit);
        QCOMPARE(entry.TxFrequency, 118000000);
        QVERIFY(app->document.Modified());
        QVERIFY(Lists(app->document, "air.transmit_frequency=118.00000"));
    }

    // The tone edit opens the tone list on Enter; Cancel keeps the tone, typed characters are never applied.
    void VfoHomeToneComesFromThePickList() {
        auto app = workspace_.MakeApp();
        StoreRecord(app->document, VfoPage::Home, [](ChannelEntry& e) {
            e.RxFrequency = 146000000;
            e.Mode = e.Band = kBandExp;
            e.ToneType = kToneCtcss;
            e.CtcssIndex = 8;
        });
        const CloneImage before = app->document.Image();
        VfoSheet sheet(app->document);
        Show(&sheet);
        sheet.Tabs()->setCurrentIndex(sheet.Tabs()->count() - 1);
        CUndoLockEdit* tone = sheet.PageForm(VfoPage::Home)->Edit(5154);
        QCOMPARE(tone->text(), QStringLiteral(" 88.5"));
        Focus(tone);
        test::WhenDialogShows<CTonePickDlg>([](CTonePickDlg* pick) {
            pick->List()->setCurrentRow(20);
            pick->reject();
        });
        QTest::keyClick(tone, Qt::Key_Return);
        QCOMPARE(tone->text(), QStringLiteral(" 88.5"));
        QTest::keyClicks(tone, QStringLiteral("9"));
        QApplication::setActiveWindow(&sheet);  // back from the pick list
        Focus(sheet.PageForm(VfoPage::Home)->Edit(5151));
        QCOMPARE(tone->text(), QStringLiteral(" 88.5"));
        Focus(tone);
        test::WhenDialogShows<CTonePickDlg>([](CTonePickDlg* pick) {
            pick->List()->setCurrentRow(20);
            pick->accept();
        });
        QTest::keyClick(tone, Qt::Key_Return);
        QCOMPARE(tone->text(), QStringLiteral("131.8"));
        sheet.reject();
        QCOMPARE(app->document.Image(), before);  // Cancel writes nothing
        QVERIFY(!app->document.Modified());
    }

    // The command opens the sheet: VHF Expansion is there only while Gray Expansion is on.
    void VfoHomeCommandOpensTheSheet() {
        auto app = workspace_.MakeApp();
        for (const std::uint32_t gray : {0u, 1u}) {
            app->document.Settings().GrayExpansion = gray;
            test::ShownWindow shown(*app);
            int pages = 0;
            test::WhenDialogShows<VfoSheet>([&pages](VfoSheet* sheet) {
                pages = sheet->Tabs()->count();
                sheet->reject();
            });
            shown.window.Action(command::kVfoHome)->trigger();
            QCOMPARE(pages, gray ? 4 : 3);
        }
    }

    // The sheet's OK is one undoable step named after it; Ctrl+Z gives back the record from before.
    void VfoHomeOkIsOneUndoStep() {
        auto app = workspace_.MakeApp();
        test::ShownWindow shown(*app);
        const CloneImage before = app->document.Image();
        test::WhenDialogShows<VfoSheet>([](VfoSheet* sheet) {
            TypeInto(sheet->PageForm(VfoPage::Air)->Edit(5041), "115");
            QTest::mouseClick(sheet->Buttons()->button(QDialogButtonBox::Ok), Qt::LeftButton);
        });
        shown.window.Action(command::kVfoHome)->trigger();
        QCOMPARE(shown.window.Action(command::kEditUndo)->text(), QStringLiteral("&Undo VFO && HOME"));
        shown.window.Action(command::kEditUndo)->trigger();
        QCOMPARE(app->document.Image(), before);
    }

private:
    test::Workspace workspace_;
};

}  // namespace tarn::gui

QTEST_MAIN(tarn::gui::SettingsEditorsTest)
#include "SettingsEditorsTest.moc"
