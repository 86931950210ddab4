// Edit > Copy and Edit > Paste on the channel grid and its edit box, through the system clipboard,
// and the whole-channel copy with its question.
#include <QClipboard>
#include <QItemSelectionModel>

#include "GuiTestSupport.h"
#include "app/CommandIds.h"
#include "channels/ChannelTableModel.h"
#include "channels/FilterEdit.h"
#include "channels/InCellEditor.h"
#include "channels/SystemBeep.h"

namespace tarn::gui {
namespace {

void Go(ChannelView& view, int row, int column) {
    view.Grid()->setFocus();
    view.Grid()->setCurrentIndex(view.Model()->index(row, column));
}

QString Cell(const ChannelView& view, int row, int column) { return view.Model()->index(row, column).data().toString(); }

QString Clipboard() { return QGuiApplication::clipboard()->text(); }

// A new document in the main window, and its Edit commands.
struct EditCommands {
    EditCommands() : app(ws.MakeApp()), shown(*app), view(*shown.window.View()) {}
    void Copy() { shown.window.Action(command::kEditCopy)->trigger(); }
    void Paste(const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        shown.window.Action(command::kEditPaste)->trigger();
    }
    test::Workspace ws;
    std::unique_ptr<AppContext> app;
    test::ShownWindow shown;
    ChannelView& view;
};

}  // namespace

class GridClipboardTest : public QObject {
    Q_OBJECT
private slots:
    void CopyPutsTheSelectedCellsOrTheSlotNumber() {
        EditCommands edit;
        ChannelView& view = edit.view;
        Go(view, 0, 9);
        view.Grid()->selectionModel()->select(QItemSelection(view.Model()->index(0, 9), view.Model()->index(1, 10)),
                                              QItemSelectionModel::ClearAndSelect);
        edit.Copy();
        QCOMPARE(Clipboard(), Cell(view, 0, 9) + '\t' + Cell(view, 0, 10) + '\r' + Cell(view, 1, 9) + '\t' +
                                  Cell(view, 1, 10));
        Go(view, 0, 7);
        edit.Copy();
        QCOMPARE(Clipboard(), QStringLiteral("-----"));
        // The channel column gives the slot over the whole table: BOOK 1 is slot 71.
        QTest::keyClick(view.Grid(), Qt::Key_F2);
        Go(view, 0, 0);
        edit.Copy();
        QCOMPARE(Clipboard(), QStringLiteral("71"));
    }

    void PasteBeepsOrRedrawsTheCell() {
        EditCommands edit;
        auto& app = edit.app;
        app->document.Settings().GrayExpansion = 1;
        ChannelEntry& mr1 = app->document.Channels().Entries[0];
        ChannelView& view = edit.view;
        Go(view, 0, 7);
        // An AM channel has no tone: the paste beeps once and changes nothing.
        const int beeps = SystemBeepCount();
        edit.Paste(QStringLiteral("CTCSS"));
        QCOMPARE(SystemBeepCount(), beeps + 1);
        QCOMPARE(mr1.ToneType, kToneNone);
        QVERIFY(!app->document.Modified());

        mr1.Mode = mr1.Band = kBandExp;
        mr1.RxFrequency = 150000000;
        edit.Paste(QStringLiteral("DCS"));
        QCOMPARE(mr1.ToneType, kToneDcs);
        QCOMPARE(Cell(view, 0, 7), QStringLiteral("DCS"));
        QCOMPARE(Cell(view, 0, 8), QStringLiteral("023"));
        QVERIFY(app->document.Modified());
    }

    void PastedSlotNumberCopiesTheChannelAfterTheQuestion() {
        EditCommands edit;
        auto& app = edit.app;
        tarn::test::RecordingPrompter& prompter = edit.ws.prompter;
        ChannelTable& table = app->document.Channels();
        ChannelEntry& book1 = table.Entries[70];
        book1.Empty = 0;
        book1.RxFrequency = 121500000;
        SetTag(book1, "GUARD");
        ChannelView& view = edit.view;

        Go(view, 2, 0);
        prompter.answers = {Answer::No};
        edit.Paste(QStringLiteral("71"));
        QCOMPARE(prompter.shown.back().text, std::string("Do you copy BOOK-ch 1 data to Ch 3?\n"));
        QCOMPARE(prompter.shown.back().icon, MessageIcon::Question);
        QCOMPARE(Cell(view, 2, 3), QStringLiteral("        "));
        QVERIFY(app->document.Modified());  // the paste went through, whatever the answer

        prompter.answers = {Answer::Yes};
        edit.Paste(QStringLiteral("71"));
        QCOMPARE(Cell(view, 2, 0), QStringLiteral("   3"));
        QCOMPARE(Cell(view, 2, 3), QStringLiteral("GUARD   "));
        QCOMPARE(Cell(view, 2, 4), QStringLiteral("121.50000"));
        QCOMPARE(table.Entries[2].Empty, 0u);
    }

    void InTheEditBoxCopyAndPasteActOnItsText() {
        EditCommands edit;
        ChannelView& view = edit.view;
        CFilterEdit* box = view.Editor()->Box();
        Go(view, 0, 3);
        QTest::keyClicks(view.Grid(), "R");
        QTest::keyClicks(box, "WY");
        box->selectAll();
        edit.Copy();
        QCOMPARE(Clipboard(), QStringLiteral("RWY"));
        QVERIFY(box->isVisible());  // Copy and Paste leave the edit open
        edit.Paste(QStringLiteral("TWR"));
        QCOMPARE(box->text(), QStringLiteral("TWR"));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(Cell(view, 0, 3), QStringLiteral("TWR     "));
    }
};

}  // namespace tarn::gui

QTEST_MAIN(tarn::gui::GridClipboardTest)
#include "GridClipboardTest.moc"
