#include "app/screenshots.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <memory>

#include <grp.h>
#include <unistd.h>

#include "app/about_dialog.h"
#include "app/communication_dialog.h"
#include "app/data_dir.h"
#include "app/language_dialog.h"
#include "app/list_tab_widget.h"
#include "app/log_view_widget.h"
#include "app/main_window.h"
#include "app/sheet_select_dialog.h"
#include "app/start_pictures.h"
#include "model/config_dir.h"
#include "model/text_codec.h"
#include "platform/message_box.h"

namespace dorvik {
namespace {

constexpr int kUnitLimitMs = 20000;
const QSize kWindowSize(1400, 900);

constexpr const char* kTabFiles[] = {
    "phone-numbers", "restricted-phone-numbers",     "alarm-phone-numbers",
    "miscellaneous", "miscellaneous-multi-relay", "house-dial-numbers"};

// Dialog message boxes are not wanted while rendering.
class SilentMessages : public MessageBox {
public:
    MsgAnswer Show(const std::string&, const std::string&, MsgIcon, MsgButtons) override {
        return MsgAnswer::Ok;
    }
};

bool SavePicture(const QImage& image, const QString& dir, const QString& name, QStringList* files);

bool Save(QWidget* widget, const QString& dir, const QString& name, QStringList* files) {
    QApplication::processEvents();
    return SavePicture(widget->grab().toImage(), dir, name, files);
}

bool SavePicture(const QImage& image, const QString& dir, const QString& name, QStringList* files) {
    const QString path = QDir(dir).filePath(name + QStringLiteral(".png"));
    if (!image.save(path)) return false;
    files->append(path);
    return true;
}

bool SaveDialog(QDialog& dialog, const QString& dir, const QString& name, QStringList* files) {
    dialog.adjustSize();
    dialog.show();
    const bool saved = Save(&dialog, dir, name, files);
    dialog.hide();
    return saved;
}

// A few texts typed on the PC, Chinese names among them.
void AddLocalEntries(CMainFrame& frame) {
    NumberForm& phone = frame.Phone().Form();
    phone = {"41", "13912345678", Utf8ToGb("王芳")};
    frame.Phone().OnSet();
    phone = {"42", "13800138000", Utf8ToGb("张伟")};
    frame.Phone().OnSet();
    SpecialForm& special = frame.Special().Form();
    special.index = "S001";
    special.number = "13700001111";
    special.name = Utf8ToGb("李娜 (cleaner)");
    special.days = {false, true, true, true, true, true, false};
    special.toTime.hour = 18;
    frame.Special().OnSet();
    HouseForm& house = frame.House().Form();
    house = {"1", "101", "5550101", "5550102"};
    frame.House().OnSet();
}

// Connects and reads the phone list, the alarm list and the log.
bool ReadUnit(CMainWindow& window) {
    CMainFrame& frame = window.Frame();
    frame.OnConnect();
    // Connected, the buttons free again and the LED steady: the read is in.
    auto idle = [&] {
        return frame.Engine().Connected() && frame.Phone().CommandsEnabled() &&
               frame.Engine().Indicator() == LedState::Idle;
    };
    // The link is up once the unit has answered its first question.
    if (!WaitUntil([&] { return idle() && frame.Engine().ReplySeen(); }, kUnitLimitMs))
        return false;
    // A read has ended when its lines have stopped coming.
    auto read = [&] { return idle() && !frame.RunActive(); };
    for (auto start : {std::function<void()>([&] { frame.Phone().OnGetFromUnit(); }),
                       std::function<void()>([&] { frame.Alarm().OnGetFromUnit(); }),
                       std::function<void()>([&] { frame.LogPage().OnGetEntireLog(); })}) {
        start();
        if (!WaitUntil(read, kUnitLimitMs)) return false;
    }
    frame.Msic().OnGetDeviceStatus();
    return WaitUntil(idle, kUnitLimitMs);
}

// A /dev of its own under root: ttyS0, and a USB adapter (with its by-id
// name) of mode 000 in the dialout group, which a user may not open.
void MakeDevicesWithoutAccess(const std::string& root) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::create_directories(root + "/dev/serial/by-id", ec);
    std::ofstream(root + "/dev/ttyS0") << "";
    const std::string adapter = root + "/dev/ttyUSB0";
    std::ofstream(adapter) << "";
    fs::permissions(adapter, fs::perms::none, ec);
    const group* dialout = ::getgrnam("dialout");
    if (dialout && ::chown(adapter.c_str(), static_cast<uid_t>(-1), dialout->gr_gid) != 0) {
        // Only the superuser may hand it over; it keeps the user's group.
    }
    fs::create_symlink("../../ttyUSB0", root + "/dev/serial/by-id/usb-FTDI_FT232R_USB_UART-if00",
                       ec);
}

// The connection dialog with that adapter chosen: the line under the port
// says why it cannot be opened.
bool RenderInaccessiblePort(CMainWindow& window, const QString& dir, QStringList* files) {
    QTemporaryDir place;
    const std::string root = place.path().toStdString();
    MakeDevicesWithoutAccess(root);
    ConnectionSettings settings = window.Frame().Settings();
    settings.port = 2;
    SilentMessages silent;
    CCommunciation connection(settings, silent, PortPlaces{root, root + "/config", ProbeOpenAsUser},
                              nullptr, &window);
    return SaveDialog(connection, dir, QStringLiteral("dialog-communication-no-access"), files);
}

bool RenderDialogs(CMainWindow& window, const QString& dir, QStringList* files) {
    SilentMessages silent;
    CCommunciation connection(window.Frame().Settings(), silent,
                              PortPlaces{std::string(), ConfigDir()}, nullptr, &window);
    CAboutDlg about(QString::fromStdString(DataDir()), &window);
    Clanguage language(nullptr, &window);
    CSheetSelect sheets({"Sheet2", "Data", "Sheet1"}, &window);
    return SaveDialog(connection, dir, QStringLiteral("dialog-communication"), files) &&
           SaveDialog(about, dir, QStringLiteral("dialog-about"), files) &&
           SaveDialog(language, dir, QStringLiteral("dialog-language"), files) &&
           SaveDialog(sheets, dir, QStringLiteral("dialog-select-sheet"), files) &&
           RenderInaccessiblePort(window, dir, files) &&
           SavePicture(DrawStartPicture(), dir, QStringLiteral("start-picture"), files);
}

// The phone tab while an upload runs: the bar, "n of m" with the time left,
// and the Stop button enabled. The run is stopped afterwards.
bool RenderUpload(CMainWindow& window, const QString& dir, QStringList* files) {
    CMainFrame& frame = window.Frame();
    for (int slot = 201; slot <= 240; ++slot) {
        frame.Phone().Form() = {std::to_string(slot), "1390000" + std::to_string(1000 + slot), ""};
        frame.Phone().OnSet();
    }
    frame.ShowSettingView();
    window.ShowCurrentView();
    window.Tabs()->setCurrentIndex(0);
    frame.Phone().OnDownloadAll();
    const auto estimated = [&] { return frame.Engine().Meter().Text().find("left") != std::string::npos; };
    if (!WaitUntil(estimated, kUnitLimitMs)) return false;
    window.RefreshPages();
    const bool saved = Save(&window, dir, QStringLiteral("8-upload-in-progress"), files);
    frame.OnStop();
    return WaitUntil([&] { return !frame.RunActive(); }, kUnitLimitMs) && saved;
}

}  // namespace

