#pragma once
// The desktop main window: binds one CMainFrame (the window's logic) to
// menus, toolbars, the status bar, the six tabs and the log view.
#include <QMainWindow>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/main_commands.h"
#include "app/qt_dispatcher.h"
#include "app/qt_file_chooser.h"
#include "app/qt_message_box.h"
#include "app/qt_timer.h"
#include "app/start_picture_worker.h"
#include "app/status_bar_with_progress.h"
#include "model/language_store.h"
#include "pages/main_frame.h"
#include "transport/device_links.h"

class QStackedWidget;
class QTabWidget;
class QToolBar;

namespace dorvik {

class LogViewWidget;
class PageWidget;

inline constexpr const char kWindowTitle[] = "QUELLIA User Management Version 1.1-20160701";

struct MainWindowOptions {
    std::string settingsPath;           // empty: the default settings file
    MessageBox* messages = nullptr;     // null: message boxes on screen
    FileChooser* files = nullptr;       // null: file dialogs on screen
    LanguageStore* language = nullptr;  // null: the per-user language file
    QString dataDir;                    // start pictures, about logo; empty: DataDir()
    QString titleSuffix;                // appended to the window title
    bool downloadStartPicture = true;
    // The links to the unit; null: the serial port and modem drivers.
    Link* serialLink = nullptr;
    Link* modemLink = nullptr;
};

class CMainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit CMainWindow(MainWindowOptions options = {}, QWidget* parent = nullptr);
    // Stops the drivers and writes the settings file.
    ~CMainWindow() override;

    CMainFrame& Frame() { return *frame_; }
    QAction* Action(MenuCommand id) const { return actions_[static_cast<std::size_t>(id)]; }
    QToolBar* MainToolBar() const { return mainBar_; }
    QToolBar* ViewToolBar() const { return viewBar_; }
    CStatusBarWithProgress* Status() const { return status_; }
    QTabWidget* Tabs() const { return tabs_; }
    QStackedWidget* Views() const { return views_; }
    LogViewWidget* LogView() const { return logView_; }
    // The tab pages in tab order.
    const std::vector<PageWidget*>& Pages() const { return pages_; }

    // Shows the window with the size, position, maximised state and toolbars
    // it had when it last closed; maximised the first time.
    void ShowWithSavedLayout();
    // Keeps those in the per-user window state file (done when it closes).
    void SaveLayout();

    // Shows the view the frame holds in the stack, the toolbar and the menu.
    void ShowCurrentView();
    // Redraws at once every page whose change is not drawn yet (the pages
    // redraw by themselves when the event loop is back; a picture taken
    // before that calls this).
    void RefreshPages();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBars();
    void CreateViewToolBar();
    void CreateViews();
    void WireSpreadsheets(const std::vector<std::pair<PageWidget*, int>>& lists);
    void BindCommands();
    void FollowRuns();
    void OnStartupTick();
    void RunCommunication();
    void RunAbout();
    void RunLanguage();
    MessageBox& Messages();

    MainWindowOptions options_;
    QtDispatcher dispatcher_;
    QtTimerFactory timers_;
    QtMessageBox screenMessages_;
    QtFileChooser screenFiles_;
    FileLanguageStore fileLanguage_;
    SystemClock clock_;
    CStatusBarWithProgress* status_;
    std::unique_ptr<DeviceLinks> devices_;
    std::unique_ptr<CMainFrame> frame_;
    std::unique_ptr<SheetChooser> sheetDialog_;
    StartPictureWorker startPicture_;
    std::array<QAction*, kMenuCommandCount> actions_{};
    QToolBar* mainBar_ = nullptr;
    QToolBar* viewBar_ = nullptr;
    QStackedWidget* views_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    LogViewWidget* logView_ = nullptr;
    std::vector<PageWidget*> pages_;
};

}  // namespace dorvik
