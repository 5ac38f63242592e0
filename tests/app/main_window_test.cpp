// The main window's menus, toolbars, tabs and views, and its tab pages: edits
// reach the page's form, buttons run its operations, widgets redraw from it.
#include "app/main_window.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>

#include "app/led.h"
#include "app/list_page_widgets.h"
#include "app/list_tab_widget.h"
#include "app/log_view_widget.h"
#include "app/special_page_widget.h"
#include "model/text_codec.h"
#include "scratch_dir.h"
#include "window_fixture.h"

using namespace dorvik;
using dorvik::test::Named;

namespace {

// Texts of the actions, "" for a separator.
QStringList Texts(const QList<QAction*>& actions, bool tips) {
    QStringList texts;
    for (QAction* a : actions)
        texts << (a->isSeparator() ? QString() : tips ? a->toolTip() : a->text());
    return texts;
}

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

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init() { place_ = std::make_unique<test::WindowPlace>(); }
    void cleanup() {
        window_.reset();
        place_.reset();
    }
    void menusToolbarsAndTabsInOrderWithShortcuts();
    void viewsSwitchAndTheStartupTick();
    void fileCommandsListButtonsAndClosingReachTheFrame();
    void layoutIsRestoredFromTheUserStateFile();
    void picturesArePaintedForTheScreenScale();
    void phoneEditsSetAndRowKeysGoThroughThePage();
    void togglesAndModesShowTheirControls();
    void engineChangesAndUnitCommandsReachTheWidgets();

private:
    std::unique_ptr<CMainWindow> MakeWindow() { return place_->MakeWindow(); }
    QString SettingsPath() const { return place_->Path("DORVIK.ini"); }
    QString ProjectPath() const { return place_->Path("unit.gto"); }

    void Shown() {
        window_ = MakeWindow();
        window_->show();
    }
    QWidget* Page(int tab) { return window_->Pages()[tab]; }
    // Delivers the redraws the pages asked for; no timer runs.
    void Redrawn() { QCoreApplication::sendPostedEvents(); }

    std::unique_ptr<test::WindowPlace> place_;
    std::unique_ptr<CMainWindow> window_;
};

void MainWindowTest::menusToolbarsAndTabsInOrderWithShortcuts() {
    auto window = MakeWindow();
    const QList<QAction*> menus = window->menuBar()->actions();
    QCOMPARE(Texts(menus, false), QStringList({"&File", "&View", "&Help"}));
    QCOMPARE(Texts(menus[0]->menu()->actions(), false),
             QStringList({"&New\tCtrl+N", "&Open...\tCtrl+O", "&Save\tCtrl+S", "Save &As...",
                          "Auto open last file", "", "Communication Selection", "", "E&xit"}));
    QCOMPARE(Texts(menus[1]->menu()->actions(), false),
             QStringList({"&Toolbar", "&Status Bar", "", "1", "2"}));
    QCOMPARE(Texts(menus[2]->menu()->actions(), false), QStringList({"&About DORVIK..."}));
    const QList<QAction*> main = window->MainToolBar()->actions();
    QCOMPARE(Texts(main, true),
             QStringList({" Setting or Log", "Open", "Save", "Save As", "", "Communciation", "",
                          "Connect/Disconnect", "Stop", "", "Language"}));
    QStringList prompts;
    for (QAction* a : main) {
        if (a->isSeparator()) continue;
        a->showStatusText(window.get());
        prompts << window->Status()->currentMessage();
    }
    QCOMPARE(prompts,
             QStringList({"Choose Setting or Log", "Open an existing *.gto",
                          "Save the active document ", "Save the active document with a new name",
                          "Set serial port param", "Connect/Disconnect to Unit",
                          "Stop the running upload or read", "Set Language"}));
    const QList<QAction*> view = window->ViewToolBar()->actions();
    QCOMPARE(Texts(view, false), QStringList({"Setting", " Log"}));
    QCOMPARE(window->ViewToolBar()->widgetForAction(view[0])->size(), QSize(96, 40));
    QStringList titles;
    for (int i = 0; i < window->Tabs()->count(); ++i) titles << window->Tabs()->tabText(i);
    QCOMPARE(titles, QStringList({"Phone Numbers", "Special Phone Numbers", "Alarm Phone Numbers",
                                  "Miscellaneous", "Miscellaneous", "House Dial Numbers"}));
    QCOMPARE(window->windowTitle(), QStringLiteral("QUELLIA User Management Version 1.1-20160701"));
    int named = 0;
    for (auto* label : window->findChildren<QLabel*>()) {
        if (!label->buddy()) continue;
        QCOMPARE(label->buddy()->accessibleName(), label->text());
        ++named;
    }
    for (auto* button : window->findChildren<QPushButton*>())
        QCOMPARE(button->accessibleName(), button->text());
    QVERIFY2(named > 40, qPrintable(QString::number(named)));

    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    for (auto [id, key] : {std::pair{MenuCommand::ChooseView, "Ctrl+N"}, {MenuCommand::Open, "Ctrl+O"},
                           {MenuCommand::Save, "Ctrl+S"}, {MenuCommand::SaveAs, "Ctrl+Shift+S"}, {MenuCommand::Exit, "Ctrl+Q"}}) {
        QSignalSpy fired(window->Action(id), &QAction::triggered);
        QTest::keySequence(window.get(), QKeySequence(QString::fromLatin1(key)));
        QCOMPARE(fired.count(), 1);
    }
    QVERIFY2(!window->isVisible(), "Ctrl+Q closes the window");
    // The toolbar and status bar items hide what they name.
    window->Action(MenuCommand::ShowStatusBar)->trigger();
    QVERIFY(window->Status()->isHidden());
    window->Action(MenuCommand::ShowToolbar)->trigger();
    QVERIFY(window->MainToolBar()->isHidden());
}

