// File > Import Channels (CSV): the preview of the chosen mode's report before anything changes, then the
// import with the grid redrawn. What each mode imports is the core's.
#include <QFile>

#include "GuiTestSupport.h"
#include "app/CommandIds.h"
#include "csv/CsvImportDialog.h"

namespace tarn::gui {

class CsvImportTest : public QObject {
    Q_OBJECT
private slots:
    // Cancel leaves the channels; Import takes the mode's result and redraws the grid.
    void ImportShowsTheReportForTheChosenModeThenAppliesIt() {
        test::Workspace workspace;
        auto app = workspace.MakeApp();
        test::ShownWindow shown(*app);
        QFile file(workspace.File(QStringLiteral("list.csv")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Location,Name,Frequency\r\n1,TOWER,118.100000\r\n2,FAR,446.000000\r\n");
        file.close();
        for (const bool import : {false, true}) {
            workspace.prompter.files.push_back(file.fileName().toStdString());
            QString report;
            test::WhenDialogShows<CsvImportDialog>([&](CsvImportDialog* dialog) {
                dialog->SetMode(CsvImportMode::Replace);
                report = dialog->ReportText();
                QCOMPARE(app->document.Channels().Entries[0].RxFrequency, 118000000);  // not yet
                import ? dialog->accept() : dialog->reject();
            });
            shown.window.Action(command::kImportCsv)->trigger();
            QVERIFY(report.endsWith(QStringLiteral("1 channel imported into MR 1, 0 adapted, 1 skipped\n")));
            QCOMPARE(app->document.Modified(), import);
            QCOMPARE(app->document.Channels().Entries[0].RxFrequency, import ? 118100000 : 118000000);
        }
        const QAbstractItemModel* grid = shown.window.View()->Grid()->model();
        QVERIFY(grid->data(grid->index(0, 3)).toString().startsWith(QStringLiteral("TOWER")));
    }
};

}  // namespace tarn::gui

QTEST_MAIN(tarn::gui::CsvImportTest)
#include "CsvImportTest.moc"
