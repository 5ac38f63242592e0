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
    void openingWithoutPortShowsDefaultsAndCancelKeepsThem();
    void openingShowsSettingsAndPasswordOnlyWhenSaved();
    void okChecksInOrderAndStopsAtFirstFailure();
    void nonNumericTimeOutIsRefusedEvenWithoutModem();
    void cancelAfterRefusedOkReturnsWhatWasTyped();
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

void ConnectionDialogModelTest::openingWithoutPortShowsDefaultsAndCancelKeepsThem() {
    ConnectionDialogModel& model = *model_;
    ConnectionSettings none = Saved();
    none.port = 0;
    model.Open(none);
    const ConnectionForm& c = model.Controls();
    QCOMPARE((std::vector<std::string>{c.port, c.baud, c.parity, c.dataBits, c.stopBits}),
             (std::vector<std::string>{"COM2", "9600", "NONE", "8", "1"}));
    ConnectionSettings defaults = none;  // Cancel: nothing read
    defaults.port = 2;
    defaults.baud = 9600;
    defaults.parity = 'N';
    defaults.dataBits = 8;
    defaults.stopBits = 1;
    QCOMPARE(model.Result(), defaults);
    QVERIFY(boxes_.shown.empty());
}

void ConnectionDialogModelTest::openingShowsSettingsAndPasswordOnlyWhenSaved() {
    ConnectionDialogModel& model = *model_;
    QCOMPARE(model.Controls().port, std::string("COM3"));
    QCOMPARE(model.Controls().parity, std::string("EVEN"));
    QCOMPARE(model.Controls().expiredTime, std::string("30"));
    QCOMPARE(model.Controls().password, std::string("482915"));
    QCOMPARE(model.Result(), Saved());

    ConnectionSettings hidden = Saved();
    hidden.savePassword = false;
    hidden.parity = 'M';
    model.Open(hidden);
    QCOMPARE(model.Controls().password, std::string());
    QCOMPARE(model.Controls().parity, std::string("NONE"));
    QCOMPARE(model.Result().password, std::string("482915"));  // Cancel keeps it
    QVERIFY(model.Ok(model.Controls()));
    QCOMPARE(model.Result().password, std::string());  // OK stores the empty box
}

void ConnectionDialogModelTest::okChecksInOrderAndStopsAtFirstFailure() {
    ConnectionDialogModel& model = *model_;
    ConnectionForm f = model.Controls();
    f.expiredTime = "0";
    f.useModem = true;
    f.unitPhoneNumber.clear();
    f.tavrinMode = true;
    f.unitId.clear();
    QVERIFY(!model.Ok(f));
    f.expiredTime = "5";
    QVERIFY(!model.Ok(f));
    f.unitPhoneNumber = "13900000000";
    QVERIFY(!model.Ok(f));
    f.password = "";
    f.unitId = "77";
    QVERIFY(!model.Ok(f));
    f.password = "1234";
    QVERIFY(model.Ok(f));
    const std::vector<std::string> expected = {ConnectionDialogModel::kBadExpiredTime,
                                               ConnectionDialogModel::kNeedPhoneNumber,
                                               ConnectionDialogModel::kNeedIdAndPassword,
                                               ConnectionDialogModel::kNeedIdAndPassword};
    QCOMPARE(boxes_.Texts(), expected);
    for (const auto& b : boxes_.shown) {
        QCOMPARE(b.caption, std::string("DORVIK"));
        QVERIFY(b.icon == MsgIcon::Error);
    }
}

void ConnectionDialogModelTest::nonNumericTimeOutIsRefusedEvenWithoutModem() {
    ConnectionDialogModel& model = *model_;
    for (const char* bad : {"abc", "", "-3", "0", "12s"}) {
        ConnectionForm f = model.Controls();
        f.expiredTime = bad;
        QVERIFY2(!model.Ok(f), bad);
    }
    QCOMPARE(boxes_.shown.size(), std::size_t(5));
    ConnectionForm f = model.Controls();
    f.expiredTime = " 12 ";
    QVERIFY(model.Ok(f));
    QCOMPARE(model.Result().expiredTime, 12);
}

void ConnectionDialogModelTest::cancelAfterRefusedOkReturnsWhatWasTyped() {
    ConnectionDialogModel& model = *model_;
    ConnectionForm f = model.Controls();
    f.useModem = true;
    f.unitPhoneNumber.clear();
    f.password = "999999";
    f.port = "COM9";
    QVERIFY(!model.Ok(f));
    const ConnectionSettings back = model.Result();  // then Cancel
    QVERIFY(back.useModem);
    QCOMPARE(back.password, std::string("999999"));
    QCOMPARE(back.port, 9);
    // A refused time-out is not taken back.
    f.expiredTime = "0";
    QVERIFY(!model.Ok(f));
    QCOMPARE(model.Result().expiredTime, 30);
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