bool WaitUntil(const std::function<bool()>& done, int limitMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < limitMs)
        QApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

QStringList RenderScreenshots(CMainWindow& window, const QString& dir, QString* error) {
    QStringList files;
    if (!QDir().mkpath(dir)) {
        *error = QStringLiteral("cannot make ") + dir;
        return {};
    }
    window.resize(kWindowSize);
    window.show();
    if (!ReadUnit(window)) {
        *error = QStringLiteral("the simulated unit did not answer");
        return {};
    }
    AddLocalEntries(window.Frame());
    window.Frame().ShowSettingView();
    window.ShowCurrentView();
    bool ok = true;
    for (int tab = 0; tab < window.Tabs()->count() && ok; ++tab) {
        window.Tabs()->setCurrentIndex(tab);
        window.RefreshPages();
        if (auto* list = dynamic_cast<ListTabWidget*>(window.Pages()[tab]))
            list->Table()->scrollToTop();
        ok = Save(&window, dir, QStringLiteral("%1-%2").arg(tab + 1).arg(kTabFiles[tab]), &files);
    }
    window.Frame().ShowLogView();
    window.ShowCurrentView();
    window.RefreshPages();
    window.LogView()->Table()->scrollToTop();
    ok = ok && Save(&window, dir, QStringLiteral("7-log-view"), &files) &&
         RenderDialogs(window, dir, &files);
    ok = ok && RenderUpload(window, dir, &files);
    if (!ok) *error = QStringLiteral("cannot write the pictures into ") + dir;
    return ok ? files : QStringList();
}

}  // namespace dorvik
