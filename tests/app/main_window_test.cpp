// The main window: menus, toolbars and their prompts, the six tabs, view
// switching, the project file commands and the close question.
#include "app/main_window.h"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <memory>

#include "app/about_dialog.h"
#include "app/grid_table_model.h"
#include "app/language_dialog.h"
#include "app/led.h"
#include "app/sheet_select_dialog.h"
#include "app/list_tab_widget.h"
#include "fakes.h"
#include "scratch_dir.h"
#include "model/config_dir.h"

using namespace dorvik;
using dorvik::test::RecordingMessageBox;
using dorvik::test::ScriptedFileChooser;

namespace {

class NoLanguage : public LanguageStore {
public:
    std::optional<std::uint32_t> Get() const override { return std::nullopt; }
    bool Set(std::uint32_t) override { return true; }
};

// Texts of the actions, "" for a separator.
QStringList Texts(const QList<QAction*>& actions, bool tips) {
    QStringList texts;
    for (QAction* a : actions)
        texts << (a->isSeparator() ? QString() : tips ? a->toolTip() : a->text());
    return texts;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void menusHoldTheirItemsInOrderWithShortcuts();
    void toolbarsKeepTheirOrderTipsAndPrompts();
    void sixTabsInOrderAndEveryControlNamedByItsLabel();
    void viewsSwitchByMenuToolbarAndNew();
    void startupTickCreatesTheLedAndShowsAutoOpen();
    void saveAsksForAPathOnceThenSavesInPlace();
    void openLoadsTheProjectIntoTheLists();
    void closeQuestion_data();
    void closeQuestion();
    void spreadsheetButtonsExportAndImportTheList();
    void layoutIsRestoredFromTheUserStateFile();
    void smallDialogsShowTheirWholeTitleAndAboutTheVersion();
    void picturesArePaintedForTheScreenScale();

private:
    std::unique_ptr<CMainWindow> MakeWindow();
    QString SettingsPath() const { return dir_->filePath(QStringLiteral("DORVIK.ini")); }
    QString ProjectPath() const { return dir_->filePath(QStringLiteral("unit.gto")); }

    std::unique_ptr<QTemporaryDir> dir_;
    RecordingMessageBox boxes_;
    ScriptedFileChooser files_;
    NoLanguage language_;
};

void MainWindowTest::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    qputenv(kConfigDirVariable, QFile::encodeName(dir_->path()));
    boxes_ = RecordingMessageBox();
    files_ = ScriptedFileChooser();
}

void MainWindowTest::cleanup() {
    dir_.reset();
}

std::unique_ptr<CMainWindow> MainWindowTest::MakeWindow() {
    MainWindowOptions options;
    options.settingsPath = SettingsPath().toStdString();
    options.messages = &boxes_;
    options.files = &files_;
    options.language = &language_;
    options.dataDir = dir_->path();
    options.downloadStartPicture = false;
    return std::make_unique<CMainWindow>(options);
}

