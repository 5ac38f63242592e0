#include "app/main_window.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QSettings>
#include <QStackedWidget>
#include <QStyle>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <tuple>

#include "app/about_dialog.h"
#include "app/communication_dialog.h"
#include "app/data_dir.h"
#include "app/language_dialog.h"
#include "app/list_page_widgets.h"
#include "app/log_view_widget.h"
#include "app/settings_page_widgets.h"
#include "app/sheet_select_dialog.h"
#include "app/ui_text.h"
#include "app/special_page_widget.h"
#include "model/config_dir.h"

namespace dorvik {
namespace {

constexpr int kLayoutVersion = 1;
constexpr int kProgressWidth = 300;
const QSize kViewButton(96, 40);
const QSize kMinimumView(1000, 600);

}  // namespace

CMainWindow::CMainWindow(MainWindowOptions options, QWidget* parent)
    : QMainWindow(parent),
      options_(std::move(options)),
      screenMessages_(this),
      screenFiles_(this),
      status_(new CStatusBarWithProgress(timers_, kProgressWidth, this)) {
    if (options_.dataDir.isEmpty()) options_.dataDir = QString::fromStdString(DataDir());
    setStatusBar(status_);
    FileChooser& files = options_.files ? *options_.files : screenFiles_;
    devices_ = std::make_unique<DeviceLinks>(dispatcher_, Messages());
    Link& serial = options_.serialLink ? *options_.serialLink : devices_->serial;
    Link& modem = options_.modemLink ? *options_.modemLink : devices_->modem;
    frame_ = std::make_unique<CMainFrame>(
        FrameSeams{dispatcher_, timers_, Messages(), files, *status_, *status_, *status_, clock_,
                   serial, modem},
        options_.settingsPath);
    setWindowTitle(Tr(kWindowTitle) + options_.titleSuffix);
    setWindowIcon(AppIcon());
    CreateActions();
    CreateMenus();
    CreateToolBars();
    CreateViews();
    BindCommands();
    FollowRuns();
    frame_->onStartupTick = [this] { OnStartupTick(); };
    ShowCurrentView();
    frame_->Start();
}

CMainWindow::~CMainWindow() {
    // Monitoring threads waiting for this thread are let go before they are joined.
    dispatcher_.Close();
    delete takeCentralWidget();
    pages_.clear();
    logView_ = nullptr;
    frame_.reset();
}

MessageBox& CMainWindow::Messages() {
    return options_.messages ? *options_.messages : screenMessages_;
}

void CMainWindow::CreateActions() {
    for (int i = 0; i < kMenuCommandCount; ++i) actions_[i] = MakeAction(static_cast<MenuCommand>(i), this);
    Action(MenuCommand::AutoOpen)->setChecked(frame_->AutoOpen());
    Action(MenuCommand::ShowToolbar)->setChecked(true);
    Action(MenuCommand::ShowStatusBar)->setChecked(true);
    Action(MenuCommand::Stop)->setIcon(style()->standardIcon(QStyle::SP_BrowserStop));
    Action(MenuCommand::Stop)->setEnabled(false);
}

void CMainWindow::CreateMenus() {
    for (const MenuSpec& spec : MenuSpecs()) {
        QMenu* menu = menuBar()->addMenu(Tr(spec.title));
        for (int i = 0; i < spec.count; ++i) {
            if (spec.items[i]) {
                menu->addAction(Action(*spec.items[i]));
            } else {
                menu->addSeparator();
            }
        }
    }
}

void CMainWindow::CreateToolBars() {
    mainBar_ = addToolBar(Tr("Toolbar"));
    mainBar_->setObjectName(QStringLiteral("mainToolBar"));
    for (const auto& item : MainToolbarSpec()) {
        if (item) {
            mainBar_->addAction(Action(*item));
        } else {
            mainBar_->addSeparator();
        }
    }
    // The View menu's check follows the toolbar also when it is closed otherwise.
    connect(mainBar_, &QToolBar::visibilityChanged, Action(MenuCommand::ShowToolbar),
            &QAction::setChecked);
    CreateViewToolBar();
}

// Two large check buttons, "Setting" and " Log", bound to the View items "1" and "2".
void CMainWindow::CreateViewToolBar() {
    viewBar_ = addToolBar(Tr("View"));
    viewBar_->setObjectName(QStringLiteral("viewToolBar"));
    viewBar_->setIconSize(QSize(32, 32));
    viewBar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    const std::tuple<MenuCommand, IconKind, const char*> buttons[] = {
        {MenuCommand::SettingView, IconKind::SettingView, "Setting"},
        {MenuCommand::LogView, IconKind::LogView, " Log"}};
    for (auto [id, icon, text] : buttons) {
        auto* action = new QAction(PaintedIcon(icon), Tr(text), this);
        action->setCheckable(true);
        connect(action, &QAction::triggered, Action(id), &QAction::trigger);
        connect(Action(id), &QAction::toggled, action, &QAction::setChecked);
        viewBar_->addAction(action);
        QWidget* button = viewBar_->widgetForAction(action);
        button->setFixedSize(kViewButton);
        button->setAccessibleName(action->text());
    }
}

void CMainWindow::CreateViews() {
    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("settingView"));
    const std::pair<PageWidget*, const char*> tabs[] = {
        {new NumberPageWidget(frame_->Phone()), "Phone Numbers"},
        {new SpecialPageWidget(frame_->Special()), "Special Phone Numbers"},
        {new NumberPageWidget(frame_->Alarm()), "Alarm Phone Numbers"},
        {new MsicWidget(frame_->Msic()), "Miscellaneous"},
        {new MultiRelayWidget(frame_->MultiRelay()), "Miscellaneous"},
        {new HousePageWidget(frame_->House()), "House Dial Numbers"},
    };
    for (int i = 0; i < 6; ++i) {
        pages_.push_back(tabs[i].first);
        tabs_->addTab(tabs[i].first, TabIcon(std::min(i, 3)), Tr(tabs[i].second));
    }
    logView_ = new LogViewWidget(frame_->LogView(), frame_->LogPage());
    WireSpreadsheets({{pages_[0], static_cast<int>(SheetList::Phones)},
                      {pages_[1], static_cast<int>(SheetList::Specials)},
                      {pages_[5], static_cast<int>(SheetList::Houses)}});
    views_ = new QStackedWidget;
    views_->addWidget(tabs_);
    views_->addWidget(logView_);
    views_->setMinimumSize(kMinimumView);
    setCentralWidget(views_);
}

