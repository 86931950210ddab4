#include "app/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTime>
#include <QTableView>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include "align/AlignCommand.h"
#include "app/AppContext.h"
#include "app/AppStrings.h"
#include "app/ClockText.h"
#include "app/CommandIds.h"
#include "app/ConfigurationDialog.h"
#include "app/GuiPrompter.h"
#include "app/HelpContext.h"
#include "app/HelpContextProperty.h"
#include "app/ItemTexts.h"
#include "app/LockKeyPanes.h"
#include "app/StringText.h"
#include "app/ToolbarIcons.h"
#include "app/UserGuideLocation.h"
#include "app/VisibleDialog.h"
#include "app/TransferCommand.h"
#include "app/UndoMenuTexts.h"
#include "app/UserDataFolder.h"
#include "app/WindowPlacement.h"
#include "channels/ChannelCommands.h"
#include "channels/ChannelTableModel.h"
#include "channels/ChannelView.h"
#include "csv/CsvCommands.h"
#include "filedata/FileDataDialog.h"
#include "link/AccessGauge.h"
#include "print/ListingPrinter.h"
#include "settings/Latin1.h"
#include "settings/SettingsCommands.h"

namespace tarn::gui {
namespace {

constexpr int kClockIntervalMs = 1000;

}  // namespace

QUrl HelpUrl(int context, bool finder) {
    const std::string guide = UserGuidePath(QCoreApplication::applicationDirPath().toStdString());
    QUrl url = QUrl::fromLocalFile(QDir::cleanPath(QString::fromStdString(guide)));
    const std::string_view section = HelpSection({finder, context});
    if (!section.empty()) url.setFragment(Latin1(section));
    return url;
}

MainWindow::MainWindow(AppContext& app, QWidget* parent)
    : QMainWindow(parent),
      app_(app),
      view_(new ChannelView(app, this)),
      channelCommands_(std::make_unique<ChannelCommands>(app.document, app.prompter, *view_)),
      listingPrinter_(new ListingPrinter(app, this)),
      activeTable_(&EnableTableFor(app.maintenanceMode)) {
    setCentralWidget(view_);
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    view_->SetContextMenu(editMenu_);
    connect(view_, &ChannelView::GroupShown, this, &MainWindow::UpdateCommands);
    connect(view_, &ChannelView::StatusMessage, this, [this](const QString& text) { statusBar()->showMessage(text); });
    connect(listingPrinter_, &ListingPrinter::PrinterChanged, this, [this] { Refresh(2); });
    connect(view_, &ChannelView::FileDataRequested, this, [this] {
        RunFileDataCommand(app_.document, this);
        view_->Refresh();
    });

    PlaceOnScreen();

    helpOpener_ = [this](const QUrl& url) {
        const std::string path = url.toLocalFile().toStdString();
        if (!QFileInfo::exists(url.toLocalFile())) {
            app_.prompter.Tell("The user guide is missing:\n" + path, MessageIcon::Exclamation);
        } else if (!QDesktopServices::openUrl(url)) {
            app_.prompter.Tell("No web browser could be started to show the user guide.\n"
                               "Open it in a browser yourself:\n" + path,
                               MessageIcon::Information);
        }
    };
    qApp->installEventFilter(this);

    app.document.SetObserver(this);
    TitleChanged(app.document.Title());
    RebuildRecentFiles();
    UpdateCommands();
}

void MainWindow::PlaceOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, kMinWindowWidth, kMinWindowHeight);
    const ScreenArea available{area.x(), area.y(), area.width(), area.height()};
    const WindowSize minimum = MinimumWindowSize(available);
    const WindowSize size = OpeningWindowSize({app_.settings.windowWidth, app_.settings.windowHeight}, available);
    const WindowPosition place = CentredWindowPosition(size, available);
    setMinimumSize(minimum.width, minimum.height);
    resize(size.width, size.height);
    move(place.x, place.y);
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    app_.document.SetObserver(nullptr);
}

QAction* MainWindow::AddCommand(QMenu* menu, int id, const QString& text, void (MainWindow::*slot)(),
                                const QKeySequence& shortcut) {
    return AddCommand(menu, id, text, [this, slot] { (this->*slot)(); }, shortcut);
}

