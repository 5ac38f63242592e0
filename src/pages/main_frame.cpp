#include "pages/main_frame.h"

#include <algorithm>
#include <filesystem>

#include "model/project_file.h"

namespace dorvik {
namespace {

SettingsFile MakeSettingsFile(const std::string& path) {
    return path.empty() ? SettingsFile() : SettingsFile(path);
}

// Without a sheet selection dialog, an import reads the workbook's first sheet.
class FirstSheetChooser : public SheetChooser {
public:
    std::optional<std::string> ChooseSheetName(const std::vector<std::string>& names) override {
        if (names.empty()) return std::nullopt;
        return names.front();
    }
};

}  // namespace

CMainFrame::CMainFrame(FrameSeams seams, const std::string& settingsPath)
    : seams_(seams),
      settingsFile_(MakeSettingsFile(settingsPath)),
      settings_(settingsFile_.Read()),
      link_(seams.serialLink, seams.modemLink),
      engine_({link_, seams.timers, seams.messages, seams.indicator, seams.progress, seams.status}),
      handlers_(model_, engine_),
      lists_(engine_, model_),
      msic_(engine_, model_.settings, seams.clock),
      multi_(engine_, model_.multiRelay, seams.clock),
      logView_(model_.log),
      logPage_(engine_, logView_),
      startupTimer_(seams.timers.CreateTimer()),
      firstSheet_(std::make_unique<FirstSheetChooser>()),
      sheetChooser_(firstSheet_.get()) {
    engine_.SetParams(LinkFromSettings());
    engine_.SetReplySink(&handlers_);
    ReplyPages pages = lists_.Replies();
    pages.msic = &msic_;
    pages.multiRelay = &multi_;
    pages.log = &logView_;
    handlers_.SetPages(pages);
    model_.ProjectPath = settings_.projectPath;
    model_.unitPassword = settings_.password;
    model_.unitPhoneNumber = settings_.unitPhoneNumber;
    seams_.status.SetConnectionText("Disconnected from unit");
}

CMainFrame::~CMainFrame() {
    seams_.serialLink.Close();
    seams_.modemLink.Close();
    if (settingsWritable_) SaveSettings();
}

LinkParams CMainFrame::LinkFromSettings() {
    link_.UseModem(settings_.useModem);
    LinkParams p;
    p.password = settings_.password;
    p.unitId = settings_.unitId;
    p.port.port = settings_.port;
    p.port.baud = settings_.baud;
    p.port.parity = settings_.parity;
    p.port.dataBits = settings_.dataBits;
    p.port.stopBits = settings_.stopBits;
    p.port.devicePath = deviceOverride_;
    p.modemMode = settings_.useModem;
    p.tavrin = settings_.tavrinMode;
    p.unitPhone = settings_.unitPhoneNumber;
    p.messageCentre = settings_.messageCenter;
    // The file may hold any number: a time-out below 1 s or beyond an hour is
    // a mistake, and seconds x 1000 must not overflow.
    p.replyTimeoutSec = std::clamp(settings_.expiredTime, 1, kMaxReplyTimeoutSec);
    return p;
}

void CMainFrame::SetDeviceOverride(const std::string& path) {
    deviceOverride_ = path;
    LinkParams p = engine_.Params();
    p.port.devicePath = path;
    engine_.SetParams(p);
}

void CMainFrame::ApplyConnectionSettings(const ConnectionSettings& settings) {
    settings_ = settings;
    engine_.SetParams(LinkFromSettings());
    model_.unitPhoneNumber = settings_.unitPhoneNumber;
    if (settingsWritable_) SaveSettings();
}

bool CMainFrame::SaveSettings() {
    // A password confirmed by the unit during the run is the one kept.
    settings_.password = engine_.Password();
    settings_.projectPath = model_.ProjectPath;
    return settingsFile_.Write(settings_);
}

// --- Start-up ---

void CMainFrame::Start() {
    startupTimer_->Start(kStartupTickMs, false, [this] { OnStartupTick(); });
}

void CMainFrame::OnStartupTick() {
    indicatorCreated_ = true;
    // The LED starts dark, unless a link came up before the tick.
    if (!engine_.Connected()) engine_.SetIndicator(LedState::Off);
    if (settings_.autoOpen && !model_.ProjectPath.empty()) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(model_.ProjectPath, ec) &&
            OpenProject(model_.ProjectPath))
            model_.Modified.Clear();
        else
            model_.ProjectPath.clear();
    }
    view_ = FrameView::Setting;
    if (onStartupTick) onStartupTick();
}