namespace {

// The sheet selection dialog as the spreadsheet exchange asks for it.
class SheetDialog : public SheetChooser {
public:
    explicit SheetDialog(QWidget* parent) : parent_(parent) {}
    std::optional<std::string> ChooseSheetName(const std::vector<std::string>& names) override {
        return ChooseSheet(names, parent_);
    }

private:
    QWidget* parent_;
};

}  // namespace

// "Export to Excel", "Import From Excel" and "Export Log".
void CMainWindow::WireSpreadsheets(const std::vector<std::pair<PageWidget*, int>>& lists) {
    sheetDialog_ = std::make_unique<SheetDialog>(this);
    frame_->SetSheetChooser(sheetDialog_.get());
    for (auto [widget, list] : lists) {
        auto* tab = static_cast<ListTabWidget*>(widget);
        const auto which = static_cast<SheetList>(list);
        tab->onExport = [this, which] { frame_->OnExportToExcel(which); };
        tab->onImport = [this, which] { frame_->OnImportFromExcel(which); };
    }
    logView_->onExport = [this] { frame_->OnExportLog(); };
}

void CMainWindow::BindCommands() {
    auto on = [this](MenuCommand id, auto fn) { connect(Action(id), &QAction::triggered, this, fn); };
    on(MenuCommand::ChooseView, [this] {
        frame_->ChooseSettingOrLog();
        ShowCurrentView();
    });
    on(MenuCommand::SettingView, [this] {
        frame_->ShowSettingView();
        ShowCurrentView();
    });
    on(MenuCommand::LogView, [this] {
        frame_->ShowLogView();
        ShowCurrentView();
    });
    on(MenuCommand::Open, [this] { frame_->OnOpen(); });
    on(MenuCommand::Save, [this] { frame_->OnSave(); });
    on(MenuCommand::SaveAs, [this] { frame_->OnSaveAs(); });
    on(MenuCommand::AutoOpen, [this] {
        frame_->ToggleAutoOpen();
        Action(MenuCommand::AutoOpen)->setChecked(frame_->AutoOpen());
    });
    on(MenuCommand::Communication, [this] { RunCommunication(); });
    on(MenuCommand::Exit, [this] { close(); });
    on(MenuCommand::ShowToolbar, [this](bool on) { mainBar_->setVisible(on); });
    on(MenuCommand::ShowStatusBar, [this](bool on) { status_->setVisible(on); });
    on(MenuCommand::About, [this] { RunAbout(); });
    on(MenuCommand::Connect, [this] { frame_->OnConnect(); });
    on(MenuCommand::Language, [this] { RunLanguage(); });
    on(MenuCommand::Stop, [this] { frame_->OnStop(); });
}