QAction* MainWindow::AddCommand(QMenu* menu, int id, const QString& text, std::function<void()> run,
                                const QKeySequence& shortcut) {
    auto* action = new QAction(text, this);
    action->setData(id);
    if (!shortcut.isEmpty()) action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, [this, id, run = std::move(run)] {
        // An open cell edit is stored before any command reads or replaces the channels; Copy and
        // Paste act on the edit box itself.
        if (id != command::kEditCopy && id != command::kEditPaste) view_->CommitEdit();
        run();
    });
    if (menu) menu->addAction(action);
    actions_[id] = action;
    return action;
}

QAction* MainWindow::Action(int commandId) const {
    const auto it = actions_.find(commandId);
    return it == actions_.end() ? nullptr : it->second;
}

void MainWindow::CreateMenus() {
    using namespace command;
    fileMenu_ = menuBar()->addMenu(QStringLiteral("&File"));
    AddCommand(fileMenu_, kFileNew, QStringLiteral("&New"), &MainWindow::OnNew, QKeySequence(Qt::CTRL | Qt::Key_N));
    AddCommand(fileMenu_, kFileOpen, QStringLiteral("&Open..."), &MainWindow::OnOpen, QKeySequence(Qt::CTRL | Qt::Key_O));
    AddCommand(fileMenu_, kFileSave, QStringLiteral("&Save"), &MainWindow::OnSave, QKeySequence(Qt::CTRL | Qt::Key_S));
    AddCommand(fileMenu_, kFileSaveAs, QStringLiteral("Save &As..."), &MainWindow::OnSaveAs);
    fileMenu_->addSeparator();
    AddCommand(fileMenu_, kFilePrint, QStringLiteral("&Print..."), &MainWindow::OnPrint,
               QKeySequence(Qt::CTRL | Qt::Key_P));
    AddCommand(fileMenu_, kFilePrintPreview, QStringLiteral("Print Pre&view"), &MainWindow::OnPrintPreview);
    AddCommand(fileMenu_, kFilePrintSetup, QStringLiteral("P&rint Setup..."), &MainWindow::OnPrintSetup);
    fileMenu_->addSeparator();
    AddCommand(fileMenu_, kImportCsv, QStringLiteral("&Import Channels (CSV)..."), &MainWindow::OnImportCsv);
    AddCommand(fileMenu_, kExportCsv, QStringLiteral("&Export Channels (CSV)..."), &MainWindow::OnExportCsv);
    fileMenu_->addSeparator();
    AddCommand(fileMenu_, kConfigure, QStringLiteral("&Configure"), &MainWindow::OnConfigure);
    recentSeparator_ = fileMenu_->addSeparator();
    fileMenu_->addSeparator();
    AddCommand(fileMenu_, kAppExit, QStringLiteral("E&xit"), &MainWindow::OnExit);

    editMenu_ = menuBar()->addMenu(QStringLiteral("&Edit"));
    AddCommand(editMenu_, kEditUndo, QStringLiteral("&Undo"), &MainWindow::OnUndo, QKeySequence(Qt::CTRL | Qt::Key_Z));
    QAction* redo = AddCommand(editMenu_, kEditRedo, QStringLiteral("&Redo"), &MainWindow::OnRedo);
    redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    editMenu_->addSeparator();
    QAction* copy = AddCommand(editMenu_, kEditCopy, QStringLiteral("&Copy"), &MainWindow::OnCopy);
    copy->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)});
    QAction* paste = AddCommand(editMenu_, kEditPaste, QStringLiteral("&Paste"), &MainWindow::OnPaste);
    paste->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)});
    AddChannelCommands();

    viewMenu_ = menuBar()->addMenu(QStringLiteral("&View"));
    QMenu* viewMenu = viewMenu_;
    QMenu* itemMenu = viewMenu->addMenu(QStringLiteral("&Item"));
    AddCommand(itemMenu, kVisible, QStringLiteral("&Visible..."), &MainWindow::OnVisible);
    itemMenu->addSeparator();
    for (int i = 0; i < kItemCount; ++i) {
        auto* action = new QAction(Latin1(kItemMenuTexts[i]), this);
        action->setCheckable(true);
        action->setData(kItemFirstCommand + i);
        connect(action, &QAction::triggered, this, [this, i] {
            view_->ToggleItem(i);
            UpdateCommands();
        });
        itemMenu->addAction(action);
        actions_[kItemFirstCommand + i] = action;
    }

    QMenu* commonMenu = menuBar()->addMenu(QStringLiteral("&Common"));
    AddCommand(commonMenu, kSystem, QStringLiteral("&System..."), &MainWindow::OnSystem);
    AddCommand(commonMenu, kCommon, QStringLiteral("&Common..."), &MainWindow::OnCommon);
    AddCommand(commonMenu, kVfoHome, QStringLiteral("&VFO && HOME..."), &MainWindow::OnVfoHome);

    QMenu* radioMenu = menuBar()->addMenu(QStringLiteral("&Radio"));
    AddCommand(radioMenu, kUpload, QStringLiteral("&Upload"), &MainWindow::OnUpload);
    AddCommand(radioMenu, kDownload, QStringLiteral("&Download"), &MainWindow::OnDownload);
    radioMenu->addSeparator();
    AddCommand(radioMenu, kOpenBackupFolder, QStringLiteral("Open &Backup Folder"), &MainWindow::OnOpenBackupFolder);

    QMenu* alignMenu = menuBar()->addMenu(QStringLiteral("&Alignment"));
    AddCommand(alignMenu, kAlign, QStringLiteral("&Align..."), &MainWindow::OnAlign);

    QMenu* helpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    AddCommand(helpMenu, kHelpFinder, QStringLiteral("&Help Topics"), &MainWindow::OnHelpTopics);
    AddCommand(helpMenu, kGetStarted, QStringLiteral("&Get Started"), &MainWindow::OnGetStarted);
    AddCommand(helpMenu, kCommonProblems, QStringLiteral("&Common Problems"), &MainWindow::OnCommonProblems);
    helpMenu->addSeparator();
    AddCommand(helpMenu, kAbout, QStringLiteral("&About Tarn..."), &MainWindow::OnAbout);

    for (QMenu* menu : {fileMenu_, editMenu_, viewMenu, itemMenu, commonMenu, radioMenu, alignMenu, helpMenu}) {
        connect(menu, &QMenu::aboutToShow, this, &MainWindow::UpdateCommands);
    }
}

