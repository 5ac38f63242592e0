// The tab page widgets: edits reach the page's form, buttons run the page's
// operations, and the widgets redraw from the page's state.
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/list_page_widgets.h"
#include "app/log_view_widget.h"
#include "app/special_page_widget.h"
#include "model/text_codec.h"
#include "window_fixture.h"

using namespace dorvik;
using dorvik::test::Named;

namespace {

// The control named name inside the group titled group.
template <class T>
T* InGroup(QWidget* root, const QString& group, const QString& name) {
    QGroupBox* box = Named<QGroupBox>(root, group);
    return box ? Named<T>(box, name) : nullptr;
}

// Chinese text arrives through the input method, not as key presses.
void TypeByInputMethod(QWidget* edit, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(edit, &event);
}

}  // namespace

class PageWidgetsTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void phoneEditsSetAndRowClickGoThroughThePage();
    void keysWorkAsClicksAndColumnsFillTheList();
    void unitCommandButtonsFollowTheConnection();
    void specialModeShowsItsControlsAndAmountTakesThreeDigits();
    void settingsTogglesEnableTheirControls();
    void logViewShowsEntriesAndDeleteClearsThem();
    void engineChangesReachTheWidgetsWithoutATimer();

private:
    QWidget* Page(int tab) { return window_->Pages()[tab]; }
    // Delivers the redraws the pages asked for; no timer runs.
    void Redrawn() { QCoreApplication::sendPostedEvents(); }

    std::unique_ptr<test::WindowPlace> place_;
    std::unique_ptr<CMainWindow> window_;
};

void PageWidgetsTest::init() {
    place_ = std::make_unique<test::WindowPlace>();
    window_ = place_->MakeWindow();
    window_->show();
}

void PageWidgetsTest::cleanup() {
    window_.reset();
    place_.reset();
}

