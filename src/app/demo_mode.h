#pragma once
// The demo: the simulated unit dorvik-unitsim on a pseudo-terminal, seeded
// with a plausible unit, and settings and data folders of the demo's own,
// so that the user's real settings are never touched.
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <string>

namespace dorvik {

class CMainFrame;

inline constexpr const char kDemoPassword[] = "482915";
inline constexpr const char kDemoUnitId[] = "0001";
inline constexpr const char kDemoTitle[] = " - Demo on a simulated unit";

// The simulated unit's arguments: 200 houses, 40 numbers, 60 log lines.
QStringList DemoUnitArguments();

// dorvik-unitsim beside this program's build tree (../../tools/unitsim,
// ../tools/unitsim), else on PATH; empty when none is found.
QString FindUnitSim();

class DemoSession {
public:
    DemoSession();
    // Stops the simulated unit and removes the demo's folder. Should this
    // program be killed instead, the simulated unit ends with it.
    ~DemoSession();
    DemoSession(const DemoSession&) = delete;
    DemoSession& operator=(const DemoSession&) = delete;

    // Points DORVIK_CONFIG_DIR and DORVIK_DATA_DIR at the demo's folder;
    // call it before the main window is built. False when there is no folder.
    bool UseOwnFolders();
    // Starts the simulated unit and reads the device it serves; false, with
    // the reason in Error(), when it did not start.
    bool StartUnit(const QString& program, const QStringList& arguments = DemoUnitArguments());
    // The demo's settings (password, port 1) and the simulated unit's device.
    void Configure(CMainFrame& frame) const;
    void StopUnit();

    const std::string& Device() const { return device_; }
    qint64 UnitPid() const { return unit_.processId(); }
    const QString& Error() const { return error_; }
    QString Folder() const { return folder_.path(); }

private:
    QTemporaryDir folder_;
    QProcess unit_;
    std::string device_;
    QString error_;
};

}  // namespace dorvik
