// The hyperlink, about box, sheet and language dialogs, the splash and our
// own start pictures.
#include <QComboBox>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "app/about_dialog.h"
#include "app/hyperlink.h"
#include "app/language_dialog.h"
#include "app/sheet_select_dialog.h"
#include "app/splash_dialog.h"
#include "app/start_pictures.h"
#include "fakes.h"
#include "model/text_codec.h"

using namespace dorvik;
using dorvik::test::RecordingMessageBox;

class SmallDialogsTest : public QObject {
    Q_OBJECT
private slots:
    void sheetListIsSortedAndFirstPreselected();
    void sheetChoiceOnlyWithOk();
    void hyperlinkTakesUrlOrTextFromTheOther();
    void hyperlinkClickOpensAndMarksVisited();
    void hyperlinkFailureExplainsItself();
    void aboutBoxShowsOurLinksAndTransparentLogo();
    void languageChoiceIsStoredOnlyOnOk();
    void startPicturesAreDrawnOnceWhenMissing();
    void splashPrefersTheNewPictureAndClosesOnPress();
};

namespace {

void Click(QWidget* w) {
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

}  // namespace

void SmallDialogsTest::sheetListIsSortedAndFirstPreselected() {
    CSheetSelect dialog({"Sheet2", "Data", "Sheet1"});
    QCOMPARE(dialog.windowTitle(), QStringLiteral("DORVIK     Select Excel Table"));
    QCOMPARE(dialog.List()->count(), 3);
    QCOMPARE(dialog.List()->itemText(0), QStringLiteral("Data"));
    QCOMPARE(dialog.List()->itemText(1), QStringLiteral("Sheet1"));
    QCOMPARE(dialog.List()->itemText(2), QStringLiteral("Sheet2"));
    QCOMPARE(dialog.List()->currentText(), QStringLiteral("Data"));
}

void SmallDialogsTest::sheetChoiceOnlyWithOk() {
    const std::string chinese = Utf8ToGb("电话号码");
    CSheetSelect dialog({"PhoneNumbers", chinese});
    dialog.List()->setCurrentIndex(1);
    dialog.accept();
    QCOMPARE(dialog.Result().value(), chinese);
    CSheetSelect closed({"Log"});
    closed.reject();
    QVERIFY(!closed.Result());
    CSheetSelect empty({});
    empty.accept();
    QVERIFY(!empty.Result());
}

void SmallDialogsTest::hyperlinkTakesUrlOrTextFromTheOther() {
    CHyperLink noText(QString(), QStringLiteral("https://dorvik.example/"));
    QCOMPARE(noText.text(), QStringLiteral("https://dorvik.example/"));
    CHyperLink noUrl(QStringLiteral("https://dorvik.example/help"), QString());
    QCOMPARE(noUrl.URL(), QStringLiteral("https://dorvik.example/help"));
    QCOMPARE(noUrl.toolTip(), noUrl.URL());
    QVERIFY(noUrl.font().underline());
}

void SmallDialogsTest::hyperlinkClickOpensAndMarksVisited() {
    CHyperLink link(QStringLiteral("mail us"), QStringLiteral("mailto:info@dorvik.example"));
    std::vector<QUrl> opened;
    link.SetOpener([&](const QUrl& url) {
        opened.push_back(url);
        return true;
    });
    QCOMPARE(link.palette().color(QPalette::WindowText), QColor(CHyperLink::kLinkColour));
    link.show();
    Click(&link);
    QCOMPARE(opened.size(), std::size_t(1));
    QCOMPARE(opened[0].toString(), QStringLiteral("mailto:info@dorvik.example"));
    QVERIFY(link.Visited());
    QCOMPARE(link.palette().color(QPalette::WindowText), QColor(CHyperLink::kVisitedColour));
}

void SmallDialogsTest::hyperlinkFailureExplainsItself() {
    CHyperLink link(QStringLiteral("web"), QStringLiteral("https://dorvik.example/"));
    RecordingMessageBox boxes;
    link.SetOpener([](const QUrl&) { return false; });
    link.SetMessageBox(&boxes);
    link.show();
    Click(&link);
    QVERIFY(!link.Visited());
    QCOMPARE(boxes.Texts(), std::vector<std::string>{"Unable to open hyperlink:\n\nThere is no "
                                                     "application associated\nwith the given "
                                                     "filename extension."});
    QCOMPARE(HyperlinkErrorText(2), std::string("Unable to open hyperlink:\n\nThe specified file was not found."));
    QCOMPARE(HyperlinkErrorText(99), std::string("Unable to open hyperlink:\n\nUnknown Error (99) occurred."));
}

void SmallDialogsTest::aboutBoxShowsOurLinksAndTransparentLogo() {
    QTemporaryDir dir;
    CAboutDlg bare(dir.path());
    QVERIFY(!bare.HasLogo());
    QVERIFY(EnsureStartPictures(dir.path()));
    CAboutDlg about(dir.path());
    QCOMPARE(about.windowTitle(), QStringLiteral("DORVIK"));
    QCOMPARE(about.EmailLink()->URL(), QStringLiteral("mailto:info@dorvik.example"));
    QCOMPARE(about.WebLink()->URL(), QStringLiteral("https://dorvik.example/"));
    QVERIFY(about.HasLogo());
    const QImage shot = about.grab().toImage();
    const QImage plain = bare.grab().toImage();
    // Inside the logo's round emblem the logo shows; in its corner (the
    // transparent background colour) the dialog shows through.
    QVERIFY(shot.pixelColor(30 + 48, 40 + 48) != plain.pixelColor(30 + 48, 40 + 48));
    QCOMPARE(shot.pixelColor(31, 41), plain.pixelColor(31, 41));
}

void SmallDialogsTest::languageChoiceIsStoredOnlyOnOk() {
    QTemporaryDir dir;
    FileLanguageStore store(dir.filePath(QStringLiteral("language")).toStdString());
    Clanguage cancelled(&store);
    QCOMPARE(cancelled.List()->currentText(), QStringLiteral("English"));
    cancelled.reject();
    QVERIFY(!store.Get());
    Clanguage dialog(&store);
    dialog.accept();
    QCOMPARE(store.Get().value(), 0u);
}

void SmallDialogsTest::startPicturesAreDrawnOnceWhenMissing() {
    QTemporaryDir dir;
    const QString sub = dir.filePath(QStringLiteral("data/dorvik"));
    QVERIFY(LoadStartPicture(sub).isNull());
    QVERIFY(EnsureStartPictures(sub));
    const QImage start(QDir(sub).filePath(QStringLiteral("start.jpg")));
    const QImage logo(QDir(sub).filePath(QStringLiteral("logo.bmp")));
    QCOMPARE(start.size(), DrawStartPicture().size());
    QCOMPARE(logo.pixel(0, 0), kLogoBackground);
    // A picture already there is left alone.
    QImage other(10, 10, QImage::Format_RGB32);
    other.fill(Qt::red);
    QVERIFY(other.save(QDir(sub).filePath(QStringLiteral("start.jpg")), "JPG"));
    QVERIFY(EnsureStartPictures(sub));
    QCOMPARE(LoadStartPicture(sub).size(), QSize(10, 10));
}

void SmallDialogsTest::splashPrefersTheNewPictureAndClosesOnPress() {
    QTemporaryDir dir;
    CSplashDlg none(dir.path());
    QVERIFY(!none.Start(true));  // no picture: nothing shown, nothing waited for
    QVERIFY(!none.isVisible());

    QVERIFY(EnsureStartPictures(dir.path()));
    QFile broken(dir.filePath(QStringLiteral("newstart.jpg")));
    QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("not a picture") > 0);
    broken.close();
    CSplashDlg fallback(dir.path());
    QCOMPARE(fallback.size(), DrawStartPicture().size());

    QVERIFY(QImage(32, 24, QImage::Format_RGB32).save(dir.filePath(QStringLiteral("newstart.jpg")), "JPG"));
    CSplashDlg splash(dir.path());
    QCOMPARE(splash.size(), QSize(32, 24));
    QCOMPARE(splash.windowTitle(), QStringLiteral("DORVIK"));
    QVERIFY(splash.Start(false));
    QVERIFY(splash.isVisible());
    QTest::keyClick(&splash, Qt::Key_A);
    QVERIFY(!splash.isVisible());
    QVERIFY(splash.Start(false));
    Click(&splash);
    QVERIFY(!splash.isVisible());
}

QTEST_MAIN(SmallDialogsTest)
#include "small_dialogs_test.moc"