void MainWindowTest::menusHoldTheirItemsInOrderWithShortcuts() {
    auto window = MakeWindow();
    const QList<QAction*> menus = window->menuBar()->actions();
    QCOMPARE(Texts(menus, false), QStringList({"&File", "&View", "&Help"}));
    QCOMPARE(Texts(menus[0]->menu()->actions(), false),
             QStringList({"&New\tCtrl+N", "&Open...\tCtrl+O", "&Save\tCtrl+S", "Save &As...",
                          "Auto open last file", "", "Communication Selection", "", "E&xit"}));
    QCOMPARE(Texts(menus[1]->menu()->actions(), false),
             QStringList({"&Toolbar", "&Status Bar", "", "1", "2"}));
    QCOMPARE(Texts(menus[2]->menu()->actions(), false), QStringList({"&About DORVIK..."}));
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

void MainWindowTest::toolbarsKeepTheirOrderTipsAndPrompts() {
    auto window = MakeWindow();
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
    for (QToolBar* bar : {window->MainToolBar(), window->ViewToolBar()}) {
        QVERIFY(bar->isMovable());
        QCOMPARE(bar->allowedAreas(), Qt::AllToolBarAreas);
    }
    const QList<QAction*> view = window->ViewToolBar()->actions();
    QCOMPARE(Texts(view, false), QStringList({"Setting", " Log"}));
    QCOMPARE(window->ViewToolBar()->widgetForAction(view[0])->size(), QSize(96, 40));
}

void MainWindowTest::sixTabsInOrderAndEveryControlNamedByItsLabel() {
    auto window = MakeWindow();
    QStringList titles;
    for (int i = 0; i < window->Tabs()->count(); ++i) titles << window->Tabs()->tabText(i);
    QCOMPARE(titles, QStringList({"Phone Numbers", "Special Phone Numbers", "Alarm Phone Numbers",
                                  "Miscellaneous", "Miscellaneous", "House Dial Numbers"}));
    QCOMPARE(window->Tabs()->currentIndex(), 0);
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
    // The phone tab's list holds one row per slot and reads them when asked.
    auto* phone = dynamic_cast<ListTabWidget*>(window->Pages()[0]);
    QVERIFY(phone);
    QCOMPARE(phone->Table()->model()->rowCount(), 2000);
    QCOMPARE(phone->Table()->model()->index(1999, 0).data().toString(), QStringLiteral("2000"));
    QCOMPARE(phone->UsedCounter()->text(), QStringLiteral("Used 0/2000"));
}

void MainWindowTest::viewsSwitchByMenuToolbarAndNew() {
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
    // SettingView a second time: the view stays.
    const std::pair<QAction*, FrameView> steps[] = {
        {window->Action(MenuCommand::LogView), FrameView::Log}, {window->Action(MenuCommand::ChooseView), FrameView::Setting},
        {window->Action(MenuCommand::SettingView), FrameView::Setting}, {logButton, FrameView::Log},
        {settingButton, FrameView::Setting}};
    for (auto [action, view] : steps) {
        action->trigger();
        QVERIFY2(shows(view), qPrintable(action->text()));
    }
}

void MainWindowTest::startupTickCreatesTheLedAndShowsAutoOpen() {
    ConnectionSettings stored;
    stored.autoOpen = false;
    SettingsFile(SettingsPath().toStdString()).Write(stored);
    auto window = MakeWindow();
    QVERIFY(!window->Status()->Led());
    window->Action(MenuCommand::LogView)->trigger();
    window->Frame().OnStartupTick();
    QVERIFY(window->Status()->Led());
    QCOMPARE(window->Status()->Led()->Colour(), LedRow::Green);
    QCOMPARE(window->Status()->Led()->State(), LedColumn::Unlit);
    QVERIFY(!window->Action(MenuCommand::AutoOpen)->isChecked());
    QVERIFY(window->Action(MenuCommand::SettingView)->isChecked());
    window->Action(MenuCommand::AutoOpen)->trigger();
    QVERIFY(window->Action(MenuCommand::AutoOpen)->isChecked());
    QVERIFY(window->Frame().AutoOpen());
}

void MainWindowTest::saveAsksForAPathOnceThenSavesInPlace() {
    auto window = MakeWindow();
    files_.answers = {ProjectPath().toStdString(), std::nullopt};
    window->Action(MenuCommand::Save)->trigger();
    QCOMPARE(files_.filters.size(), std::size_t(1));
    QCOMPARE(files_.filters[0], std::string(CMainFrame::kOpenFilter));
    QVERIFY(QFile::exists(ProjectPath()));
    QFile::remove(ProjectPath());
    window->Action(MenuCommand::Save)->trigger();  // the path is known now
    QCOMPARE(files_.filters.size(), std::size_t(1));
    QVERIFY(QFile::exists(ProjectPath()));
    window->Action(MenuCommand::SaveAs)->trigger();  // cancelled
    QCOMPARE(files_.filters.back(), std::string("File Type(*.gto)|*.gto||"));
    QCOMPARE(window->Frame().ProjectPath(), ProjectPath().toStdString());
}

void MainWindowTest::openLoadsTheProjectIntoTheLists() {
    {
        auto writer = MakeWindow();
        writer->Frame().Model().phones.SetEntry("5550100", "Tom", 4, RowStatus::Pending);
        QVERIFY(writer->Frame().SaveProjectTo(ProjectPath().toStdString()));
    }
    auto window = MakeWindow();
    files_.answers = {ProjectPath().toStdString()};
    window->Action(MenuCommand::Open)->trigger();
    QCoreApplication::sendPostedEvents();  // the redraws the loaded lists asked for
    auto* phone = dynamic_cast<ListTabWidget*>(window->Pages()[0]);
    QAbstractItemModel* rows = phone->Table()->model();
    QCOMPARE(rows->index(4, 1).data().toString(), QStringLiteral("5550100"));
    QCOMPARE(rows->index(4, 2).data().toString(), QStringLiteral("Tom"));
    QVERIFY(!rows->index(4, 0).data(Qt::DecorationRole).value<QIcon>().isNull());
    QCOMPARE(phone->UsedCounter()->text(), QStringLiteral("Used 1/2000"));
}

void MainWindowTest::closeQuestion_data() {
    QTest::addColumn<bool>("modified");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("chooseFile");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("saved");
    QTest::newRow("unchanged") << false << int(MsgAnswer::Ok) << false << true << false;
    QTest::newRow("yes") << true << int(MsgAnswer::Yes) << true << true << true;
    QTest::newRow("yes, save cancelled") << true << int(MsgAnswer::Yes) << false << false << false;
    QTest::newRow("no") << true << int(MsgAnswer::No) << false << true << false;
    QTest::newRow("cancel") << true << int(MsgAnswer::Cancel) << false << false << false;
}

void MainWindowTest::closeQuestion() {
    QFETCH(bool, modified);
    QFETCH(int, answer);
    QFETCH(bool, chooseFile);
    QFETCH(bool, closes);
    QFETCH(bool, saved);
    auto window = MakeWindow();
    window->show();
    if (modified) window->Frame().Model().Modified.Set();
    boxes_.Script(static_cast<MsgAnswer>(answer));
    files_.answers = {chooseFile ? std::optional(ProjectPath().toStdString()) : std::nullopt};
    QCOMPARE(window->close(), closes);
    QCOMPARE(boxes_.Texts().size(), std::size_t(modified ? 1 : 0));
    if (modified) {
        QCOMPARE(boxes_.shown[0].text, std::string("Save the changes to the Untitled?"));
        QCOMPARE(boxes_.shown[0].buttons, MsgButtons::YesNoCancel);
    }
    QCOMPARE(QFile::exists(ProjectPath()), saved);
    // The settings file is written when the window goes away.
    QVERIFY(!QFile::exists(SettingsPath()));
    window.reset();
    const std::string settings = test::ReadBytes(SettingsPath().toStdString());
    QVERIFY(settings.find("[INIT]") != std::string::npos);
    QCOMPARE(settings.find(ProjectPath().toStdString()) != std::string::npos, saved);
}

void MainWindowTest::spreadsheetButtonsExportAndImportTheList() {
    const std::string sheet = dir_->filePath(QStringLiteral("phones.xls")).toStdString();
    {
        auto writer = MakeWindow();
        writer->Frame().Model().phones.SetEntry("5550100", "Tom", 4, RowStatus::InUnit);
        files_.answers = {sheet};
        auto* phone = dynamic_cast<ListTabWidget*>(writer->Pages()[0]);
        for (auto* button : phone->findChildren<QPushButton*>())
            if (button->text() == QStringLiteral("Export to Excel")) button->click();
        QVERIFY(QFile::exists(QString::fromStdString(sheet)));
    }
    auto window = MakeWindow();
    files_.answers = {sheet};
    auto* phone = dynamic_cast<ListTabWidget*>(window->Pages()[0]);
    for (auto* button : phone->findChildren<QPushButton*>())
        if (button->text() == QStringLiteral("Import From Excel")) button->click();
    QCOMPARE(window->Frame().Model().phones.Row(4).number, std::string("5550100"));
    QCOMPARE(window->Frame().Model().phones.Row(4).status, RowStatus::Pending);
    QCOMPARE(phone->UsedCounter()->text(), QStringLiteral("Used 1/2000"));
}

// Size, maximised state and toolbars come back from the per-user file.
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
    QVERIFY(QFile::exists(dir_->filePath(QStringLiteral("window.ini"))));
}

void MainWindowTest::smallDialogsShowTheirWholeTitleAndAboutTheVersion() {
    Clanguage language(&language_);
    CSheetSelect sheets({"Sheet1"});
    for (QDialog* dialog : {static_cast<QDialog*>(&language), static_cast<QDialog*>(&sheets)}) {
        dialog->show();
        QVERIFY(dialog->width() > dialog->fontMetrics().horizontalAdvance(dialog->windowTitle()) + 100);
    }
    CAboutDlg about(dir_->path());
    QStringList texts;
    for (auto* label : about.findChildren<QLabel*>()) texts << label->text();
    QVERIFY(texts.contains(QStringLiteral("DORVIK Version " DORVIK_VERSION)));
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

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
