// The connection dialog: its rules, its widgets, and finding serial devices
// under a fake /dev and linking COM numbers to them.
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <fcntl.h>
#include <grp.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <tuple>

#include "app/communication_dialog.h"
#include "fakes.h"
#include "scratch_dir.h"

using namespace dorvik;
using dorvik::test::RecordingMessageBox;
namespace fs = std::filesystem;

namespace {

const ConnectionSettings kSaved = [] {
    ConnectionSettings s;
    std::tie(s.port, s.baud, s.parity, s.dataBits, s.stopBits) = std::tuple(3, 115200, 'E', 7, 2);
    std::tie(s.password, s.unitId, s.unitPhoneNumber) = std::tuple("482915", "77", "13900000000");
    s.expiredTime = 30;
    return s;
}();

}  // namespace

class CommunicationDialogTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        boxes_.shown.clear();
        model_ = std::make_unique<ConnectionDialogModel>(boxes_);
        model_->Open(kSaved);
        tmp_ = std::make_unique<test::ScratchDir>();
        places_ = {tmp_->File("root"), tmp_->File("config")};
        fs::create_directories(places_.devRoot + "/dev");
        test::WriteBytes(places_.devRoot + "/dev/ttyS0", "");
        test::WriteBytes(places_.devRoot + "/dev/ttyUSB0", "");
    }
    void openingShowsTheSettingsAndCancelKeepsThem();
    void okChecksInOrderAndCancelReturnsWhatWasTyped();
    void portTextsAreReadBackOrKeepTheOpenedValues();
    void everyWayOfClosingHandsTheSettingsBack();
    void okLinksTheChosenOrTypedPortAndCancelDoesNot();
    void portListAndCheckBoxesThatExcludeEachOther();
    void aDeviceThatCannotBeOpenedIsListedWithTheReason();
    void whileConnectedThePortFieldsAreLockedAndSayWhy();
    void listsOpenableDevicesWithNumbers();
    void linksKeepTheirNumbersAndAreReplaced();

private:
    struct Run {
        std::unique_ptr<CCommunciation> dialog;
        std::vector<ConnectionSettings> closed;
    };
    std::unique_ptr<Run> Open(const ConnectionSettings& s) {
        auto run = std::make_unique<Run>();
        Run* raw = run.get();
        run->dialog = std::make_unique<CCommunciation>(
            s, boxes_, places_,
            [raw](const ConnectionSettings& back) { raw->closed.push_back(back); });
        return run;
    }
    template <typename T>
    T* Find(Run& run, const char* name) {
        return run.dialog->findChild<T*>(QString::fromLatin1(name));
    }
    void PressOk(Run& run) {
        run.dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    }

    // Besides ttyS0 and ttyUSB0: ttyS1 with no UART behind it (sysfs type 0),
    // a by-id name for ttyUSB0, ttyACM0, a by-id link to nothing, and names that
    // are not ports.
    void AddPortScanDevices() {
        const std::string& root = places_.devRoot;
        fs::create_directories(root + "/dev/serial/by-id");
        fs::create_directories(root + "/dev/ttyS1");
        fs::create_directories(root + "/sys/class/tty/ttyS1");
        test::WriteBytes(root + "/sys/class/tty/ttyS1/type", "0\n");
        for (const char* name : {"ttyACM0", "tty5", "ttyUSBx", "console"})
            test::WriteBytes(root + "/dev/" + name, "");
        fs::create_symlink("../../ttyUSB0", root + "/dev/serial/by-id/usb-FTDI_FT232R-if00");
        fs::create_symlink("../../ttyUSB7", root + "/dev/serial/by-id/usb-gone-if00");
    }

    RecordingMessageBox boxes_;
    std::unique_ptr<ConnectionDialogModel> model_;  // opened with kSaved
    std::unique_ptr<test::ScratchDir> tmp_;
    PortPlaces places_;
};

void CommunicationDialogTest::openingShowsTheSettingsAndCancelKeepsThem() {
    ConnectionSettings none = kSaved, defaults = kSaved, hidden = kSaved, hiddenBack;
    none.port = 0;
    std::tie(defaults.port, defaults.baud, defaults.parity, defaults.dataBits, defaults.stopBits) =
        std::tuple(2, 9600, 'N', 8, 1);
    hidden.savePassword = false;
    hidden.parity = 'M';  // not offered: shown and taken back as none
    hiddenBack = hidden;
    hiddenBack.parity = 'N';
    const struct {
        ConnectionSettings opened;
        std::vector<std::string> shown;  // port, baud, parity, data and stop bits, password
        ConnectionSettings cancelled;
    } rows[] = {{kSaved, {"COM3", "115200", "EVEN", "7", "2", "482915"}, kSaved},
                {none, {"COM2", "9600", "NONE", "8", "1", "482915"}, defaults},
                {hidden, {"COM3", "115200", "NONE", "7", "2", ""}, hiddenBack}};
    for (const auto& row : rows) {
        model_->Open(row.opened);
        const ConnectionForm& c = model_->Controls();
        const std::vector<std::string> shown = {c.port,     c.baud,     c.parity,
                                                c.dataBits, c.stopBits, c.password};
        QCOMPARE(shown, row.shown);
        QCOMPARE(c.expiredTime, std::string("30"));
        QCOMPARE(model_->Result(), row.cancelled);
    }
    QVERIFY(boxes_.shown.empty());
    QVERIFY(model_->Ok(model_->Controls()));
    QCOMPARE(model_->Result().password, std::string());  // OK stores the empty box
}

