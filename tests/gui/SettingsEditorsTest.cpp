// The System Parameters dialog and the Common and VFO & HOME sheets as the main window's commands open them:
// keys reach the core's editor, OK is one undoable step, Cancel leaves everything. The rules behind the rows
// are the core's and tested there.
#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <algorithm>
#include <functional>
#include <utility>

#include "GuiTestSupport.h"
#include "app/CommandIds.h"
#include "channels/PickListDialog.h"
#include "channels/UndoLockEdit.h"
#include "settings/EnterComboBox.h"
#include "settings/PromptStatusBar.h"
#include "settings/PtSheetS.h"
#include "settings/SettingsForm.h"
#include "settings/SettingsPage.h"
#include "settings/SettingsScript.h"
#include "settings/SystemParamDlg.h"

namespace tarn::gui {
namespace {

void Focus(QWidget* control) {
    control->setFocus();
    QApplication::processEvents();
}

void TypeInto(CUndoLockEdit* edit, const char* keys) {
    Focus(edit);
    QTest::keyClicks(edit, QString::fromLatin1(keys));
    QTest::keyClick(edit, Qt::Key_Return);
}

// The form of the sheet's page at `index`, brought to the front.
SettingsForm* FrontPage(QDialog* editor, int index) {
    QTabWidget* tabs = qobject_cast<CPtSheetS*>(editor)->Tabs();
    tabs->setCurrentIndex(index);
    return static_cast<SettingsPage*>(tabs->currentWidget())->Form();
}

// Whether the command line's listing of the document holds `line`: it must say what the editors showed.
bool Lists(Document& document, const char* line) {
    const auto lines = SettingsScript(document, true).Lines();
    return std::find(lines.begin(), lines.end(), std::string(line)) != lines.end();
}

// A change made by keys in the editor that `command` opens, the prompt of the control it ends on, and the
// listing lines it makes true.
struct KeyEdit {
    int command;
    const char* undoText;
    const char* prompt;
    std::function<void(QDialog*)> edit;
    std::vector<const char*> listed;
};

const KeyEdit kKeyEdits[] = {
    {command::kSystem, "&Undo System Parameters", "Select ANL Status (Off/On)",
     [](QDialog* editor) {
         CEnterComboBox* anl = static_cast<CSystemParamDlg*>(editor)->Form()->List(2425);
         Focus(anl);
         QTest::keyClick(anl, Qt::Key_Down);  // ANL Status Off -> On
     },
     {"system.anl_status=On"}},
    {command::kCommon, "&Undo Common", "Edit Temperature Check Data (0-90 step 1)",
     [](QDialog* editor) {
         CUndoLockEdit* check = FrontPage(editor, static_cast<int>(CommonPage::MiscSetup))->Edit(4861);
         TypeInto(check, "150");
         QCOMPARE(check->text(), QStringLiteral("110"));  // the editor's correction is shown at once
     },
     {"common.temp_check_data=110"}},
    {command::kVfoHome, "&Undo VFO && HOME", "Edit CTCSS/DCS Enc&Dec",
     [](QDialog* editor) {
         const SettingsForm* vhf = FrontPage(editor, 1);
         TypeInto(vhf->Edit(5071), "146.5");
         Focus(vhf->List(5086));
         QTest::keyClick(vhf->List(5086), Qt::Key_Down);  // Sub Audio Type Off -> CTCSS
         Focus(vhf->Edit(5074));  // the tone edit is not typed into: Enter opens the tone list
         test::WhenDialogShows<CTonePickDlg>([](CTonePickDlg* pick) {
             pick->List()->setCurrentRow(20);
             pick->accept();
         });
         QTest::keyClick(vhf->Edit(5074), Qt::Key_Return);
     },
     {"vhf_expansion.receive_frequency=146.50000", "vhf_expansion.ctcss_dcs_enc_dec=131.8"}},
};

}  // namespace

class SettingsEditorsTest : public QObject {
    Q_OBJECT
private slots:
    // OK stores what the keys changed as one step named after the editor, which Undo takes back; Cancel
    // leaves the settings, the image, the Modified flag and the undo history as they were. Enter only ends
    // the typing, and the status line follows the focus.
    void OkIsOneUndoableStepAndCancelLeavesEverything() {
        for (const KeyEdit& k : kKeyEdits) {
            for (const bool ok : {true, false}) {
                auto app = workspace_.MakeApp();
                app->document.Settings().GrayExpansion = 1;  // VHF Expansion is there
                app->document.EncodeImage();
                test::ShownWindow shown(*app);
                const CloneImage before = app->document.Image();
                test::WhenDialogShows<CPromptDialog>([&k, ok](CPromptDialog* editor) {
                    k.edit(editor);
                    QVERIFY(editor->isVisible());
                    QCOMPARE(editor->Prompts()->FirstLine(), QString::fromLatin1(k.prompt));
                    const auto button = ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel;
                    QTest::mouseClick(editor->findChild<QDialogButtonBox*>()->button(button), Qt::LeftButton);
                });
                shown.window.Action(k.command)->trigger();
                for (const char* line : k.listed) QVERIFY2(Lists(app->document, line) == ok, line);
                QAction* undo = shown.window.Action(command::kEditUndo);
                QCOMPARE(std::pair(app->document.Modified(), undo->isEnabled()), std::pair(ok, ok));
                if (ok) {
                    QCOMPARE(undo->text(), QString::fromLatin1(k.undoText));
                    undo->trigger();
                }
                QCOMPARE(app->document.Image(), before);
            }
        }
    }

    // Each command opens its editor, F1 in it gives the guide at the editor's section, and VFO & HOME shows
    // VHF Expansion only while Gray Expansion is on.
    void CommandsOpenTheEditorsWithTheirPagesAndHelp() {
        struct Case { int command; std::uint32_t grayExpansion; int pages; const char* section; };
        const Case cases[] = {{command::kSystem, 0, 0, "system-parameters"},
                              {command::kCommon, 0, 4, "common-settings"},
                              {command::kVfoHome, 0, 3, "vfo-home"},
                              {command::kVfoHome, 1, 4, "vfo-home"}};
        for (const Case& c : cases) {
            auto app = workspace_.MakeApp();
            app->document.Settings().GrayExpansion = c.grayExpansion;
            test::ShownWindow shown(*app);
            int pages = 0;
            test::WhenDialogShows<QDialog>([&pages](QDialog* editor) {
                auto* sheet = qobject_cast<CPtSheetS*>(editor);
                if (sheet) pages = sheet->Tabs()->count();
                QTest::keyClick(sheet ? sheet->Tabs()->currentWidget() : editor, Qt::Key_F1);
                editor->reject();
            });
            shown.window.Action(c.command)->trigger();
            QCOMPARE(pages, c.pages);
            QCOMPARE(shown.opened.size(), std::size_t{1});
            QCOMPARE(shown.opened[0].fragment(), QString::fromLatin1(c.section));
        }
    }

private:
    test::Workspace workspace_;
};

}  // namespace tarn::gui

QTEST_MAIN(tarn::gui::SettingsEditorsTest)
#include "SettingsEditorsTest.moc"
