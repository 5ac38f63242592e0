// The connection dialog's rules without widgets: opening values, the two
// exclusive modes, the OK checks in order and what the main window takes back.
#include <QTest>

#include "app/connection_dialog_model.h"
#include "fakes.h"

using namespace dorvik;
using dorvik::test::RecordingMessageBox;

class ConnectionDialogModelTest : public QObject {
    Q_OBJECT
private slots:
    void openingWithoutPortShowsDefaultsAndCancelKeepsThem();
    void openingShowsSettingsAndPasswordOnlyWhenSaved();
    void modemAndTavrinExcludeEachOther();
    void okChecksInOrderAndStopsAtFirstFailure();
    void nonNumericTimeOutIsRefusedEvenWithoutModem();
    void cancelAfterRefusedOkReturnsWhatWasTyped();
    void portTextsAreReadBackOrKeepTheOpenedValues();
    void helpShowsTheDefaultPassword();
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

void ConnectionDialogModelTest::openingWithoutPortShowsDefaultsAndCancelKeepsThem() {
    RecordingMessageBox boxes;
    ConnectionDialogModel model(boxes);
    ConnectionSettings none = Saved();
    none.port = 0;
    model.Open(none);
    const ConnectionForm& c = model.Controls();
    QCOMPARE(c.port, std::string("COM2"));
    QCOMPARE(c.baud, std::string("9600"));
    QCOMPARE(c.parity, std::string("NONE"));
    QCOMPARE(c.dataBits, std::string("8"));
    QCOMPARE(c.stopBits, std::string("1"));
    const ConnectionSettings back = model.Result();  // Cancel: nothing read
    QCOMPARE(back.port, 2);
    QCOMPARE(back.baud, 9600);
    QCOMPARE(back.parity, 'N');
    QCOMPARE(back.dataBits, 8);
    QCOMPARE(back.stopBits, 1);
    QCOMPARE(back.password, none.password);
    QVERIFY(boxes.shown.empty());
}

void ConnectionDialogModelTest::openingShowsSettingsAndPasswordOnlyWhenSaved() {
    RecordingMessageBox boxes;
    ConnectionDialogModel model(boxes);
    model.Open(Saved());
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

void ConnectionDialogModelTest::modemAndTavrinExcludeEachOther() {
    RecordingMessageBox boxes;
    ConnectionDialogModel model(boxes);
    model.Open(Saved());
    QVERIFY(!model.ModemFieldsEnabled() && !model.UnitIdEnabled());
    model.ClickUseModem(true);
    QVERIFY(model.ModemFieldsEnabled());
    model.ClickTavrinMode(true);
    QVERIFY(model.UnitIdEnabled());
    QVERIFY(!model.Controls().useModem);
    QVERIFY(!model.ModemFieldsEnabled());
    model.ClickUseModem(true);
    QVERIFY(!model.Controls().tavrinMode);
    QVERIFY(!model.UnitIdEnabled());
    model.ClickUseModem(false);
    QVERIFY(!model.ModemFieldsEnabled() && !model.UnitIdEnabled());
}

void ConnectionDialogModelTest::okChecksInOrderAndStopsAtFirstFailure() {
    RecordingMessageBox boxes;
    ConnectionDialogModel model(boxes);
    model.Open(Saved());
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
    QCOMPARE(boxes.Texts(), expected);
    for (const auto& b : boxes.shown) {
        QCOMPARE(b.caption, std::string("DORVIK"));
        QVERIFY(b.icon == MsgIcon::Error);
    }
    QCOMPARE(std::string(ConnectionDialogModel::kBadExpiredTime), std::string("Invalidate expired time"));
}

void ConnectionDialogModelTest::nonNumericTimeOutIsRefusedEvenWithoutModem() {
    RecordingMessageBox boxes;
    ConnectionDialogModel model(boxes);
    model.Open(Saved());
    for (const char* bad : {"abc", "", "-3", "0", "12s"}) {
        ConnectionForm f = model.Controls();
        f.expiredTime = bad;
        QVERIFY2(!model.Ok(f), bad);
    }
    QCOMPARE(boxes.shown.size(), std::size_t(5));
    ConnectionForm f = model.Controls();
    f.expiredTime = " 12 ";
    QVERIFY(model.Ok(f));
    QCOMPARE(model.Result().expiredTime, 12);
}

void ConnectionDialogModelTest::cancelAfterRefusedOkReturnsWhatWasTyped() {
    RecordingMessageBox boxes;
    ConnectionDialogModel model(boxes);
    model.Open(Saved());
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
    RecordingMessageBox boxes;
    ConnectionDialogModel model(boxes);
    model.Open(Saved());
    ConnectionForm f = model.Controls();
    f.port = "COM12  ttyUSB0  usb-FTDI";
    f.baud = "57600";
    f.parity = "odd";
    f.dataBits = "8";
    f.stopBits = "1";
    QVERIFY(model.Ok(f));
    ConnectionSettings back = model.Result();
    QCOMPARE(back.port, 12);
    QCOMPARE(back.baud, 57600);
    QCOMPARE(back.parity, 'O');
    QCOMPARE(back.dataBits, 8);
    QCOMPARE(back.stopBits, 1);

    f.port = "ttyUSB0";
    f.baud = "fast";
    f.parity = "";
    f.dataBits = "-8";
    f.stopBits = "x";
    QVERIFY(model.Ok(f));
    back = model.Result();
    QCOMPARE(back.port, 3);
    QCOMPARE(back.baud, 115200);
    QCOMPARE(back.parity, 'E');
    QCOMPARE(back.dataBits, 7);
    QCOMPARE(back.stopBits, 2);
    QVERIFY(!ParseComNumber("COM0"));
    QVERIFY(!ParseComNumber("COM257"));
    QCOMPARE(ParseComNumber("COM256").value(), 256);
}

void ConnectionDialogModelTest::helpShowsTheDefaultPassword() {
    RecordingMessageBox boxes;
    ConnectionDialogModel model(boxes);
    model.ShowPasswordHelp();
    QCOMPARE(boxes.shown.size(), std::size_t(1));
    QCOMPARE(boxes.shown[0].text, std::string("Default password is 482915"));
    QVERIFY(boxes.shown[0].icon == MsgIcon::Information);
    QCOMPARE(boxes.shown[0].caption, std::string("DORVIK"));
}

QTEST_MAIN(ConnectionDialogModelTest)
#include "connection_dialog_model_test.moc"
