// The window in the user's language: the choice and its default, the
// language dialog, translated menus, tabs and core messages, and English
// texts left exactly as they are.
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QTabWidget>
#include <tuple>

#include "app/language_dialog.h"
#include "app/ui_language.h"
#include "app/ui_text.h"
#include "pages/field_checks.h"
#include "window_fixture.h"

using namespace dorvik;
using dorvik::test::MemoryLanguage;

namespace {

struct CoreText {
    const char* english;
    const char* chinese;
    bool runMeter = false;  // a text of the run meter
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
    {"4 of 42, 0:07 left", "4/42，剩余时间 0:07", true},
    {"7 lines received", "已接收 7 行", true},
};

}  // namespace

class LanguageTest : public QObject {
    Q_OBJECT
private slots:
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
                QCOMPARE(t.runMeter ? TrRunText(t.english) : TrCore(QString::fromUtf8(t.english)),
                         want);
            }
            // " of " inside other texts is left alone.
            QCOMPARE(TrCore(QStringLiteral("copy of a.gto")), QStringLiteral("copy of a.gto"));
        }
    }

    // The English window's texts are pinned by the main window test.
    void windowShowsMenusTabsAndMessagesInTheChosenLanguage() {
        test::WindowPlace place;
        QVERIFY(InstallLanguage(UiLanguage::Chinese));
        auto window = place.MakeWindow(true);
        QStringList menus, tabs;
        for (QAction* a : window->menuBar()->actions()) menus << a->text();
        for (int i = 0; i < window->Tabs()->count(); ++i) tabs << window->Tabs()->tabText(i);
        QCOMPARE(menus, QStringList({"文件(&F)", "视图(&V)", "帮助(&H)"}));
        QCOMPARE(tabs, QStringList({"授权号码", "特殊号码", "报警号码", "主机设置", "主机设置",
                                    "房号拨号"}));
        QCOMPARE(window->Status()->ConnectionPane()->text(), QStringLiteral("已断开与主机的连接"));
        // The box the phone page shows for a number with a letter in it.
        window->Frame().Phone().Form().index = "1";
        window->Frame().Phone().Form().number = "12a";
        const auto set = [&] { window->Frame().Phone().OnSet(); };
        QCOMPARE(test::AnswerBox(set), QStringList({"DORVIK", "电话号码无效", "确定"}));
        QVERIFY(InstallLanguage(UiLanguage::English));
        QCOMPARE(test::AnswerBox(set), QStringList({"DORVIK", kIlegalPhoneNumber, "OK"}));
    }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