void PageWidgetsTest::phoneEditsSetAndRowClickGoThroughThePage() {
    auto* phone = static_cast<NumberPageWidget*>(Page(0));
    CPhone& page = window_->Frame().Phone();
    QTest::keyClicks(phone->IndexEdit(), QStringLiteral("7"));
    QTest::keyClicks(phone->NumberEdit(), QStringLiteral("5550123"));
    TypeByInputMethod(phone->NameEdit(), QStringLiteral("李雷"));
    QCOMPARE(page.Form().name, Utf8ToGb("李雷"));
    Named<QPushButton>(phone, QStringLiteral("Set"))->click();
    QAbstractItemModel* rows = phone->Table()->model();
    QCOMPARE(rows->index(6, 1).data().toString(), QStringLiteral("5550123"));
    QCOMPARE(rows->index(6, 2).data().toString(), QStringLiteral("李雷"));
    QCOMPARE(phone->UsedCounter()->text(), QStringLiteral("Used 1/2000"));
    QVERIFY(place_->boxes.shown.empty());

    // A refused Set changes nothing and says why.
    phone->NumberEdit()->clear();
    QTest::keyClicks(phone->NumberEdit(), QStringLiteral("55a"));
    Named<QPushButton>(phone, QStringLiteral("Set"))->click();
    QCOMPARE(place_->boxes.Texts(), std::vector<std::string>{"Ilegal phone number"});
    QCOMPARE(rows->index(6, 1).data().toString(), QStringLiteral("5550123"));

    // A click on the row fills the form from it.
    phone->IndexEdit()->clear();
    page.Form() = {};
    const QRect cell = phone->Table()->visualRect(rows->index(6, 1));
    QTest::mouseClick(phone->Table()->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(phone->IndexEdit()->text(), QStringLiteral("7"));
    QCOMPARE(phone->NumberEdit()->text(), QStringLiteral("5550123"));
    QCOMPARE(phone->NameEdit()->text(), QStringLiteral("李雷"));
}

void PageWidgetsTest::keysWorkAsClicksAndColumnsFillTheList() {
    auto* phone = static_cast<NumberPageWidget*>(Page(0));
    QTest::keyClicks(phone->IndexEdit(), QStringLiteral("8"));
    QTest::keyClicks(phone->NumberEdit(), QStringLiteral("5550188"));
    QTest::keyClick(phone->NumberEdit(), Qt::Key_Return);  // Enter runs Set
    QAbstractItemModel* rows = phone->Table()->model();
    QCOMPARE(rows->index(7, 1).data().toString(), QStringLiteral("5550188"));
    phone->Table()->setCurrentIndex(rows->index(7, 1));
    QTest::keyClick(phone->Table(), Qt::Key_Down);  // as a click on slot 9
    QCOMPARE(phone->IndexEdit()->text(), QStringLiteral("9"));
    QCOMPARE(phone->NumberEdit()->text(), QString());
    QTest::keyClick(phone->Table(), Qt::Key_Up);
    QCOMPARE(phone->NumberEdit()->text(), QStringLiteral("5550188"));
    for (QSize size : {QSize(1600, 900), QSize(1100, 700)}) {
        window_->resize(size);
        QApplication::processEvents();
        int columns = 0;
        for (int col = 0; col < rows->columnCount(); ++col) columns += phone->Table()->columnWidth(col);
        QCOMPARE(columns, phone->Table()->viewport()->width());
    }
}

void PageWidgetsTest::unitCommandButtonsFollowTheConnection() {
    QPushButton* getAll = Named<QPushButton>(Page(0), QStringLiteral("Get Numbers From Unit"));
    QPushButton* getName = Named<QPushButton>(Page(3), QStringLiteral("Get Unit Name"));
    QPushButton* pcTime = Named<QPushButton>(Page(3), QStringLiteral("Get PC Time"));
    QPushButton* status = Named<QPushButton>(Page(4), QStringLiteral("Get Status"));
    QPushButton* log =
        Named<QPushButton>(window_->LogView(), QStringLiteral("Get The Entire Log From Unit"));
    for (QPushButton* b : {getAll, getName, status, log}) QVERIFY(!b->isEnabled());
    QVERIFY(pcTime->isEnabled());
    window_->Frame().Engine().EnableAllPages(true);
    Redrawn();
    for (QPushButton* b : {getAll, getName, status, log}) QVERIFY(b->isEnabled());
    // Not connected: the page refuses and sends nothing.
    getName->click();
    QCOMPARE(place_->boxes.Texts(), std::vector<std::string>{"You are disconnected from the unit"});
    // Enter in a settings field runs its group's Set.
    QTest::keyClick(Named<QLineEdit>(Page(3), QStringLiteral("Unit Name")), Qt::Key_Return);
    QCOMPARE(place_->boxes.Texts().size(), std::size_t(2));
    QVERIFY(window_->Frame().LogPage().SendText().empty());
}

void PageWidgetsTest::specialModeShowsItsControlsAndAmountTakesThreeDigits() {
    auto* special = static_cast<SpecialPageWidget*>(Page(1));
    window_->Tabs()->setCurrentIndex(1);
    auto* fromDate = Named<QDateTimeEdit>(special, QStringLiteral("From Date"));
    QVERIFY(special->WeekDays()->isVisible());
    QVERIFY(!fromDate->isVisible());
    special->ModeButton(SpecialMode::DateToDate)->click();
    QVERIFY(!special->WeekDays()->isVisible());
    QVERIFY(fromDate->isVisible());
    QCOMPARE(fromDate->dateTime().toString(QStringLiteral("yyyy/MM/dd HH:mm")),
             QStringLiteral("2010/01/01 00:00"));
    QCOMPARE(window_->Frame().Special().Grid().SelectedRow(), 20);  // first P slot
    special->ModeButton(SpecialMode::EntriesAmount)->click();
    QVERIFY(special->AmountEdit()->isVisible());
    QTest::keyClicks(special->AmountEdit(), QStringLiteral("1x234"));
    QCOMPARE(special->AmountEdit()->text(), QStringLiteral("123"));
    QCOMPARE(window_->Frame().Special().Form().amount, std::string("123"));
}

void PageWidgetsTest::settingsTogglesEnableTheirControls() {
    QWidget* msic = Page(3);
    auto* alarm1 = Named<QCheckBox>(msic, QStringLiteral("Alarm1"));
    auto* phone = InGroup<QRadioButton>(msic, QStringLiteral("Alarm"), QStringLiteral("PHONE"));
    auto* interval = InGroup<QLineEdit>(msic, QStringLiteral("Alarm"), QStringLiteral("Interval"));
    QVERIFY(!phone->isEnabled() && !interval->isEnabled());
    alarm1->click();
    QVERIFY(alarm1->isChecked());
    QVERIFY(phone->isEnabled() && interval->isEnabled());
    phone->click();
    QVERIFY(window_->Frame().Msic().Form().alarms[0].phoneChecked);
    auto* current =
        InGroup<QLineEdit>(msic, QStringLiteral("Battery backup"), QStringLiteral("Current"));
    QVERIFY(!current->isEnabled());
    InGroup<QCheckBox>(msic, QStringLiteral("Battery backup"), QStringLiteral("Enable"))->click();
    QVERIFY(current->isEnabled());
    // A reply written into the page shows up in its controls.
    window_->Frame().Msic().SetUnitNameAndVersion("Gate 1", "V2.3", false);
    Redrawn();
    QCOMPARE(Named<QLineEdit>(msic, QStringLiteral("Unit Name"))->text(), QStringLiteral("Gate 1"));
    // The seven relays of the other settings page start ON.
    QWidget* multi = Page(4);
    auto* relay7 = InGroup<QRadioButton>(multi, QStringLiteral("Relay7"), QStringLiteral("OFF"));
    QVERIFY(!relay7->isChecked());
    relay7->click();
    QVERIFY(!window_->Frame().MultiRelay().Relays()[6]);
    // The alarm page's message box shows only in modem mode.
    window_->Tabs()->setCurrentIndex(2);
    QLineEdit* message = Named<QLineEdit>(Page(2), QStringLiteral("Message"));
    QVERIFY(!message->isVisible());
    window_->Frame().Alarm().ShowModemControls(true);
    window_->Frame().Alarm().SetMessageText("ALARM1");
    Redrawn();
    QVERIFY(message->isVisible());
    QCOMPARE(message->text(), QStringLiteral("ALARM1"));
}

void PageWidgetsTest::logViewShowsEntriesAndDeleteClearsThem() {
    window_->Action(MenuCommand::LogView)->trigger();
    LogViewWidget* log = window_->LogView();
    window_->Frame().LogView().AddLogEntry("201612281345", "5550100", "Tom", 7);
    Redrawn();
    QAbstractItemModel* rows = log->Table()->model();
    QCOMPARE(rows->rowCount(), 1000);
    QCOMPARE(rows->index(0, 1).data().toString(), QStringLiteral("2016/12/28 13:45"));
    QCOMPARE(rows->headerData(3, Qt::Horizontal).toString(), QStringLiteral("User Name"));
    Named<QPushButton>(log, QStringLiteral("Delete Log"))->click();
    QCOMPARE(rows->index(0, 2).data().toString(), QString());
}

// What the engine changes while no button is pressed shows up once the
// posted redraws are delivered.
void PageWidgetsTest::engineChangesReachTheWidgetsWithoutATimer() {
    CMainFrame& frame = window_->Frame();
    // A confirmation marks a slot and selects it behind the page's back.
    frame.Model().phones.SetRowStatus(11, RowStatus::InUnit);
    frame.Model().phones.SelectRow(11);
    Redrawn();
    QCOMPARE(static_cast<NumberPageWidget*>(Page(0))->Table()->currentIndex().row(), 11);
    // A reply line reaches every Receive box.
    frame.Engine().ShowReceived("GATE V2.3");
    Redrawn();
    std::vector<PageWidget*> views = window_->Pages();
    views.push_back(window_->LogView());
    for (PageWidget* view : views)
        QCOMPARE(Named<QLineEdit>(view, QStringLiteral("Receive"))->text(), QStringLiteral("GATE V2.3"));
}

QTEST_MAIN(PageWidgetsTest)
#include "page_widgets_test.moc"