// Each row changes the form a little more: the first failing check speaks.
void CommunicationDialogTest::okChecksInOrderAndCancelReturnsWhatWasTyped() {
    ConnectionDialogModel& model = *model_;
    ConnectionForm f = model.Controls();
    f.useModem = f.tavrinMode = true;
    f.unitPhoneNumber = f.unitId = "";
    f.port = "COM9";
    const std::pair<std::function<void()>, const char*> steps[] = {
        {[&] { f.expiredTime = "0"; }, ConnectionDialogModel::kBadExpiredTime},
        {[&] { f.expiredTime = "abc"; }, ConnectionDialogModel::kBadExpiredTime},
        {[&] { f.expiredTime = "12s"; }, ConnectionDialogModel::kBadExpiredTime},
        {[&] { f.expiredTime = " 12 "; }, ConnectionDialogModel::kNeedPhoneNumber},
        {[&] { f.unitPhoneNumber = "13900000000"; }, ConnectionDialogModel::kNeedIdAndPassword},
        {[&] { f.password = "", f.unitId = "77"; }, ConnectionDialogModel::kNeedIdAndPassword},
        {[&] { f.password = "999999"; }, nullptr}};
    for (const auto& [change, refusal] : steps) {
        change();
        boxes_.shown.clear();
        QCOMPARE(model.Ok(f), refusal == nullptr);
        QCOMPARE(boxes_.shown.size(), std::size_t(refusal ? 1 : 0));
        if (refusal) {
            QCOMPARE(boxes_.shown[0].text, std::string(refusal));
            QCOMPARE(boxes_.shown[0].caption, std::string("DORVIK"));
            QVERIFY(boxes_.shown[0].icon == MsgIcon::Error);
        }
        // What Cancel would hand back: the typed values, a refused time-out not.
        const ConnectionSettings back = model.Result();
        QVERIFY(back.useModem);
        QCOMPARE(back.password, f.password);
        QCOMPARE(back.port, 9);
        QCOMPARE(back.expiredTime, refusal == ConnectionDialogModel::kBadExpiredTime ? 30 : 12);
    }
}

void CommunicationDialogTest::portTextsAreReadBackOrKeepTheOpenedValues() {
    struct Case {
        const char *port, *baud, *parity, *dataBits, *stopBits;
        int wantPort, wantBaud;
        char wantParity;
        int wantData, wantStop;
    };
    // Texts that do not read keep what the dialog was opened with.
    for (const Case& c : {Case{"COM12  ttyUSB0  usb-FTDI", "57600", "odd", "8", "1", 12, 57600, 'O', 8, 1},
                          Case{"ttyUSB0", "fast", "", "-8", "x", 3, 115200, 'E', 7, 2}}) {
        ConnectionForm f = model_->Controls();
        std::tie(f.port, f.baud, f.parity, f.dataBits, f.stopBits) =
            std::tuple(c.port, c.baud, c.parity, c.dataBits, c.stopBits);
        QVERIFY(model_->Ok(f));
        ConnectionSettings want = kSaved;
        std::tie(want.port, want.baud, want.parity, want.dataBits, want.stopBits) =
            std::tuple(c.wantPort, c.wantBaud, c.wantParity, c.wantData, c.wantStop);
        QCOMPARE(model_->Result(), want);
    }
    QVERIFY(!ParseComNumber("COM0"));
    QVERIFY(!ParseComNumber("COM257"));
    QCOMPARE(ParseComNumber("COM256").value(), 256);
}

