// Finding serial devices under a fake /dev and linking COM numbers to them.
#include <QTest>
#include <filesystem>
#include <cerrno>

#include "app/serial_port_scan.h"
#include "scratch_dir.h"

using namespace dorvik;
namespace fs = std::filesystem;

class PortScanTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void listsOpenableDevicesWithNumbers();
    void existingLinksKeepTheirNumbers();
    void linkIsWrittenAndReplaced();

private:
    std::unique_ptr<test::ScratchDir> tmp_;
    std::string root_, config_;
};

// A fake /dev: ttyS0, ttyS1 with no UART behind it (sysfs type 0), ttyUSB0
// with a by-id name, ttyACM0, a by-id link to nothing, and names that are
// not ports.
void PortScanTest::init() {
    tmp_ = std::make_unique<test::ScratchDir>();
    root_ = tmp_->File("root");
    config_ = tmp_->File("config");
    fs::create_directories(root_ + "/dev/serial/by-id");
    fs::create_directories(root_ + "/dev/ttyS1");
    fs::create_directories(root_ + "/sys/class/tty/ttyS1");
    test::WriteBytes(root_ + "/sys/class/tty/ttyS1/type", "0\n");
    for (const char* name : {"ttyS0", "ttyUSB0", "ttyACM0", "tty5", "ttyUSBx", "console"}) {
        test::WriteBytes(root_ + "/dev/" + name, "");
    }
    fs::create_symlink("../../ttyUSB0", root_ + "/dev/serial/by-id/usb-FTDI_FT232R-if00");
    fs::create_symlink("../../ttyUSB7", root_ + "/dev/serial/by-id/usb-gone-if00");
}

void PortScanTest::listsOpenableDevicesWithNumbers() {
    const auto ports = ScanSerialPorts(root_, config_);
    const std::tuple<const char*, const char*> want[] = {
        {"ttyS0", "ttyS0"}, {"serial/by-id/usb-FTDI_FT232R-if00", "ttyUSB0  usb-FTDI_FT232R-if00"},
        {"ttyACM0", "ttyACM0"}};
    // A device that does not open is still listed, with the reason.
    const auto busy = ScanSerialPorts(root_, config_, [](const std::string& path) {
        return path.find("ttyACM") != std::string::npos ? EBUSY : 0;
    });
    for (const auto& scan : {ports, busy}) {
        QCOMPARE(scan.size(), std::size_t(3));
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(scan[i].number, i + 1);
            QCOMPARE(scan[i].device, root_ + "/dev/" + std::get<0>(want[i]));
            QCOMPARE(scan[i].name, std::string(std::get<1>(want[i])));
        }
    }
    for (int i = 0; i < 3; ++i) QCOMPARE(ports[i].problem, std::string());
    QCOMPARE(busy[2].problem, root_ + "/dev/ttyACM0: Device or resource busy");
    QVERIFY(ScanSerialPorts(tmp_->File("nowhere"), config_).empty());
}

void PortScanTest::existingLinksKeepTheirNumbers() {
    fs::create_directories(config_ + "/ports");
    fs::create_symlink(root_ + "/dev/ttyACM0", config_ + "/ports/com7");
    fs::create_symlink(root_ + "/dev/ttyUSB9", config_ + "/ports/com2");  // unplugged
    fs::create_symlink(root_ + "/dev/ttyACM0", config_ + "/ports/comX");  // not a port link
    const auto ports = ScanSerialPorts(root_, config_);
    QCOMPARE(ports.size(), std::size_t(3));
    QCOMPARE(ports[0].number, 1);
    QCOMPARE(ports[1].number, 3);  // 2 stays with the unplugged device
    QCOMPARE(ports[1].name, std::string("ttyUSB0  usb-FTDI_FT232R-if00"));
    QCOMPARE(ports[2].number, 7);
    QCOMPARE(ports[2].name, std::string("ttyACM0"));
}

void PortScanTest::linkIsWrittenAndReplaced() {
    const std::string device = root_ + "/dev/ttyUSB0";
    QVERIFY(WritePortLink(config_, 2, device));
    const std::string link = PortLinkPath(config_, 2);
    QCOMPARE(link, config_ + "/ports/com2");
    QVERIFY(fs::is_symlink(link));
    QCOMPARE(fs::read_symlink(link).string(), device);
    QVERIFY(WritePortLink(config_, 2, root_ + "/dev/ttyACM0"));
    QCOMPARE(fs::read_symlink(link).string(), root_ + "/dev/ttyACM0");
    QCOMPARE(std::distance(fs::directory_iterator(config_ + "/ports"), fs::directory_iterator()), 1);
    QVERIFY(!WritePortLink(config_, 0, device));
    QVERIFY(!WritePortLink(config_, kMaxComPort + 1, device));
    QVERIFY(!WritePortLink(config_, 3, ""));
    // The linked device now gets the linked number.
    const auto ports = ScanSerialPorts(root_, config_);
    QCOMPARE(ports.back().number, 3);  // ttyUSB0 after ttyS0 (1) and ttyACM0 (2)
    QCOMPARE(ports[1].name, std::string("ttyACM0"));
}

QTEST_MAIN(PortScanTest)
#include "port_scan_test.moc"