// The start-up tick makes the LED, returns to the setting view and shows the
// stored auto-open choice.
void MainWindowTest::viewsSwitchAndTheStartupTick() {
    ConnectionSettings stored;
    stored.autoOpen = false;
    SettingsFile(SettingsPath().toStdString()).Write(stored);
    auto window = MakeWindow();
    QAction* logButton = window->ViewToolBar()->actions()[1];
    QAction* settingButton = window->ViewToolBar()->actions()[0];
    auto shows = [&](FrameView view) {
        const bool log = view == FrameView::Log;
        return window->Frame().CurrentView() == view &&
               window->Views()->currentIndex() == (log ? 1 : 0) &&
               window->Action(MenuCommand::LogView)->isChecked() == log &&
               window->Action(MenuCommand::SettingView)->isChecked() == !log &&
               logButton->isChecked() == log && settingButton->isChecked() == !log;
    };
    QVERIFY(shows(FrameView::Setting));
    const std::pair<QAction*, FrameView> steps[] = {
        {window->Action(MenuCommand::LogView), FrameView::Log},
        {window->Action(MenuCommand::SettingView), FrameView::Setting},
        {window->Action(MenuCommand::ChooseView), FrameView::Log},
        {settingButton, FrameView::Setting}, {logButton, FrameView::Log}};
    for (auto [action, view] : steps) {
        action->trigger();
        QVERIFY2(shows(view), qPrintable(action->text()));
    }
    QVERIFY(!window->Status()->Led());
    window->Frame().OnStartupTick();
    QVERIFY(window->Status()->Led() && shows(FrameView::Setting));
    QCOMPARE(window->Status()->Led()->Colour(), LedRow::Green);
    QCOMPARE(window->Status()->Led()->State(), LedColumn::Unlit);
    QVERIFY(!window->Action(MenuCommand::AutoOpen)->isChecked());
    window->Action(MenuCommand::AutoOpen)->trigger();
    QVERIFY(window->Action(MenuCommand::AutoOpen)->isChecked());
    QVERIFY(window->Frame().AutoOpen());
}