void CommunicationDialogTest::everyWayOfClosingHandsTheSettingsBack() {
    ConnectionSettings s;
    s.port = 0;
    const std::vector<std::function<void(Run&)>> ways = {
        [this](Run& r) {
            Find<QLineEdit>(r, "expiredTime")->setText(QStringLiteral("none"));
            PressOk(r);
            QVERIFY(r.dialog->isVisible() && r.closed.empty());
            QCOMPARE(boxes_.Texts(), std::vector<std::string>{"Invalidate expired time"});
            Find<QLineEdit>(r, "expiredTime")->setText(QStringLiteral("5"));
            PressOk(r);
        },
        [](Run& r) { r.dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click(); },
        [](Run& r) { QTest::keyClick(r.dialog.get(), Qt::Key_Escape); },
        [](Run& r) { r.dialog->close(); },
    };
    for (const auto& close : ways) {
        auto run = Open(s);
        run->dialog->show();
        close(*run);
        QVERIFY(!run->dialog->isVisible());
        QCOMPARE(run->closed.size(), std::size_t(1));
        QCOMPARE(run->closed[0].port, 2);  // the defaults are taken over on any close
        QCOMPARE(run->closed[0].baud, 9600);
        QCOMPARE(run->closed[0].expiredTime, boxes_.shown.empty() ? 1 : 5);
        boxes_.shown.clear();
    }
}

// A typed device path becomes a COM port after COM1 ttyS0 and COM2 ttyUSB0
// and keeps its number when typed again.
void CommunicationDialogTest::okLinksTheChosenOrTypedPortAndCancelDoesNot() {
    const std::string link = PortLinkPath(places_.configDir, 2);
    auto cancelled = Open(ConnectionSettings{});
    Find<QComboBox>(*cancelled, "port")->setCurrentIndex(2);
    cancelled->dialog->reject();
    QVERIFY(!fs::is_symlink(link));
    QCOMPARE(cancelled->closed.at(0).port, 1);

    const std::string typed = places_.devRoot + "/dev/ttyUSB3";
    const std::pair<std::function<void(QComboBox*)>, std::pair<int, std::string>> choices[] = {
        {[](QComboBox* c) { c->setCurrentIndex(2); }, {2, places_.devRoot + "/dev/ttyUSB0"}},
        {[&](QComboBox* c) { c->setEditText(QString::fromStdString(typed)); }, {3, typed}},
        {[&](QComboBox* c) { c->setEditText(QString::fromStdString(typed)); }, {3, typed}}};
    for (const auto& [choose, want] : choices) {
        auto run = Open(ConnectionSettings{});
        choose(Find<QComboBox>(*run, "port"));
        Find<QLineEdit>(*run, "password")->setText(QStringLiteral("1234"));
        PressOk(*run);
        QCOMPARE(run->closed.at(0).port, want.first);
        QCOMPARE(run->closed.at(0).password, std::string("1234"));
        const std::string link = PortLinkPath(places_.configDir, want.first);
        QCOMPARE(fs::read_symlink(link).string(), want.second);
    }
}

void CommunicationDialogTest::portListAndCheckBoxesThatExcludeEachOther() {
    auto run = Open(ConnectionSettings{});
    auto* port = Find<QComboBox>(*run, "port");
    QStringList items;
    for (int i = 0; i < port->count(); ++i) items << port->itemText(i);
    QCOMPARE(items, QStringList({"", "COM1  ttyS0", "COM2  ttyUSB0"}));
    QCOMPARE(port->currentText(), QStringLiteral("COM1"));
    auto* modem = Find<QCheckBox>(*run, "useModem");
    auto* tavrin = Find<QCheckBox>(*run, "tavrin");
    QVERIFY(!Find<QLineEdit>(*run, "unitPhone")->isEnabled());
    modem->click();
    for (const char* name : {"unitPhone", "expiredTime", "messageCenter"})
        QVERIFY2(Find<QLineEdit>(*run, name)->isEnabled(), name);
    tavrin->click();
    QVERIFY(tavrin->isChecked());
    QVERIFY(!modem->isChecked());
    QVERIFY(!Find<QLineEdit>(*run, "unitPhone")->isEnabled());
    modem->click();
    QVERIFY(!tavrin->isChecked());
    modem->click();
    // The unit ID is needed by Connect whatever the mode.
    QVERIFY(Find<QLineEdit>(*run, "unitId")->isEnabled());
    Find<QPushButton>(*run, "passwordHelp")->click();
    QCOMPARE(boxes_.Texts(), std::vector<std::string>{"Default password is 482915"});
}

