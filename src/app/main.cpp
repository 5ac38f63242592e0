// dorvik: the desktop tool. Without a device it can run on the simulated
// unit (--demo); --port DEVICE (or DORVIK_DEVICE) names a real unit's
// serial device; --screenshots DIR renders the documentation pictures; a
// project file named after the options is opened.
#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <cstdio>
#include <memory>
#include <string_view>

#include "app/app_icons.h"
#include "app/data_dir.h"
#include "app/demo_mode.h"
#include "app/main_window.h"
#include "app/screenshots.h"
#include "app/splash_dialog.h"
#include "app/start_pictures.h"
#include "app/ui_language.h"
#include "app/ui_text.h"

namespace {

struct Arguments {
    bool demo = false;
    bool splash = true;
    QString device;
    QString screenshots;
    QString language;
    QString project;  // a project file to open, as from the file manager
};

Arguments Parse(const QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("DORVIK: configures a GSM access-control unit."));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption demo(QStringLiteral("demo"),
                                  QStringLiteral("Work on a simulated unit."));
    const QCommandLineOption port(
        QStringLiteral("port"), QStringLiteral("Serial device of the unit (else $DORVIK_DEVICE)."),
        QStringLiteral("device"));
    const QCommandLineOption shots(
        QStringLiteral("screenshots"),
        QStringLiteral("Render the window's pictures into a folder (demo)."),
        QStringLiteral("dir"));
    const QCommandLineOption noSplash(QStringLiteral("no-splash"),
                                      QStringLiteral("Start without the start picture."));
    const QCommandLineOption language(
        QStringLiteral("language"),
        QStringLiteral("Show the window in this language for this run: en or zh_CN."),
        QStringLiteral("code"));
    parser.addOptions({demo, port, shots, noSplash, language});
    parser.addPositionalArgument(QStringLiteral("project"),
                                 QStringLiteral("Project file (*.gto) to open."),
                                 QStringLiteral("[project.gto]"));
    parser.process(app);
    Arguments args;
    args.project = parser.positionalArguments().value(0);
    args.screenshots = parser.value(shots);
    args.demo = parser.isSet(demo) || !args.screenshots.isEmpty();
    args.splash = !parser.isSet(noSplash) && args.screenshots.isEmpty();
    args.language = parser.value(language);
    args.device = parser.isSet(port) ? parser.value(port) : qEnvironmentVariable("DORVIK_DEVICE");
    return args;
}

// The stored or locale's language, unless the command line names one.
void UseLanguage(const QString& option) {
    using namespace dorvik;
    UiLanguage language = ChosenLanguage(FileLanguageStore());
    if (!option.isEmpty())
        language = option.startsWith(QLatin1String("zh")) ? UiLanguage::Chinese
                                                         : UiLanguage::English;
    if (!InstallLanguage(language)) std::fprintf(stderr, "dorvik: no Chinese translation found\n");
}

// --help and --version print without a display: no window system is opened.
bool AsksForText(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg(argv[i]);
        if (arg == "-h" || arg == "--help" || arg == "-?" || arg == "--help-all" || arg == "-v" ||
            arg == "--version")
            return true;
    }
    return false;
}

int Fail(const QString& why) {
    std::fprintf(stderr, "dorvik: %s\n", qPrintable(why));
    return 2;
}

// A project named on the command line (the file manager's "Open with")
// opens as one chosen with Open..., and is not yet a change to save.
void OpenGivenProject(dorvik::CMainFrame& frame, const QString& path) {
    if (frame.OpenProject(QFile::encodeName(path).toStdString())) frame.Model().Modified.Clear();
}

}  // namespace

int main(int argc, char** argv) {
    using namespace dorvik;
    if (AsksForText(argc, argv)) {
        QCoreApplication text(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("dorvik"));
        QCoreApplication::setApplicationVersion(QStringLiteral(DORVIK_VERSION));
        Parse(text);  // prints and exits
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("DORVIK"));
    QApplication::setApplicationVersion(QStringLiteral(DORVIK_VERSION));
    QApplication::setWindowIcon(AppIcon());
    const Arguments args = Parse(app);
    // Before the demo points the settings at a folder of its own.
    UseLanguage(args.language);

    // The demo outlives the window: the window closes its link first.
    std::unique_ptr<DemoSession> demo;
    if (args.demo) {
        demo = std::make_unique<DemoSession>();
        if (!demo->UseOwnFolders() || !demo->StartUnit(FindUnitSim())) return Fail(demo->Error());
    }
    const QString dataDir = QString::fromStdString(DataDir());
    EnsureStartPictures(dataDir);
    if (args.splash) CSplashDlg(dataDir).Start(true);

    MainWindowOptions options;
    options.dataDir = dataDir;
    if (demo) options.titleSuffix = Tr(kDemoTitle);
    CMainWindow window(options);
    if (demo) {
        demo->Configure(window.Frame());
    } else if (!args.device.isEmpty()) {
        window.Frame().SetDeviceOverride(args.device.toStdString());
    }
    if (!args.project.isEmpty()) OpenGivenProject(window.Frame(), args.project);
    if (!args.screenshots.isEmpty()) {
        QString error;
        const QStringList files = RenderScreenshots(window, args.screenshots, &error);
        for (const QString& file : files) std::printf("%s\n", qPrintable(file));
        return files.isEmpty() ? Fail(error) : 0;
    }
    window.ShowWithSavedLayout();
    return app.exec();
}