void MainWindow::AddChannelCommands() {
    using namespace command;
    ChannelCommands& channels = *channelCommands_;
    editMenu_->addSeparator();
    AddCommand(editMenu_, kMoveChannelsUp, QStringLiteral("&Move Up"), [&channels] { channels.Move(-1); },
               QKeySequence(Qt::CTRL | Qt::Key_Up));
    AddCommand(editMenu_, kMoveChannelsDown, QStringLiteral("Move &Down"), [&channels] { channels.Move(1); },
               QKeySequence(Qt::CTRL | Qt::Key_Down));
    AddCommand(editMenu_, kInsertEmptyChannel, QStringLiteral("&Insert Empty Channel"),
               [&channels] { channels.InsertEmpty(); }, QKeySequence(Qt::Key_Insert));
    AddCommand(editMenu_, kDeleteChannels, QStringLiteral("D&elete Channels"), [&channels] { channels.Delete(); },
               QKeySequence(Qt::Key_Delete));
    editMenu_->addSeparator();
    AddCommand(editMenu_, kSortByFrequency, QStringLiteral("Sort by &Frequency"),
               [&channels] { channels.Sort(SortKey::Frequency); });
    AddCommand(editMenu_, kSortByTag, QStringLiteral("Sort by &TAG"), [&channels] { channels.Sort(SortKey::Tag); });
}

