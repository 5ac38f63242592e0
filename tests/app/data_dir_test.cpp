// Finding the data shipped with the program from the executable's folder:
// installed (bin/../share/dorvik), in a build tree, or nowhere.
#include "app/data_dir.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>

#include "app/start_pictures.h"
#include "scratch_dir.h"

using namespace dorvik;
namespace fs = std::filesystem;

class DataDirTest : public QObject {
    Q_OBJECT
private slots:
    void programDataDir();
    void ownPictureBeforeShipped();
};

// Each row: folders (and a CMakeCache.txt) made under a scratch root, the
// executable's folder, and the data folder expected ("" for none).
void DataDirTest::programDataDir() {
    const struct {
        std::vector<std::string> made;
        std::string exe, expected;
    } rows[] = {{{"usr/bin", "usr/share/dorvik"}, "usr/bin/", "usr/share/dorvik"},
                {{"b/src/app", "b/share/dorvik", "b/CMakeCache.txt"}, "b/src/app", "b/share/dorvik"},
                {{"b/src/app", "b/CMakeCache.txt"}, "b/src/app", ""},  // nothing painted
                {{"opt/x/bin", "share/dorvik"}, "opt/x/bin", ""}};
    for (const auto& row : rows) {
        const test::ScratchDir tmp;
        const fs::path root = tmp.path();
        for (const std::string& m : row.made) {
            if (m.ends_with(".txt"))
                test::WriteBytes((root / m).string(), "");
            else
                fs::create_directories(root / m);
        }
        QCOMPARE(ProgramDataDir((root / row.exe).string()),
                 row.expected.empty() ? std::string() : (root / row.expected).string());
    }
}

// The test runs in the build tree, whose share/dorvik holds the painted logo.
void DataDirTest::ownPictureBeforeShipped() {
    QTemporaryDir own;
    const QString shipped = PicturePath(own.path(), kAboutLogoFile);
    QVERIFY(shipped.startsWith(QString::fromStdString(ProgramDataDir())));
    QVERIFY(!QImage(shipped).isNull());
    QVERIFY(EnsureStartPictures(own.path()));
    QVERIFY(!QFileInfo::exists(own.filePath(QString::fromLatin1(kAboutLogoFile))));
    QVERIFY(DrawAboutLogo().save(own.filePath(QString::fromLatin1(kAboutLogoFile))));
    QCOMPARE(PicturePath(own.path(), kAboutLogoFile),
             own.filePath(QString::fromLatin1(kAboutLogoFile)));
}

QTEST_MAIN(DataDirTest)
#include "data_dir_test.moc"
