#include <QFile>
#include <QTableView>
#include <QTest>

#include "GuiTestSupport.h"
#include "app/CommandIds.h"
#include "csv/CsvImportDialog.h"

namespace tarn::gui {

class CsvImportTest : public QObject {
    Q_OBJECT
private slots:
    // Nothing changes while the preview is up; Import takes the mode's result as one edit and redraws the grid.
    void ImportShowsTheReportForTheChosenModeThenAppliesIt() {
        test::Workspace workspace;
        auto app = workspace.MakeApp();
        test::ShownWindow shown(*app);
        const QString path = workspace.File(QStringLiteral("list.csv"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Location,Name,Frequency\r\n1,TOWER,118.100000\r\n2,FAR,446.000000\r\n");
        file.close();

        for (const bool import : {false, true}) {
            workspace.prompter.files.push_back(path.toStdString());
            QString report;
            test::WhenDialogShows<CsvImportDialog>([&](CsvImportDialog* dialog) {
                QVERIFY(dialog->CanImport());
                dialog->SetMode(CsvImportMode::Replace);
                report = dialog->ReportText();
                QCOMPARE(app->document.Channels().Entries[0].RxFrequency, 118000000);  // not yet
                import ? dialog->accept() : dialog->reject();
            });
            shown.window.Action(command::kImportCsv)->trigger();
            QVERIFY(report.contains(QStringLiteral("line 3: skipped: 446.000000 MHz")));
            QVERIFY(report.endsWith(QStringLiteral("1 channel imported into MR 1, 0 adapted, 1 skipped\n")));
            QCOMPARE(app->document.Modified(), import);
            QCOMPARE(app->document.Channels().Entries[0].RxFrequency, import ? 118100000 : 118000000);
        }
        const QAbstractItemModel* grid = shown.window.View()->Grid()->model();
        QVERIFY(grid->data(grid->index(0, 4)).toString().contains(QStringLiteral("118.10000")));
        QVERIFY(grid->data(grid->index(0, 3)).toString().startsWith(QStringLiteral("TOWER")));
    }
};

}  // namespace tarn::gui

QTEST_MAIN(tarn::gui::CsvImportTest)
#include "CsvImportTest.moc"