void MainWindow::CreateToolBar() {
    using namespace command;
    QToolBar* bar = addToolBar(QStringLiteral("Toolbar"));
    bar->setObjectName(QStringLiteral("toolbar"));
    bar->setAllowedAreas(Qt::AllToolBarAreas);
    auto add = [&](int id, ToolbarIcon icon, const QString& tip) {
        QAction* action = Action(id);
        action->setIcon(MakeToolbarIcon(icon, style()));
        action->setToolTip(tip);
        bar->addAction(action);
    };
    add(kFileNew, ToolbarIcon::New, QStringLiteral("New (Ctrl+N)"));
    add(kFileOpen, ToolbarIcon::Open, QStringLiteral("Open (Ctrl+O)"));
    bar->addSeparator();
    add(kFileSave, ToolbarIcon::Save, QStringLiteral("Save (Ctrl+S)"));
    bar->addSeparator();
    add(kEditCopy, ToolbarIcon::Copy, QStringLiteral("Copy (Ctrl+C)"));
    add(kEditPaste, ToolbarIcon::Paste, QStringLiteral("Paste (Ctrl+V)"));
    bar->addSeparator();
    add(kFilePrint, ToolbarIcon::Print, QStringLiteral("Print (Ctrl+P)"));
    bar->addSeparator();
    add(kDownload, ToolbarIcon::Download, QStringLiteral("Download: write the image into the radio"));
    add(kUpload, ToolbarIcon::Upload, QStringLiteral("Upload: read the radio"));
    bar->addSeparator();
    add(kHelpFinder, ToolbarIcon::Help, QStringLiteral("Help"));
    viewMenu_->addSeparator();
    QAction* showBar = bar->toggleViewAction();
    showBar->setText(QStringLiteral("&Toolbar"));
    viewMenu_->addAction(showBar);
}

void MainWindow::CreateStatusBar() {
    idleLabel_ = new QLabel(StringText(app_strings::kIdleMessage), this);
    clockLabel_ = new QLabel(this);
    clockLabel_->setAlignment(Qt::AlignCenter);
    clockLabel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    clockLabel_->setMinimumWidth(clockLabel_->fontMetrics().horizontalAdvance(QStringLiteral(" 00:00 ")) + 8);
    statusBar()->addWidget(idleLabel_, 1);
    new LockKeyPanes(statusBar());
    statusBar()->addPermanentWidget(clockLabel_);
    auto* timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this] {
        UpdateClock();
        UpdateCommands();
    });
    timer->start(kClockIntervalMs);
    UpdateClock();
    QAction* showStatus = viewMenu_->addAction(QStringLiteral("&Status Bar"));
    showStatus->setCheckable(true);
    showStatus->setChecked(true);
    connect(showStatus, &QAction::toggled, statusBar(), &QStatusBar::setVisible);
}

QString MainWindow::ClockPaneText() const { return clockLabel_->text(); }
QString MainWindow::IdleText() const { return idleLabel_->text(); }

void MainWindow::UpdateClock() {
    const QTime now = QTime::currentTime();
    clockLabel_->setText(QString::fromStdString(ClockText(now.hour(), now.minute())));
}

void MainWindow::UpdateCommands() {
    for (auto& [id, action] : actions_) {
        if (id >= kItemFirstCommand && id < kItemFirstCommand + kItemCount) {
            action->setChecked(app_.settings.itemVisible[id - kItemFirstCommand] == 1);
        } else {
            action->setEnabled(IsCommandEnabled(*activeTable_, id));
        }
    }
    const EditHistory& history = app_.document.History();
    QAction* undo = Action(command::kEditUndo);
    QAction* redo = Action(command::kEditRedo);
    undo->setText(QString::fromStdString(UndoMenuText(history)));
    redo->setText(QString::fromStdString(RedoMenuText(history)));
    undo->setEnabled(undo->isEnabled() && history.CanUndo());
    redo->setEnabled(redo->isEnabled() && history.CanRedo());
    for (int id : {command::kMoveChannelsUp, command::kMoveChannelsDown, command::kInsertEmptyChannel,
                   command::kDeleteChannels, command::kSortByFrequency, command::kSortByTag}) {
        Action(id)->setEnabled(channelCommands_->CanReorder());
    }
}

