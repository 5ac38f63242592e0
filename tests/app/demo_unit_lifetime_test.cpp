// The demo's simulated unit ends with the program that started it, also
// when that program is killed and cleans nothing up.
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>

#include <QProcess>
#include <QTest>

class DemoUnitLifetimeTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void unitEndsWithItsParent_data();
    void unitEndsWithItsParent();
};

// Orphans of this test's children come to this process, which can then
// wait for them.
void DemoUnitLifetimeTest::initTestCase() {
    QCOMPARE(::prctl(PR_SET_CHILD_SUBREAPER, 1), 0);
}

void DemoUnitLifetimeTest::unitEndsWithItsParent_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGKILL") << SIGKILL;
}

void DemoUnitLifetimeTest::unitEndsWithItsParent() {
    QFETCH(int, signal);
    QProcess holder;
    holder.start(QStringLiteral(HOLDER_PATH), {});
    QVERIFY(holder.waitForStarted() && (holder.canReadLine() || holder.waitForReadyRead(10000)));
    const pid_t unit = holder.readLine().trimmed().toInt();
    QVERIFY(unit > 0);
    QCOMPARE(::kill(static_cast<pid_t>(holder.processId()), signal), 0);
    QVERIFY(holder.waitForFinished());
    const bool ended = QTest::qWaitFor([&] { return ::waitpid(unit, nullptr, WNOHANG) == unit; }, 10000);
    if (!ended) {
        ::kill(unit, SIGKILL);
        ::waitpid(unit, nullptr, 0);
    }
    QVERIFY2(ended, "the simulated unit outlived its parent");
}

QTEST_GUILESS_MAIN(DemoUnitLifetimeTest)
#include "demo_unit_lifetime_test.moc"