// A pseudo-terminal made mode 000: the probe refuses it as it would refuse
// a user (also when the tests run as root, whom no mode stops).
void CommunicationDialogTest::aDeviceThatCannotBeOpenedIsListedWithTheReason() {
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    QVERIFY(master >= 0 && ::grantpt(master) == 0 && ::unlockpt(master) == 0);
    const std::string slave = ::ptsname(master);
    QCOMPARE(::chmod(slave.c_str(), 0), 0);
    fs::create_directories(places_.devRoot + "/dev/serial/by-id");
    fs::create_symlink(slave, places_.devRoot + "/dev/serial/by-id/usb-FTDI_FT232R-if00");
    places_.probe = ProbeOpenAsUser;
    auto run = Open(ConnectionSettings{});
    struct stat st{};
    QCOMPARE(::stat(slave.c_str(), &st), 0);
    ::close(master);
    auto* port = Find<QComboBox>(*run, "port");
    QVERIFY(port->itemText(2).endsWith(QStringLiteral("usb-FTDI_FT232R-if00  (cannot be opened)")));
    auto* note = Find<QLabel>(*run, "portNote");
    QVERIFY(note->isHidden());  // COM1 (ttyS0) opens
    port->setCurrentIndex(2);
    const QString why = QStringLiteral("%1/dev/serial/by-id/usb-FTDI_FT232R-if00: Permission denied\n"
                                       "The device belongs to the group \"%2\": add your user to "
                                       "it (sudo usermod -aG %2 $USER) and log in again.")
                            .arg(QString::fromStdString(places_.devRoot), ::getgrgid(st.st_gid)->gr_name);
    QCOMPARE(note->text(), why);
    QVERIFY(!note->isHidden());
}

void CommunicationDialogTest::whileConnectedThePortFieldsAreLockedAndSayWhy() {
    places_.connected = true;
    auto run = Open(ConnectionSettings{});
    for (const char* name : {"port", "baud", "dataBits", "stopBits", "parity"})
        QVERIFY2(!Find<QComboBox>(*run, name)->isEnabled(), name);
    QCOMPARE(Find<QComboBox>(*run, "port")->count(), 1);  // the open port is not probed
    QCOMPARE(Find<QLabel>(*run, "portNote")->text(),
             QStringLiteral("The port cannot be changed while connected: disconnect first."));
    Find<QComboBox>(*run, "baud")->setEditText(QStringLiteral("1200"));
    PressOk(*run);
    QCOMPARE(run->closed.at(0), ConnectionSettings{});
}

// A device that does not open is still listed, with the reason.
void CommunicationDialogTest::listsOpenableDevicesWithNumbers() {
    AddPortScanDevices();
    const std::string &root = places_.devRoot, &config = places_.configDir;
    const auto ports = ScanSerialPorts(root, config, [](const std::string& path) {
        return path.find("ttyACM") != std::string::npos ? EBUSY : 0;
    });
    const std::tuple<const char*, const char*, std::string> want[] = {
        {"ttyS0", "ttyS0", ""},
        {"serial/by-id/usb-FTDI_FT232R-if00", "ttyUSB0  usb-FTDI_FT232R-if00", ""},
        {"ttyACM0", "ttyACM0", root + "/dev/ttyACM0: Device or resource busy"}};
    QCOMPARE(ports.size(), std::size_t(3));
    for (int i = 0; i < 3; ++i) {
        const auto& [device, name, problem] = want[i];
        QCOMPARE(ports[i].number, i + 1);
        QCOMPARE(ports[i].device, root + "/dev/" + device);
        QCOMPARE(ports[i].name, std::string(name));
        QCOMPARE(ports[i].problem, problem);
    }
    QVERIFY(ScanSerialPorts(tmp_->File("nowhere"), config).empty());
}

void CommunicationDialogTest::linksKeepTheirNumbersAndAreReplaced() {
    AddPortScanDevices();
    const std::string &root = places_.devRoot, &config = places_.configDir;
    fs::create_directories(config + "/ports");
    fs::create_symlink(root + "/dev/ttyACM0", config + "/ports/com7");
    fs::create_symlink(root + "/dev/ttyUSB9", config + "/ports/com2");  // unplugged
    fs::create_symlink(root + "/dev/ttyACM0", config + "/ports/comX");  // not a port link
    auto ports = ScanSerialPorts(root, config);
    QCOMPARE(ports.size(), std::size_t(3));
    QCOMPARE(ports[0].number, 1);
    QCOMPARE(ports[1].number, 3);  // 2 stays with the dangling link
    QCOMPARE(ports[1].name, std::string("ttyUSB0  usb-FTDI_FT232R-if00"));
    QCOMPARE(ports[2].number, 7);
    QCOMPARE(ports[2].name, std::string("ttyACM0"));

    const std::string link = PortLinkPath(config, 2);
    QCOMPARE(link, config + "/ports/com2");
    QVERIFY(WritePortLink(config, 2, root + "/dev/ttyUSB0"));
    QCOMPARE(fs::read_symlink(link).string(), root + "/dev/ttyUSB0");
    QCOMPARE(ScanSerialPorts(root, config)[1].number, 2);
    QCOMPARE(std::distance(fs::directory_iterator(config + "/ports"), fs::directory_iterator()), 3);
}

QTEST_MAIN(CommunicationDialogTest)
#include "communication_dialog_test.moc"