void MainWindow::RebuildRecentFiles() {
    for (QAction* a : recentActions_) {
        fileMenu_->removeAction(a);
        a->deleteLater();
    }
    recentActions_.clear();
    const auto& entries = app_.recent.Entries();
    QAction* before = fileMenu_->actions().at(fileMenu_->actions().indexOf(recentSeparator_) + 1);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        auto* action = new QAction(QString::fromStdString(RecentFileMenuText(i, entries[i])), this);
        action->setData(command::kRecentFileFirst + static_cast<int>(i));
        action->setStatusTip(QString::fromStdString(entries[i]));
        connect(action, &QAction::triggered, this, [this, i] { OnOpenRecent(i); });
        fileMenu_->insertAction(before, action);
        recentActions_.push_back(action);
    }
    recentSeparator_->setVisible(!entries.empty());
}

void MainWindow::Refresh(int mode) {
    if (mode == 1) {
        view_->Refresh();
        ChooseCommandTable();
    } else if (mode == 2) {
        view_->FillHeaderPanel();
    }
}

void MainWindow::RefreshAllViews() { view_->Refresh(); }

void MainWindow::TitleChanged(const std::string& title) {
    const int titleId = app_.maintenanceMode ? app_strings::kMaintenanceTitle : app_strings::kTitle;
    setWindowTitle(QString::fromStdString(title) + QStringLiteral(" - ") + StringText(titleId));
}

void MainWindow::ChooseCommandTable() {
    activeTable_ = &EnableTableFor(app_.maintenanceMode);
    UpdateCommands();
}

void MainWindow::HistoryChanged() { UpdateCommands(); }

void MainWindow::AddRecentFile(const std::string& path) {
    app_.RememberRecentFile(path);
    RebuildRecentFiles();
}

void MainWindow::BringToFront() {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

void MainWindow::OnExit() { close(); }

void MainWindow::OnNew() { app_.document.New(); }
void MainWindow::OnOpen() { app_.document.Open(); }
void MainWindow::OnSave() { app_.document.Save(); }
void MainWindow::OnSaveAs() { app_.document.SaveAs(); }

void MainWindow::OnImportCsv() {
    if (RunImportChannelsCsv(this, app_)) Refresh(1);
}

void MainWindow::OnExportCsv() { RunExportChannelsCsv(app_); }

void MainWindow::OnOpenRecent(std::size_t index) {
    if (index >= app_.recent.Entries().size()) return;
    view_->CommitEdit();
    const std::string path = app_.recent.Entries()[index];
    if (!app_.document.PromptSaveModified()) return;
    if (!app_.document.OpenDocument(path)) {
        app_.recent.Remove(index);
        app_.ini.WriteRecentFiles(app_.recent);
        RebuildRecentFiles();
    }
}

void MainWindow::OnPrint() { listingPrinter_->Print(); }
void MainWindow::OnPrintPreview() { listingPrinter_->Preview(); }
void MainWindow::OnPrintSetup() { listingPrinter_->Setup(); }

void MainWindow::OnConfigure() {
    ConfigurationDialog dialog(app_.settings, FindSerialDevices(), this);
    if (dialog.exec() == QDialog::Accepted) {
        const ProgramSettings chosen = dialog.Result();
        app_.settings.portType = chosen.portType;
        app_.settings.comPort = chosen.comPort;
        app_.settings.portName = chosen.portName;
        app_.settings.serialTrace = chosen.serialTrace;
        app_.ini.WritePort(app_.settings);
        app_.ApplyTraceChoice();
        app_.port.Apply(app_.settings, app_.prompter);
    }
    Refresh(2);
}

void MainWindow::OnSystem() {
    RunSystemCommand(app_.document, app_.maintenanceMode, this);
    Refresh(1);
}

void MainWindow::OnCommon() {
    RunCommonCommand(app_.document, this);
    Refresh(1);
}

void MainWindow::OnVfoHome() {
    RunVfoHomeCommand(app_.document, this);
    Refresh(1);
}

void MainWindow::OnUpload() { RunTransfer(TransferOperation::Upload); }
void MainWindow::OnDownload() { RunTransfer(TransferOperation::Download); }

void MainWindow::OnOpenBackupFolder() {
    // The folder exists before the first backup too, so the file manager always has something to show.
    const QString folder = QString::fromStdString(BackupFolder());
    if (!QDir().mkpath(folder) || !QDesktopServices::openUrl(QUrl::fromLocalFile(folder))) {
        app_.prompter.Tell("The backup folder cannot be opened: " + folder.toStdString(), MessageIcon::Exclamation);
    }
}

void MainWindow::OnAlign() {
    RunAlignCommand(app_, this, [this] { Refresh(1); });
}

void MainWindow::RunTransfer(TransferOperation operation) {
    TransferCommand command(operation, app_.document, app_.port, app_.settings, app_.maintenanceMode);
    TransferRequest request = command.Request();
    request.trace = app_.trace;
    CAccessGauge gauge(request, command.Port(), command.WorkImage(), app_.prompter, this);
    const bool cancelled = gauge.exec() != QDialog::Accepted;
    command.Finish({cancelled, gauge.Job().ImageReplaced(), gauge.Job().RadioInAlignMode()});
    Refresh(1);
}

void MainWindow::StepHistory(bool (Document::*step)()) {
    const QModelIndex cell = view_->Grid()->currentIndex();
    (app_.document.*step)();
    if (cell.isValid()) view_->GoToCell(cell.row(), cell.column());
}

void MainWindow::OnUndo() { StepHistory(&Document::Undo); }
void MainWindow::OnRedo() { StepHistory(&Document::Redo); }

void MainWindow::OnCopy() {
    if (view_->Copy()) return;
    if (auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget())) edit->copy();
}