// --- Project file ---

void CMainFrame::AfterProjectLoaded() {
    msic_.ApplySettings();
    multi_.ApplySettings();
    lists_.phone.ShowUsed();
    lists_.special.ShowUsed();
    lists_.alarm.ShowUsed();
    lists_.house.ShowUsed();
    logView_.RowsReplaced();
}

bool CMainFrame::OpenProject(const std::string& path) {
    ProjectResult r = LoadProject(model_, path, &seams_.progress);
    if (!r.ok) {
        seams_.messages.Error(OpenFailureMessage(path, r.error));
        return false;
    }
    model_.ProjectPath = path;
    if (r.dropped > 0) {
        // Opened as a new project, so a Save asks for a name instead of
        // cutting the file short.
        seams_.messages.Show(DroppedRecordsMessage(path, r.dropped), kCaption, MsgIcon::Warning,
                             MsgButtons::Ok);
        model_.ProjectPath.clear();
    }
    AfterProjectLoaded();
    return true;
}

bool CMainFrame::SaveProjectTo(const std::string& path) {
    // The password in use now: typed in the connection dialog, given on the
    // command line or confirmed by the unit since the start.
    model_.unitPassword = engine_.Password();
    msic_.CollectSettings();
    multi_.CollectSettings();
    ProjectResult r = SaveProject(model_, path);
    if (!r.ok) {
        seams_.messages.Error(SaveFailureMessage(path, r.error));
        return false;
    }
    model_.ProjectPath = path;
    return true;
}

bool CMainFrame::OnOpen() {
    if (!SaveChangesFirst()) return false;
    auto path = seams_.files.ChooseOpen(kOpenFilter, "gto");
    return path && OpenProject(*path);
}

bool CMainFrame::OnSave() {
    if (!model_.ProjectPath.empty()) return SaveProjectTo(model_.ProjectPath);
    auto path = seams_.files.ChooseSave(kOpenFilter, "gto", "");
    return path && SaveProjectTo(*path);
}

bool CMainFrame::OnSaveAs() {
    auto path = seams_.files.ChooseSave(kSaveAsFilter, "gto", kUntitled);
    return path && SaveProjectTo(*path);
}

// --- Spreadsheets ---

SheetExchange CMainFrame::Exchange() {
    return SheetExchange(seams_.files, *sheetChooser_, seams_.messages, seams_.progress);
}

ExchangeResult CMainFrame::OnExportToExcel(SheetList list) {
    SheetExchange exchange = Exchange();
    switch (list) {
        case SheetList::Phones: return exchange.ExportPhones(model_.phones);
        case SheetList::Specials: return exchange.ExportSpecials(model_.specials);
        case SheetList::Houses: return exchange.ExportHouses(model_.houses);
    }
    return {};
}

ExchangeResult CMainFrame::OnImportFromExcel(SheetList list) {
    SheetExchange exchange = Exchange();
    ExchangeResult r = list == SheetList::Phones     ? exchange.ImportPhones(model_.phones)
                       : list == SheetList::Specials ? exchange.ImportSpecials(model_.specials)
                                                     : exchange.ImportHouses(model_.houses);
    lists_.phone.ShowUsed();
    lists_.special.ShowUsed();
    lists_.house.ShowUsed();
    return r;
}

ExchangeResult CMainFrame::OnExportLog() { return Exchange().ExportLog(model_.log); }

bool CMainFrame::RunActive() const {
    return lists_.phone.Uploading() || lists_.special.Uploading() || lists_.alarm.Uploading() ||
           lists_.house.Uploading() || engine_.ReadAllRunning();
}

// --- Unsaved changes ---

std::string CMainFrame::SaveQuestion() const {
    const std::string name = model_.ProjectPath.empty()
                                 ? std::string(kUntitled)
                                 : std::filesystem::path(model_.ProjectPath).filename().string();
    return "Save the changes to the " + name + "?";
}

bool CMainFrame::SaveChangesFirst() {
    if (!model_.Modified.IsSet()) return true;
    switch (seams_.messages.Show(SaveQuestion(), kCaption, MsgIcon::Question,
                                 MsgButtons::YesNoCancel)) {
        case MsgAnswer::Yes:
            // A known project is saved where it is; a new one is named first.
            return model_.ProjectPath.empty() ? OnSaveAs() : OnSave();
        case MsgAnswer::No:
            return true;
        default:
            return false;
    }
}

}  // namespace dorvik
