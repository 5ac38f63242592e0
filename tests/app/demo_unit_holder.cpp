// Starts the demo's simulated unit, prints its process id and runs until it
// is killed: the program the unit lifetime test kills.
#include <QCoreApplication>
#include <cstdio>

#include "app/demo_mode.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    dorvik::DemoSession demo;
    if (!demo.StartUnit(QStringLiteral(UNITSIM_PATH))) return 2;
    std::printf("%lld\n", static_cast<long long>(demo.UnitPid()));
    std::fflush(stdout);
    return QCoreApplication::exec();
}
