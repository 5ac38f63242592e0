#pragma once
// The main window's logic without a window toolkit: the connection
// settings, the unit model, the connection engine on the link the settings
// choose, the reply handling and every page; the project file commands, the view
// switching, the start-up tick and the close question. The desktop window
// and the command-line tool both drive one CMainFrame.
#include <functional>
#include <memory>
#include <string>

#include "model/settings_file.h"
#include "model/unit_model.h"
#include "pages/dialog_log.h"
#include "pages/list_page_set.h"
#include "pages/log_view.h"
#include "pages/msic.h"
#include "pages/multi_relay.h"
#include "platform/clock.h"
#include "platform/file_chooser.h"
#include "platform/indicator.h"
#include "platform/link.h"
#include "platform/message_box.h"
#include "platform/progress_bar.h"
#include "platform/status_pane.h"
#include "platform/timer.h"
#include "platform/ui_dispatcher.h"
#include "protocol/connection_engine.h"
#include "protocol/reply_handlers.h"
#include "pages/link_switch.h"
#include "sheet/sheet_exchange.h"

namespace dorvik {

struct FrameSeams {
    UiDispatcher& ui;
    TimerFactory& timers;
    MessageBox& messages;
    FileChooser& files;
    ProgressBar& progress;
    Indicator& indicator;
    StatusPane& status;
    const Clock& clock;
    // The links to the unit: a serial cable, and a modem that carries short
    // messages. The frame closes both when it goes.
    Link& serialLink;
    Link& modemLink;
};

enum class FrameView { Setting = 1, Log = 2 };
// The lists that travel to and from spreadsheets.
enum class SheetList { Phones, Specials, Houses };

class CMainFrame {
public:
    static constexpr int kStartupTickMs = 500;
    static constexpr int kMaxReplyTimeoutSec = 3600;
    // "文件类型(*.gto)|*.gto||" in the tool's GB18030 text.
    static constexpr const char kOpenFilter[] = "\xce\xc4\xbc\xfe\xc0\xe0\xd0\xcd(*.gto)|*.gto||";
    static constexpr const char kSaveAsFilter[] = "File Type(*.gto)|*.gto||";
    static constexpr const char kUntitled[] = "Untitled";

    // Reads the settings file at settingsPath (empty: the default place).
    CMainFrame(FrameSeams seams, const std::string& settingsPath = {});
    // Writes the settings file.
    ~CMainFrame();
    CMainFrame(const CMainFrame&) = delete;
    CMainFrame& operator=(const CMainFrame&) = delete;

    // Starts the one-shot start-up tick.
    void Start();
    // The start-up tick: LED, the last project when auto-open is on, views.
    void OnStartupTick();
    // Called by the start-up tick after its own work (start picture worker).
    std::function<void()> onStartupTick;

    // --- Settings ---
    const ConnectionSettings& Settings() const { return settings_; }
    // The connection dialog closed: new settings, written at once.
    void ApplyConnectionSettings(const ConnectionSettings& settings);
    bool SaveSettings();
    // Whether applying settings and closing write the settings file (on by
    // default); the command-line tool reads the file but leaves it alone.
    void SetSettingsWritable(bool on) { settingsWritable_ = on; }
    // Uses this device for the link instead of the COMn lookup (empty: none).
    void SetDeviceOverride(const std::string& path);
    bool AutoOpen() const { return settings_.autoOpen; }
    void ToggleAutoOpen() { settings_.autoOpen = !settings_.autoOpen; }

    // --- Views ---
    FrameView CurrentView() const { return view_; }
    void ShowSettingView() { view_ = FrameView::Setting; }
    void ShowLogView() { view_ = FrameView::Log; }
    void ChooseSettingOrLog() {
        view_ = view_ == FrameView::Setting ? FrameView::Log : FrameView::Setting;
    }

    // --- Project file ---
    // The menu commands; false when cancelled or failed. Open first offers
    // to save unsaved changes.
    bool OnOpen();
    bool OnSave();
    bool OnSaveAs();
    // A file that is not a readable project changes nothing and is reported.
    bool OpenProject(const std::string& path);
    bool SaveProjectTo(const std::string& path);
    const std::string& ProjectPath() const { return model_.ProjectPath; }
    bool Modified() const { return model_.Modified.IsSet(); }

    // --- Spreadsheets ("Export to Excel", "Import From Excel", "Export Log") ---
    // The sheet selection dialog; without one an import reads the first sheet.
    void SetSheetChooser(SheetChooser* chooser) { sheetChooser_ = chooser; }
    ExchangeResult OnExportToExcel(SheetList list);
    ExchangeResult OnImportFromExcel(SheetList list);
    ExchangeResult OnExportLog();

    // --- Unsaved changes ---
    // "Save the changes to the Untitled?", or with the project's file name.
    std::string SaveQuestion() const;
    // Asks about unsaved changes; true when the caller may go on: nothing
    // to save, No, or Yes and the project was saved.
    bool SaveChangesFirst();
    // Asks about unsaved changes; true when the window may close.
    bool CanClose() { return SaveChangesFirst(); }

    // --- Link ---
    void OnConnect() { engine_.OnConnectCommand(); }
    // Stop: an upload ends after the slot on its way, a read-all at once.
    void OnStop() { engine_.StopRuns(); }
    // An upload or a read-all is running.
    bool RunActive() const;

    UnitModel& Model() { return model_; }
    ConnectionEngine& Engine() { return engine_; }
    ReplyHandlers& Handlers() { return handlers_; }
    CPhone& Phone() { return lists_.phone; }
    CSpecial& Special() { return lists_.special; }
    CAlarm& Alarm() { return lists_.alarm; }
    CHouse& House() { return lists_.house; }
    CMsic& Msic() { return msic_; }
    CMultiRelay& MultiRelay() { return multi_; }
    CLogView& LogView() { return logView_; }
    CDialogLog& LogPage() { return logPage_; }
    bool IndicatorCreated() const { return indicatorCreated_; }

private:
    // Also chooses the link the next connection opens.
    LinkParams LinkFromSettings();
    SheetExchange Exchange();
    void AfterProjectLoaded();

    FrameSeams seams_;
    SettingsFile settingsFile_;
    ConnectionSettings settings_;
    std::string deviceOverride_;
    UnitModel model_;
    LinkSwitch link_;
    ConnectionEngine engine_;
    ReplyHandlers handlers_;
    ListPageSet lists_;
    CMsic msic_;
    CMultiRelay multi_;
    CLogView logView_;
    CDialogLog logPage_;
    std::unique_ptr<Timer> startupTimer_;
    std::unique_ptr<SheetChooser> firstSheet_;
    SheetChooser* sheetChooser_ = nullptr;
    FrameView view_ = FrameView::Setting;
    bool indicatorCreated_ = false;
    bool settingsWritable_ = true;
};

}  // namespace dorvik
