#include "transport/serial_port.h"

#include <gtest/gtest.h>
#include <termios.h>

#include <filesystem>

#include "serial_test_support.h"
#include "transport/port_errors.h"

namespace dorvik {
namespace {

using test::PtyMaster;
using test::RecordingListener;
using test::SyncMessageBox;

class SerialPortTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(master.SlavePath().empty()); }

    PortSettings Settings() {
        PortSettings s;
        s.port = 3;
        s.devicePath = master.SlavePath();
        return s;
    }
    PortSettings Line(int baud, int dataBits, int stopBits) {
        PortSettings s = Settings();
        s.baud = baud;
        s.dataBits = dataBits;
        s.stopBits = stopBits;
        return s;
    }
    void OpenAndMonitor(const PortSettings& s) {
        ASSERT_TRUE(port.OpenPort(s)) << port.LastOpenError();
        ASSERT_TRUE(port.StartMonitor());
    }
    termios MasterView() {
        termios t{};
        tcgetattr(master.fd(), &t);  // a pty master reports its slave's settings
        return t;
    }

    PtyMaster master;
    RecordingListener listener;
    InlineDispatcher ui;
    SyncMessageBox box;
    CSerialPort port{listener, ui, box};
};

std::string AllByteValues() {
    std::string all;
    for (int v = 0; v < 256; ++v) all.push_back(static_cast<char>(v));
    return all;
}

// Every write tells the listener before the text reaches the wire.
TEST_F(SerialPortTest, CarriesEveryByteValueBothWaysAndNotifiesEachTextBeforeTheWire) {
    OpenAndMonitor(Settings());
    std::vector<bool> onWireEarly;
    listener.onWritten = [&](const std::string&) { onWireEarly.push_back(master.Readable()); };
    for (const char* text : {"#PWD1234#NUMBER?\r\n", "AT\r"}) {
        ASSERT_TRUE(port.Write(text));
        EXPECT_EQ(master.Read(std::string(text).size()), text);
    }
    EXPECT_EQ(listener.Written(), (std::vector<std::string>{"#PWD1234#NUMBER?\r\n", "AT\r"}));
    EXPECT_EQ(onWireEarly, (std::vector<bool>{false, false}));

    const std::string all = AllByteValues();
    ASSERT_TRUE(master.Write(all + all));
    EXPECT_EQ(listener.WaitForBytes(512), all + all);
    EXPECT_EQ(listener.Ports(), std::vector<int>(512, 3));
    ASSERT_TRUE(port.Write(all));
    EXPECT_EQ(master.Read(256), all);
}

TEST_F(SerialPortTest, RefusesATextLongerThanTheWriteBuffer) {
    OpenAndMonitor(Settings());
    ASSERT_TRUE(port.Write("keep\r\n"));

    EXPECT_FALSE(port.Write(std::string(1025, 'x')));
    EXPECT_EQ(listener.Written(), std::vector<std::string>{"keep\r\n"});

    const std::string full(1024, 'f');
    ASSERT_TRUE(port.Write(full));
    EXPECT_EQ(master.Read(6 + 1024), "keep\r\n" + full);
}

TEST_F(SerialPortTest, WritesATextLargerThanTheDeviceBufferCompletely) {
    PortSettings s = Settings();
    s.writeBufferSize = 1 << 16;
    OpenAndMonitor(s);
    std::string big;
    for (std::size_t i = 0; i < s.writeBufferSize; ++i) big.push_back(static_cast<char>(i * 7));
    ASSERT_TRUE(port.Write(big));
    EXPECT_EQ(master.Read(big.size()), big);
}