// Every run starts and ends with a change of the pages (their command
// buttons), so Stop is enabled or disabled when they redraw.
void CMainWindow::FollowRuns() {
    const auto follow = [this] { Action(MenuCommand::Stop)->setEnabled(frame_->RunActive()); };
    for (PageWidget* page : pages_) page->onRedrawn = follow;
    logView_->onRedrawn = follow;
}

void CMainWindow::ShowCurrentView() {
    const bool log = frame_->CurrentView() == FrameView::Log;
    views_->setCurrentIndex(log ? 1 : 0);
    Action(MenuCommand::SettingView)->setChecked(!log);
    Action(MenuCommand::LogView)->setChecked(log);
}

void CMainWindow::RefreshPages() {
    for (PageWidget* page : pages_) page->RefreshIfChanged();
    if (logView_) logView_->RefreshIfChanged();
}

void CMainWindow::OnStartupTick() {
    status_->CreateLed();
    Action(MenuCommand::AutoOpen)->setChecked(frame_->AutoOpen());
    ShowCurrentView();
    if (options_.downloadStartPicture)
        startPicture_.Start(StartPictureAddress(), options_.dataDir.toStdString());
}

void CMainWindow::ShowWithSavedLayout() {
    const QSettings saved(QString::fromStdString(WindowStatePath()), QSettings::IniFormat);
    const bool known = restoreGeometry(saved.value(QStringLiteral("geometry")).toByteArray());
    restoreState(saved.value(QStringLiteral("toolbars")).toByteArray(), kLayoutVersion);
    Action(MenuCommand::ShowToolbar)->setChecked(!mainBar_->isHidden());
    if (known) {
        show();
    } else {
        showMaximized();
    }
}

void CMainWindow::SaveLayout() {
    const QString path = QString::fromStdString(WindowStatePath());
    MakeDirs(QFileInfo(path).path().toStdString());
    QSettings saved(path, QSettings::IniFormat);
    saved.setValue(QStringLiteral("geometry"), saveGeometry());
    saved.setValue(QStringLiteral("toolbars"), saveState(kLayoutVersion));
}

void CMainWindow::closeEvent(QCloseEvent* event) {
    if (frame_->CanClose()) {
        SaveLayout();
        event->accept();
    } else {
        event->ignore();
    }
}

void CMainWindow::RunCommunication() {
    PortPlaces places{std::string(), ConfigDir()};
    places.connected = frame_->Engine().Connected();
    CCommunciation dialog(
        frame_->Settings(), Messages(), places,
        [this](const ConnectionSettings& s) { frame_->ApplyConnectionSettings(s); }, this);
    dialog.exec();
}

void CMainWindow::RunAbout() {
    CAboutDlg about(options_.dataDir, this);
    about.exec();
}

void CMainWindow::RunLanguage() {
    Clanguage dialog(options_.language ? options_.language : &fileLanguage_, this);
    dialog.exec();
}

}  // namespace dorvik