// The page logic behind these is pinned by the page suite; here only the routing.
void MainWindowTest::fileCommandsListButtonsAndClosingReachTheFrame() {
    const std::string sheet = place_->Path("phones.xls").toStdString();
    {
        auto writer = MakeWindow();
        writer->show();
        writer->Frame().Model().phones.SetEntry("5550100", "Tom", 4, RowStatus::Pending);
        writer->Frame().Model().Modified.Set();
        place_->boxes.Script(MsgAnswer::Cancel);
        QVERIFY(!writer->close());
        QVERIFY(writer->isVisible());
        QCOMPARE(place_->boxes.Texts(),
                 std::vector<std::string>{"Save the changes to the Untitled?"});
        place_->files.answers = {ProjectPath().toStdString(), sheet};
        writer->Action(MenuCommand::Save)->trigger();
        Named<QPushButton>(writer->Pages()[0], QStringLiteral("Export to Excel"))->click();
        QVERIFY(QFile::exists(ProjectPath()) && QFile::exists(QString::fromStdString(sheet)));
        QVERIFY(!QFile::exists(SettingsPath()));
    }
    // The settings file is written when the window goes away.
    QVERIFY(test::ReadBytes(SettingsPath().toStdString()).find("[INIT]") != std::string::npos);
    for (bool fromSheet : {false, true}) {
        auto window = MakeWindow();
        place_->files.answers = {fromSheet ? sheet : ProjectPath().toStdString()};
        if (fromSheet)
            Named<QPushButton>(window->Pages()[0], QStringLiteral("Import From Excel"))->click();
        else
            window->Action(MenuCommand::Open)->trigger();
        QCOMPARE(window->Frame().Model().phones.Row(4).number, std::string("5550100"));
    }
}

void MainWindowTest::layoutIsRestoredFromTheUserStateFile() {
    const auto reopen = [this](const std::function<void(CMainWindow&)>& change) {
        auto window = MakeWindow();
        window->ShowWithSavedLayout();
        const bool maximised = window->isMaximized();
        change(*window);
        window->close();
        return maximised;
    };
    QVERIFY(reopen([](CMainWindow& w) {
        w.showNormal();
        w.resize(1200, 800);
        w.addToolBar(Qt::LeftToolBarArea, w.MainToolBar());
        w.ViewToolBar()->hide();
    }));  // maximised the first time
    QVERIFY(!reopen([](CMainWindow& w) {
        QCOMPARE(w.size(), QSize(1200, 800));
        QCOMPARE(w.toolBarArea(w.MainToolBar()), Qt::LeftToolBarArea);
        QVERIFY(w.ViewToolBar()->isHidden());
        w.showMaximized();
    }));
    QVERIFY(reopen([](CMainWindow&) {}));
    QVERIFY(QFile::exists(place_->Path("window.ini")));
}

// At 150 % and 200 % every picture has a device pixel for each screen pixel.
void MainWindowTest::picturesArePaintedForTheScreenScale() {
    std::vector<QIcon> icons = {MarkerIcon(RowStatus::Pending), AppIcon()};
    for (int kind = 0; kind <= static_cast<int>(IconKind::Application); ++kind)
        icons.push_back(PaintedIcon(static_cast<IconKind>(kind)));
    for (qreal scale : {1.5, 2.0}) {
        for (const QIcon& icon : icons)
            QCOMPARE(icon.pixmap(QSize(16, 16), scale, QIcon::Disabled).size(), QSize(16, 16) * scale);
        QCOMPARE(LedStrip(scale).size(), QSize(48, 80) * scale);
    }
}

void MainWindowTest::phoneEditsSetAndRowKeysGoThroughThePage() {
    Shown();
    auto* phone = static_cast<NumberPageWidget*>(Page(0));
    CPhone& page = window_->Frame().Phone();
    QTest::keyClicks(phone->IndexEdit(), QStringLiteral("7"));
    QTest::keyClicks(phone->NumberEdit(), QStringLiteral("5550123"));
    TypeByInputMethod(phone->NameEdit(), QStringLiteral("李雷😀"));
    QCOMPARE(page.Form().name, Utf8ToGb("李雷😀"));
    Named<QPushButton>(phone, QStringLiteral("Set"))->click();
    for (QLineEdit* edit : {phone->IndexEdit(), phone->NumberEdit()}) edit->clear();
    QTest::keyClicks(phone->IndexEdit(), QStringLiteral("8"));
    QTest::keyClicks(phone->NumberEdit(), QStringLiteral("5550188"));
    QTest::keyClick(phone->NumberEdit(), Qt::Key_Return);
    QAbstractItemModel* rows = phone->Table()->model();
    QCOMPARE(rows->index(6, 1).data().toString(), QStringLiteral("5550123"));
    QCOMPARE(rows->index(6, 2).data().toString(), QStringLiteral("李雷😀"));
    QCOMPARE(rows->index(7, 1).data().toString(), QStringLiteral("5550188"));
    QCOMPARE(phone->UsedCounter()->text(), QStringLiteral("Used 2/2000"));
    QVERIFY(place_->boxes.shown.empty());

    phone->IndexEdit()->clear();
    page.Form() = {};
    const QRect cell = phone->Table()->visualRect(rows->index(6, 1));
    QTest::mouseClick(phone->Table()->viewport(), Qt::LeftButton, {}, cell.center());
    QCOMPARE(phone->IndexEdit()->text(), QStringLiteral("7"));
    QCOMPARE(phone->NumberEdit()->text(), QStringLiteral("5550123"));
    QCOMPARE(phone->NameEdit()->text(), QStringLiteral("李雷😀"));
    QTest::keyClick(phone->Table(), Qt::Key_Down);
    QCOMPARE(phone->NumberEdit()->text(), QStringLiteral("5550188"));
    // The columns fill the list's width when the window is resized.
    window_->resize(1100, 700);
    QApplication::processEvents();
    int columns = 0;
    for (int col = 0; col < rows->columnCount(); ++col) columns += phone->Table()->columnWidth(col);
    QCOMPARE(columns, phone->Table()->viewport()->width());
}

