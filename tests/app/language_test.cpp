// The window in the user's language: the choice and its default, the
// language dialog, translated menus, tabs and core messages, and English
// texts left exactly as they are.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>
#include <tuple>

#include "app/language_dialog.h"
#include "app/main_window.h"
#include "app/qt_message_box.h"
#include "app/ui_language.h"
#include "app/ui_text.h"
#include "model/config_dir.h"
#include "pages/field_checks.h"

using namespace dorvik;

namespace {

class MemoryLanguage : public LanguageStore {
public:
    std::optional<std::uint32_t> stored;
    std::optional<std::uint32_t> Get() const override { return stored; }
    bool Set(std::uint32_t language) override {
        stored = language;
        return true;
    }
};

// Runs show() and returns the text and buttons of the message box it opens.
QStringList ShownBox(const std::function<void()>& show) {
    QStringList seen;
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        seen << box->text();
        for (QAbstractButton* b : box->buttons()) seen << b->text();
        box->accept();
    });
    show();
    return seen;
}

struct CoreText {
    const char* english;
    const char* chinese;
};

// Whole texts, composed forms, a composed form holding a translated piece,
// a piece holding "%1", and a text that stays as it is.
const CoreText kCoreTexts[] = {
    {"Ilegal phone number", "电话号码无效"},
    {"Cannot open COM3", "无法打开 COM3"},
    {"ID:0815 is connected...", "主机 0815 已连接..."},
    {"Used 40/2000", "已用 40/2000"},
    {"Unable to open hyperlink:\n\nThe specified file was not found.",
     "无法打开超链接：\n\n找不到指定的文件。"},
    {"Cannot open COM2\n/dev/ttyS1: busy\nAdd your user to the \"dialout\" group (sudo usermod "
     "-aG dialout $USER) and log in again.",
     "无法打开 COM2\n/dev/ttyS1: busy\n请把您的用户加入 \"dialout\" 组（sudo usermod -aG dialout "
     "$USER）后重新登录。"},
    {"Error Response, WHL%1 SET", "主机回复有误：WHL%1 SET"},
    {"GSM 900, DCS 1800", "GSM 900, DCS 1800"},
};

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        dir_ = std::make_unique<QTemporaryDir>();
        qputenv(kConfigDirVariable, QFile::encodeName(dir_->path()));
    }
    void cleanup() { InstallLanguage(UiLanguage::English); }

    void storedChoiceElseLocaleDecides() {
        const std::tuple<std::optional<std::uint32_t>, const char*, UiLanguage> rows[] = {
            {std::nullopt, "zh_CN", UiLanguage::Chinese}, {std::nullopt, "en_US", UiLanguage::English},
            {0, "zh_CN", UiLanguage::English}, {1, "en_US", UiLanguage::Chinese},
            {7, "zh_CN", UiLanguage::English}};
        for (const auto& [stored, locale, want] : rows) {
            MemoryLanguage store;
            store.stored = stored;
            QCOMPARE(ChosenLanguage(store, QLocale(QString::fromLatin1(locale))), want);
        }
    }

    void dialogOffersBothAndStoresTheChoice() {
        MemoryLanguage store;
        store.stored = 1;
        Clanguage dialog(&store);
        QCOMPARE(dialog.List()->count(), 2);
        QCOMPARE(dialog.List()->itemText(0), QStringLiteral("English"));
        QCOMPARE(dialog.List()->itemText(1), QStringLiteral("简体中文"));
        QCOMPARE(dialog.List()->currentIndex(), 1);
        dialog.List()->setCurrentIndex(0);
        dialog.reject();
        QCOMPARE(store.stored, std::optional<std::uint32_t>(1));
        dialog.accept();
        QCOMPARE(store.stored, std::optional<std::uint32_t>(0));
    }

    void coreTextsInEitherLanguage() {
        for (bool chinese : {false, true}) {
            QVERIFY(InstallLanguage(chinese ? UiLanguage::Chinese : UiLanguage::English));
            for (const CoreText& t : kCoreTexts) {
                const QString want = QString::fromUtf8(chinese ? t.chinese : t.english);
                QCOMPARE(TrCore(QString::fromUtf8(t.english)), want);
            }
            // The run meter's own forms; " of " inside other texts is left alone.
            QCOMPARE(TrRunText("4 of 42, 0:07 left"),
                     chinese ? QStringLiteral("4/42，剩余时间 0:07") : QStringLiteral("4 of 42, 0:07 left"));
            QCOMPARE(TrRunText("7 lines received"),
                     chinese ? QStringLiteral("已接收 7 行") : QStringLiteral("7 lines received"));
            QCOMPARE(TrCore(QStringLiteral("copy of a.gto")), QStringLiteral("copy of a.gto"));
        }
    }

    void chineseWindowShowsMenusTabsAndMessagesInChinese() {
        QVERIFY(InstallLanguage(UiLanguage::Chinese));
        auto window = MakeWindow();
        QStringList menus, tabs;
        for (QAction* a : window->menuBar()->actions()) menus << a->text();
        for (int i = 0; i < window->Tabs()->count(); ++i) tabs << window->Tabs()->tabText(i);
        QCOMPARE(menus, QStringList({"文件(&F)", "视图(&V)", "帮助(&H)"}));
        QCOMPARE(tabs, QStringList({"授权号码", "特殊号码", "报警号码", "主机设置", "主机设置",
                                    "房号拨号"}));
        QCOMPARE(window->Status()->ConnectionPane()->text(), QStringLiteral("已断开与主机的连接"));
        QCOMPARE(IllegalNumberBox(*window), QStringList({"电话号码无效", "确定"}));
    }

    void englishWindowKeepsTodaysTexts() {
        auto window = MakeWindow();
        QCOMPARE(window->menuBar()->actions().first()->text(), QStringLiteral("&File"));
        QCOMPARE(window->Tabs()->tabText(5), QStringLiteral("House Dial Numbers"));
        QCOMPARE(IllegalNumberBox(*window), QStringList({kIlegalPhoneNumber, "OK"}));
    }

private:
    std::unique_ptr<CMainWindow> MakeWindow() {
        MainWindowOptions options;
        options.settingsPath = dir_->filePath(QStringLiteral("DORVIK.ini")).toStdString();
        options.language = &language_;
        options.dataDir = dir_->path();
        options.downloadStartPicture = false;
        return std::make_unique<CMainWindow>(options);
    }
    // The box the phone page shows for a number with a letter in it.
    static QStringList IllegalNumberBox(CMainWindow& window) {
        window.Frame().Phone().Form().index = "1";
        window.Frame().Phone().Form().number = "12a";
        return ShownBox([&] { window.Frame().Phone().OnSet(); });
    }

    std::unique_ptr<QTemporaryDir> dir_;
    MemoryLanguage language_;
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