void MainWindow::OnPaste() {
    if (view_->Paste()) return;
    if (auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget())) edit->paste();
}

void MainWindow::OnVisible() {
    VisibleDialog dialog(app_.settings.itemVisible, this);
    if (dialog.exec() == QDialog::Accepted) {
        app_.settings.itemVisible = dialog.Result();
        view_->Refresh();
    }
    app_.ini.WriteItems(app_.settings);
    UpdateCommands();
}

void MainWindow::OnHelpTopics() { helpOpener_(HelpUrl(0, true)); }
void MainWindow::OnGetStarted() { RequestHelp(CommandHelpContext(command::kGetStarted)); }
void MainWindow::OnCommonProblems() { RequestHelp(CommandHelpContext(command::kCommonProblems)); }

void MainWindow::RequestHelp(int context) {
    const HelpRequest request = FilterHelpRequest(context, view_->CurrentColumn());
    helpOpener_(HelpUrl(request.context, request.finder));
}

void MainWindow::OnAbout() {
    QMessageBox::about(this, QStringLiteral("About ") + ProgramTitle(),
                       QStringLiteral("<h3>Tarn %1</h3>"
                                      "<p>Programming software for the Corvane handheld air-band transceiver.</p>"
                                      "<p>Reads the radio over its programming cable, edits its channels and "
                                      "settings, keeps them in image files and writes them back.</p>")
                           .arg(QStringLiteral(TARN_VERSION)));
}

void MainWindow::OnLaterCommand() {
    auto* action = qobject_cast<QAction*>(sender());
    const QString name = action ? action->text().remove(QLatin1Char('&')).remove(QStringLiteral("...")) : QString();
    statusBar()->showMessage(QStringLiteral("%1 is not available in this version of Tarn.").arg(name), 4000);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && watched->isWidgetType()) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_F1) {
            // Shift+F1 does nothing. F1 goes to the focused control first: its own help context, or
            // that of the page or dialog around it; in the main window, the grid column's.
            if (key->modifiers() & Qt::ShiftModifier) return true;
            auto* target = static_cast<QWidget*>(watched);
            const QVariant own = HelpContextOf(target);
            if (own.isValid()) {
                RequestHelp(own.toInt());
            } else if (target->window() == this) {
                RequestHelp(kMainWindowHelpContext);
            } else {
                return false;
            }
            return true;
        }
        if (key->key() == Qt::Key_F10 && key->modifiers() == Qt::NoModifier && QApplication::activeWindow() == this &&
            !menuBar()->actions().isEmpty()) {
            menuBar()->setActiveAction(menuBar()->actions().first());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::WriteConfiguration() {
    app_.settings.windowWidth = width();
    app_.settings.windowHeight = height();
    app_.ini.WriteAtClose(app_.settings);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    view_->CommitEdit();
    if (!app_.document.PromptSaveModified()) {
        event->ignore();
        return;
    }
    WriteConfiguration();
    event->accept();
}

}  // namespace tarn::gui