void MainWindowTest::togglesAndModesShowTheirControls() {
    Shown();
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
    // The special tab shows the controls of its mode; the amount takes three digits.
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
    special->ModeButton(SpecialMode::EntriesAmount)->click();
    QVERIFY(special->AmountEdit()->isVisible());
    QTest::keyClicks(special->AmountEdit(), QStringLiteral("1x234"));
    QCOMPARE(special->AmountEdit()->text(), QStringLiteral("123"));
    QCOMPARE(window_->Frame().Special().Form().amount, std::string("123"));
}

// Unit command buttons follow the connection, and what the engine changes
// shows up once the posted redraws are delivered.
void MainWindowTest::engineChangesAndUnitCommandsReachTheWidgets() {
    Shown();
    CMainFrame& frame = window_->Frame();
    QPushButton* getAll = Named<QPushButton>(Page(0), QStringLiteral("Get Numbers From Unit"));
    QPushButton* getName = Named<QPushButton>(Page(3), QStringLiteral("Get Unit Name"));
    QPushButton* status = Named<QPushButton>(Page(4), QStringLiteral("Get Status"));
    QPushButton* log =
        Named<QPushButton>(window_->LogView(), QStringLiteral("Get The Entire Log From Unit"));
    for (QPushButton* b : {getAll, getName, status, log}) QVERIFY(!b->isEnabled());
    QVERIFY(Named<QPushButton>(Page(3), QStringLiteral("Get PC Time"))->isEnabled());
    frame.Engine().EnableAllPages(true);
    Redrawn();
    for (QPushButton* b : {getAll, getName, status, log}) QVERIFY(b->isEnabled());
    // Not connected: the page refuses and sends nothing.
    getName->click();
    QCOMPARE(place_->boxes.Texts(), std::vector<std::string>{"You are disconnected from the unit"});
    // Enter in a settings field runs its group's Set.
    QTest::keyClick(Named<QLineEdit>(Page(3), QStringLiteral("Unit Name")), Qt::Key_Return);
    QCOMPARE(place_->boxes.Texts().size(), std::size_t(2));
    QVERIFY(frame.LogPage().SendText().empty());
    // A confirmation marks a slot and selects it behind the page's back.
    frame.Model().phones.SetRowStatus(11, RowStatus::InUnit);
    frame.Model().phones.SelectRow(11);
    frame.Engine().ShowReceived("GATE V2.3");
    window_->Action(MenuCommand::LogView)->trigger();
    frame.LogView().AddLogEntry("201612281345", "5550100", "Tom", 7);
    Redrawn();
    QCOMPARE(static_cast<NumberPageWidget*>(Page(0))->Table()->currentIndex().row(), 11);
    std::vector<PageWidget*> views = window_->Pages();
    views.push_back(window_->LogView());
    for (PageWidget* view : views)
        QCOMPARE(Named<QLineEdit>(view, QStringLiteral("Receive"))->text(), QStringLiteral("GATE V2.3"));
    QAbstractItemModel* rows = window_->LogView()->Table()->model();
    QCOMPARE(rows->rowCount(), 1000);
    QCOMPARE(rows->index(0, 1).data().toString(), QStringLiteral("2016/12/28 13:45"));
    Named<QPushButton>(window_->LogView(), QStringLiteral("Delete Log"))->click();
    QCOMPARE(rows->index(0, 2).data().toString(), QString());
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