TEST_F(SerialPortTest, DiscardsUnreadInputBeforeWriting) {
    // A second descriptor on the slave shows when the stale bytes are queued.
    int probe = ::open(master.SlavePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(probe, 0);
    ASSERT_TRUE(port.OpenPort(Settings()));
    ASSERT_TRUE(master.Write("stale"));
    pollfd p{probe, POLLIN, 0};
    ASSERT_EQ(::poll(&p, 1, 20000), 1);

    ASSERT_TRUE(port.Write("cmd\r\n"));
    ASSERT_TRUE(port.StartMonitor());
    EXPECT_EQ(master.Read(5), "cmd\r\n");
    ASSERT_TRUE(master.Write("reply\n"));
    EXPECT_EQ(listener.WaitForBytes(6), "reply\n");
    port.StopMonitor();
    ::close(probe);
}

// Stopping works while the thread waits and from inside a notification;
// the port opens again either way.
TEST_F(SerialPortTest, SendsNothingWhenClosedStopsFromAnywhereAndOpensAgain) {
    EXPECT_FALSE(port.Write("x"));
    EXPECT_FALSE(port.StartMonitor());
    EXPECT_TRUE(listener.Written().empty());
    OpenAndMonitor(Settings());
    port.StopMonitor();
    EXPECT_FALSE(port.IsOpen());
    EXPECT_FALSE(port.Write("x"));

    listener.onByte = [&](unsigned char) {
        listener.onByte = nullptr;
        port.StopMonitor();
    };
    OpenAndMonitor(Settings());
    ASSERT_TRUE(master.Write("abc"));
    EXPECT_EQ(listener.WaitForBytes(1).substr(0, 1), "a");
    EXPECT_FALSE(port.IsOpen());

    OpenAndMonitor(Settings());
    ASSERT_TRUE(master.Write("xyz"));
    EXPECT_EQ(listener.WaitForBytes(4), "axyz");
    ASSERT_TRUE(port.Write("ok"));
    EXPECT_EQ(master.Read(2), "ok");
}

TEST_F(SerialPortTest, StopWhileBytesWaitForTheWindowThreadDeliversNoMore) {
    test::QueuedDispatcher queued;
    CSerialPort driver{listener, queued, box};
    ASSERT_TRUE(driver.OpenPort(Settings()));
    ASSERT_TRUE(driver.StartMonitor());
    ASSERT_TRUE(master.Write("late"));
    ASSERT_TRUE(queued.WaitForWork());

    driver.StopMonitor();  // as the window thread, with the monitor blocked on it
    queued.RunPending();
    EXPECT_EQ(listener.WaitForBytes(0), "");

    ASSERT_TRUE(driver.OpenPort(Settings())) << driver.LastOpenError();
    ASSERT_TRUE(driver.StartMonitor());
    ASSERT_TRUE(master.Write("new"));
    ASSERT_TRUE(queued.WaitForWork());
    queued.RunPending();
    EXPECT_EQ(listener.WaitForBytes(3), "new");
    driver.StopMonitor();
}

// A device is opened only once; every refusal says why.
TEST_F(SerialPortTest, OpensADeviceOnlyOnceAndSaysWhyItCannotOpenOne) {
    OpenAndMonitor(Settings());
    RecordingListener other;
    CSerialPort second{other, ui, box};
    EXPECT_FALSE(second.OpenPort(Settings()));
    EXPECT_EQ(second.LastOpenError(), master.SlavePath() + ": Device or resource busy");
    EXPECT_FALSE(second.IsOpen());
    ASSERT_TRUE(port.Write("still"));
    EXPECT_EQ(master.Read(5), "still");

    for (auto [path, error] : {std::pair{"/nonexistent/ttyX", ": No such file or directory"},
                               {"/dev/null", ": not a serial device"}}) {
        PortSettings s = Settings();
        s.devicePath = path;
        EXPECT_FALSE(second.OpenPort(s));
        EXPECT_EQ(second.LastOpenError(), path + std::string(error));
        EXPECT_FALSE(second.IsOpen());
    }
    // A missing permission names the device's group, dialout when unknown.
    EXPECT_EQ(
        DescribeOpenError("/nonexistent/ttyX", EPERM),
        "/nonexistent/ttyX: Operation not permitted\nThe device belongs to the group "
        "\"dialout\": add your user to it (sudo usermod -aG dialout $USER) and log in again.");
}

TEST_F(SerialPortTest, ReportsAVanishedDeviceOnceAndStopsWatchingIt) {
    OpenAndMonitor(Settings());
    master.Close();
    auto boxes = box.WaitForBoxes(1);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Disconnect, Check the port and restart");
    EXPECT_EQ(boxes[0].caption, "DORVIK");
    EXPECT_EQ(boxes[0].icon, MsgIcon::Error);

    EXPECT_FALSE(port.Write("x"));
    port.StopMonitor();
    EXPECT_EQ(box.Shown().size(), 1u);
}

TEST_F(SerialPortTest, AppliesTheLineSettingsAndRestoresTheOldOnes) {
    const termios before = MasterView();
    ASSERT_TRUE(port.OpenPort(Line(19200, 7, 2)));
    termios t = MasterView();
    EXPECT_EQ(cfgetospeed(&t), static_cast<speed_t>(B19200));
    // A pseudo-terminal forces 8 data bits without parity; serial_line_test
    // covers those and the raw line.
    EXPECT_EQ(t.c_cflag & CSTOPB, static_cast<tcflag_t>(CSTOPB));
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO), 0u);
    EXPECT_TRUE(box.Shown().empty());

    port.StopMonitor();
    termios after = MasterView();
    EXPECT_EQ(after.c_cflag, before.c_cflag);
    EXPECT_EQ(after.c_lflag, before.c_lflag);
    EXPECT_EQ(after.c_iflag, before.c_iflag);
}

TEST_F(SerialPortTest, FallsBackToTheDefaultsForUnsupportedSettings) {
    ASSERT_TRUE(port.OpenPort(Line(12345, 9, 1)));
    termios t = MasterView();
    EXPECT_EQ(cfgetospeed(&t), static_cast<speed_t>(B9600));
    EXPECT_EQ(t.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));

    auto boxes = box.Shown();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].text,
              "WARNING:  CSIZE Failed with the following error: \n"
              "9 data bits are not supported; 8 are used\nPort: 3\n");
    EXPECT_EQ(boxes[1].text,
              "WARNING:  cfsetspeed() Failed with the following error: \n"
              "Baud rate 12345 is not supported; 9600 is used\nPort: 3\n");
    EXPECT_EQ(boxes[1].caption, "Application Error");
    EXPECT_EQ(boxes[1].icon, MsgIcon::Error);
}

TEST_F(SerialPortTest, OpensTheDeviceLinkedToTheComNumber) {
    test::ScratchDir config;
    test::EnvOverride env("DORVIK_CONFIG_DIR", config.path());
    std::filesystem::create_directories(config.path() + "/ports");
    std::filesystem::create_symlink(master.SlavePath(), config.path() + "/ports/com10");

    PortSettings s;
    s.port = 10;
    OpenAndMonitor(s);
    ASSERT_TRUE(master.Write("10"));
    EXPECT_EQ(listener.WaitForBytes(2), "10");
    EXPECT_EQ(listener.Ports(), (std::vector<int>{10, 10}));
}

}  // namespace
}  // namespace dorvik
