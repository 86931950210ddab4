#pragma once
// The main window: menus, toolbar, status bar with its clock, the channel view, every command of the
// window with its enabling, and closing with the save prompt.
#include <QMainWindow>
#include <QUrl>
#include <functional>
#include <map>
#include <memory>

#include "app/CommandEnableTable.h"
#include "link/TransferJob.h"
#include "model/DocumentObserver.h"

class QLabel;
class QMenu;

namespace tarn {
class Document;
}

namespace tarn::gui {

struct AppContext;
class ChannelCommands;
class ChannelView;
class ListingPrinter;

class MainWindow : public QMainWindow, public DocumentObserver {
    Q_OBJECT
public:
    explicit MainWindow(AppContext& app, QWidget* parent = nullptr);
    ~MainWindow() override;

    ChannelView* View() const { return view_; }
    // The menu and toolbar action of a command id.
    QAction* Action(int commandId) const;
    QAction* ItemAction(int item) const { return Action(kItemFirstCommand + item); }
    QMenu* EditMenu() const { return editMenu_; }
    QString ClockPaneText() const;
    QString IdleText() const;

    // Refresh after a command: 1 the whole view and the command table, 2 the header panel, 0 nothing.
    void Refresh(int mode);
    // A help request by context number, as the main window filters it.
    void RequestHelp(int context);
    // Where help requests end up: the user guide in the browser, unless a test looks at them.
    void SetHelpOpener(std::function<void(const QUrl&)> opener) { helpOpener_ = std::move(opener); }

    // DocumentObserver
    void RefreshAllViews() override;
    void TitleChanged(const std::string& title) override;
    void ChooseCommandTable() override;
    void AddRecentFile(const std::string& path) override;
    void HistoryChanged() override;

public slots:
    // Brings the window to the front (another start of the program asked for it).
    void BringToFront();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static constexpr int kItemFirstCommand = 32800;

    QAction* AddCommand(QMenu* menu, int id, const QString& text, void (MainWindow::*slot)(),
                        const QKeySequence& shortcut = {});
    QAction* AddCommand(QMenu* menu, int id, const QString& text, std::function<void()> run,
                        const QKeySequence& shortcut = {});
    void CreateMenus();
    void AddChannelCommands();
    void CreateToolBar();
    void CreateStatusBar();
    // The size from the configuration file, held to the screen's available area, and centred on it.
    void PlaceOnScreen();
    void RebuildRecentFiles();
    void UpdateCommands();
    void UpdateClock();
    void WriteConfiguration();

    void OnExit();
    void OnNew();
    void OnOpen();
    void OnSave();
    void OnSaveAs();
    void OnOpenRecent(std::size_t index);
    void OnPrint();
    void OnPrintPreview();
    void OnPrintSetup();
    void OnConfigure();
    void OnSystem();
    void OnCommon();
    void OnImportCsv();
    void OnExportCsv();
    void OnVfoHome();
    void OnUpload();
    void OnDownload();
    void OnOpenBackupFolder();
    // Upload or Download: the port for the run, the model encoded, the progress window, then the
    // outcome taken into the document and the whole view refreshed.
    void RunTransfer(TransferOperation operation);
    void OnAlign();
    // Undo or Redo refreshes the whole view; the cursor stays on the cell the user was in.
    void StepHistory(bool (Document::*step)());
    void OnUndo();
    void OnRedo();
    void OnCopy();
    void OnPaste();
    void OnVisible();
    void OnHelpTopics();
    void OnGetStarted();
    void OnCommonProblems();
    void OnAbout();
    void OnLaterCommand();

    AppContext& app_;
    ChannelView* view_;
    std::unique_ptr<ChannelCommands> channelCommands_;
    ListingPrinter* listingPrinter_;
    const CommandEnableTable* activeTable_;
    std::map<int, QAction*> actions_;
    QMenu* fileMenu_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QAction* recentSeparator_ = nullptr;
    std::vector<QAction*> recentActions_;
    QLabel* idleLabel_ = nullptr;
    QLabel* clockLabel_ = nullptr;
    std::function<void(const QUrl&)> helpOpener_;
};

// The user guide's location for a help request: the guide next to the program, at the request's section.
QUrl HelpUrl(int context, bool finder);

}  // namespace tarn::gui
