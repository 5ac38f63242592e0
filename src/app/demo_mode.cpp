#include "app/demo_mode.h"

#include <signal.h>
#include <sys/prctl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include "model/config_dir.h"
#include "pages/main_frame.h"

namespace dorvik {
namespace {

constexpr int kStartMs = 5000;
constexpr int kStopMs = 2000;
constexpr char kUnitSimName[] = "dorvik-unitsim";

}  // namespace

QStringList DemoUnitArguments() {
    return {QStringLiteral("--houses"),      QStringLiteral("200"),
            QStringLiteral("--seed-phones"), QStringLiteral("40"),
            QStringLiteral("--log-rows"),    QStringLiteral("60")};
}

QString FindUnitSim() {
    const QDir here(QCoreApplication::applicationDirPath());
    for (const char* place : {"../../tools/unitsim", "../tools/unitsim", "."}) {
        const QFileInfo candidate(here.filePath(QString::fromLatin1(place) + '/' + kUnitSimName));
        if (candidate.isFile() && candidate.isExecutable()) return candidate.canonicalFilePath();
    }
    return QStandardPaths::findExecutable(QString::fromLatin1(kUnitSimName));
}

DemoSession::DemoSession() {
    // Whatever the simulated unit prints after its device is of no interest.
    QObject::connect(&unit_, &QProcess::readyReadStandardOutput, &unit_, [this] {
        if (!device_.empty()) unit_.readAllStandardOutput();
    });
    unit_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    // The simulated unit ends with this program, however it ends (SIGKILL
    // included): the kernel sends it SIGTERM when its parent goes. A parent
    // gone before that was armed is caught by the check after it.
    const pid_t parent = ::getpid();
    unit_.setChildProcessModifier([parent] {
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != parent) ::_exit(1);
    });
}

DemoSession::~DemoSession() {
    StopUnit();
}

bool DemoSession::UseOwnFolders() {
    if (!folder_.isValid()) {
        error_ = QStringLiteral("cannot make a temporary folder: ") + folder_.errorString();
        return false;
    }
    const QByteArray path = QFile::encodeName(folder_.path());
    qputenv(kConfigDirVariable, path);
    qputenv("DORVIK_DATA_DIR", path);
    return true;
}

bool DemoSession::StartUnit(const QString& program, const QStringList& arguments) {
    if (program.isEmpty()) {
        error_ = QStringLiteral("dorvik-unitsim was not found");
        return false;
    }
    unit_.start(program, arguments);
    if (!unit_.waitForStarted(kStartMs)) {
        error_ = program + QStringLiteral(": ") + unit_.errorString();
        return false;
    }
    // The first line names the pseudo-terminal.
    while (!unit_.canReadLine() && unit_.waitForReadyRead(kStartMs)) {
    }
    device_ = QString::fromLocal8Bit(unit_.readLine()).trimmed().toStdString();
    if (device_.empty()) {
        error_ = program + QStringLiteral(" named no device");
        StopUnit();
        return false;
    }
    return true;
}

void DemoSession::Configure(CMainFrame& frame) const {
    ConnectionSettings s = frame.Settings();
    s.password = kDemoPassword;
    s.savePassword = true;
    s.unitId = kDemoUnitId;
    s.port = 1;
    s.useModem = false;
    s.tavrinMode = false;
    s.autoOpen = false;
    frame.ApplyConnectionSettings(s);
    frame.SetDeviceOverride(device_);
}

void DemoSession::StopUnit() {
    if (unit_.state() == QProcess::NotRunning) return;
    unit_.terminate();
    if (!unit_.waitForFinished(kStopMs)) {
        unit_.kill();
        unit_.waitForFinished(kStopMs);
    }
}

}  // namespace dorvik
