// The connection dialog's rules without widgets: opening values, the two
// exclusive modes, the OK checks in order and what the main window takes back.
#include <QTest>
#include <tuple>

#include "app/connection_dialog_model.h"
#include "fakes.h"

using namespace dorvik;
using dorvik::test::RecordingMessageBox;

class ConnectionDialogModelTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void openingShowsTheSettingsAndCancelKeepsThem();
    void okChecksInOrderAndCancelReturnsWhatWasTyped();
    void portTextsAreReadBackOrKeepTheOpenedValues();

private:
    RecordingMessageBox boxes_;
    std::unique_ptr<ConnectionDialogModel> model_;
};

namespace {

ConnectionSettings Saved() {
    ConnectionSettings s;
    s.port = 3;
    s.baud = 115200;
    s.parity = 'E';
    s.dataBits = 7;
    s.stopBits = 2;
    s.password = "482915";
    s.unitId = "77";
    s.unitPhoneNumber = "13900000000";
    s.expiredTime = 30;
    return s;
}

}  // namespace

// A fresh dialog opened with the saved settings.
void ConnectionDialogModelTest::init() {
    boxes_ = RecordingMessageBox();
    model_ = std::make_unique<ConnectionDialogModel>(boxes_);
    model_->Open(Saved());
}

// Without a port the serial defaults are shown; the password only when saved.
void ConnectionDialogModelTest::openingShowsTheSettingsAndCancelKeepsThem() {
    ConnectionSettings none = Saved(), defaults = Saved(), hidden = Saved(), hiddenBack;
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
    } rows[] = {{Saved(), {"COM3", "115200", "EVEN", "7", "2", "482915"}, Saved()},
                {none, {"COM2", "9600", "NONE", "8", "1", "482915"}, defaults},
                {hidden, {"COM3", "115200", "NONE", "7", "2", ""}, hiddenBack}};
    for (const auto& row : rows) {
        model_->Open(row.opened);
        const ConnectionForm& c = model_->Controls();
        QCOMPARE((std::vector<std::string>{c.port, c.baud, c.parity, c.dataBits, c.stopBits, c.password}),
                 row.shown);
        QCOMPARE(c.expiredTime, std::string("30"));
        QCOMPARE(model_->Result(), row.cancelled);
    }
    QVERIFY(boxes_.shown.empty());
    QVERIFY(model_->Ok(model_->Controls()));
    QCOMPARE(model_->Result().password, std::string());  // OK stores the empty box
}

// Each row changes the form a little more; the first failing check speaks.
void ConnectionDialogModelTest::okChecksInOrderAndCancelReturnsWhatWasTyped() {
    ConnectionDialogModel& model = *model_;
    ConnectionForm f = model.Controls();
    f.useModem = f.tavrinMode = true;
    f.unitPhoneNumber = f.unitId = "";
    f.port = "COM9";
    const std::pair<std::function<void()>, const char*> steps[] = {
        {[&] { f.expiredTime = "0"; }, ConnectionDialogModel::kBadExpiredTime},
        {[&] { f.expiredTime = "abc"; }, ConnectionDialogModel::kBadExpiredTime},
        {[&] { f.expiredTime = ""; }, ConnectionDialogModel::kBadExpiredTime},
        {[&] { f.expiredTime = "-3"; }, ConnectionDialogModel::kBadExpiredTime},
        {[&] { f.expiredTime = "12s"; }, ConnectionDialogModel::kBadExpiredTime},
        {[&] { f.expiredTime = " 12 "; }, ConnectionDialogModel::kNeedPhoneNumber},
        {[&] { f.unitPhoneNumber = "13900000000"; }, ConnectionDialogModel::kNeedIdAndPassword},
        {[&] { f.password = "", f.unitId = "77"; }, ConnectionDialogModel::kNeedIdAndPassword},
        {[&] { f.password = "999999"; }, nullptr}};
    for (const auto& [change, refusal] : steps) {
        change();
        boxes_.shown.clear();
        QCOMPARE(model.Ok(f), refusal == nullptr);
        QCOMPARE(boxes_.Texts(), refusal ? std::vector<std::string>{refusal} : std::vector<std::string>{});
        if (refusal) {
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

void ConnectionDialogModelTest::portTextsAreReadBackOrKeepTheOpenedValues() {
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
        ConnectionSettings want = Saved();
        std::tie(want.port, want.baud, want.parity, want.dataBits, want.stopBits) =
            std::tuple(c.wantPort, c.wantBaud, c.wantParity, c.wantData, c.wantStop);
        QCOMPARE(model_->Result(), want);
    }
    QVERIFY(!ParseComNumber("COM0"));
    QVERIFY(!ParseComNumber("COM257"));
    QCOMPARE(ParseComNumber("COM256").value(), 256);
}

QTEST_MAIN(ConnectionDialogModelTest)
#include "connection_dialog_model_test.moc"
