// Finding the data shipped with the program from the executable's folder:
// installed (bin/../share/dorvik), in a build tree, or nowhere.
#include "app/data_dir.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>

#include "app/start_pictures.h"
#include "scratch_dir.h"

using namespace dorvik;
namespace fs = std::filesystem;

class DataDirTest : public QObject {
    Q_OBJECT
private slots:
    void programDataDir_data();
    void programDataDir();
    void ownPictureBeforeShipped();
};

// Each row: folders (and a CMakeCache.txt) made under a scratch root, the
// executable's folder, and the data folder expected ("" for none).
void DataDirTest::programDataDir_data() {
    QTest::addColumn<QStringList>("made");
    QTest::addColumn<QString>("exe");
    QTest::addColumn<QString>("expected");
    QTest::newRow("installed") << QStringList{"usr/bin", "usr/share/dorvik"} << "usr/bin/" << "usr/share/dorvik";
    QTest::newRow("build tree") << QStringList{"b/src/app", "b/share/dorvik", "b/CMakeCache.txt"}
                                << "b/src/app" << "b/share/dorvik";
    QTest::newRow("build tree, nothing painted") << QStringList{"b/src/app", "b/CMakeCache.txt"} << "b/src/app" << "";
    QTest::newRow("neither") << QStringList{"opt/x/bin", "share/dorvik"} << "opt/x/bin" << "";
}

void DataDirTest::programDataDir() {
    QFETCH(QStringList, made);
    QFETCH(QString, exe);
    QFETCH(QString, expected);
    const test::ScratchDir tmp;
    const fs::path root = tmp.path();
    for (const QString& m : made) {
        if (m.endsWith(QStringLiteral(".txt")))
            std::ofstream(root / m.toStdString()) << "";
        else
            fs::create_directories(root / m.toStdString());
    }
    const std::string found = ProgramDataDir((root / exe.toStdString()).string());
    QCOMPARE(QString::fromStdString(found),
             expected.isEmpty() ? QString()
                                : QString::fromStdString((root / expected.toStdString()).string()));
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
