#include "transport/serial_port.h"
#include "transport/serial_line.h"

#include <gtest/gtest.h>
#include <termios.h>

#include <deque>
#include <filesystem>

#include "serial_test_support.h"
#include "transport/port_errors.h"
#include "transport/port_names.h"

namespace dorvik {
namespace {

using test::PtyMaster;
using test::RecordingListener;
using test::SyncMessageBox;

// Plays the window thread's queue: Invoke blocks the calling thread until
// the test, as the window thread, runs the work with RunPending.
class QueuedDispatcher : public UiDispatcher {
public:
    void Invoke(const std::function<void()>& fn) override {
        std::unique_lock lock(mutex_);
        std::uint64_t ticket = ++queued_;
        pending_.push_back(fn);
        changed_.notify_all();
        changed_.wait(lock, [&] { return done_ >= ticket; });
    }
    bool WaitForWork() {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, test::kPatience, [&] { return !pending_.empty(); });
    }
    void RunPending() {
        std::unique_lock lock(mutex_);
        while (!pending_.empty()) {
            auto fn = pending_.front();
            pending_.pop_front();
            lock.unlock();
            fn();
            lock.lock();
            ++done_;
            changed_.notify_all();
        }
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<std::function<void()>> pending_;
    std::uint64_t queued_ = 0, done_ = 0;
};

class SerialPortTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_FALSE(master.SlavePath().empty()); }

    PortSettings Settings(int baud = 9600, int dataBits = 8, int stopBits = 1) {
        PortSettings s;
        s.port = 3;
        s.devicePath = master.SlavePath();
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

// A text larger than the device's buffer goes out whole; one larger than
// the write buffer is refused without a notification.
TEST_F(SerialPortTest, CarriesEveryByteValueBothWaysAndRefusesOverlongTexts) {
    PortSettings s = Settings();
    s.writeBufferSize = 1 << 16;
    OpenAndMonitor(s);
    std::string all;
    for (int v = 0; v < 256; ++v) all.push_back(static_cast<char>(v));
    ASSERT_TRUE(master.Write(all + all));
    EXPECT_EQ(listener.WaitForBytes(512), all + all);
    EXPECT_EQ(listener.Ports(), std::vector<int>(512, 3));

    std::string big;
    while (big.size() < s.writeBufferSize) big += all;
    EXPECT_FALSE(port.Write(big + "x"));
    ASSERT_TRUE(port.Write("AT\r"));
    ASSERT_TRUE(port.Write(big));
    EXPECT_EQ(master.Read(3 + big.size()), "AT\r" + big);
    EXPECT_EQ(listener.Written(), (std::vector<std::string>{"AT\r", big}));
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
    OpenAndMonitor(Settings());
    port.StopMonitor();
    EXPECT_FALSE(port.IsOpen());
    EXPECT_FALSE(port.Write("x"));
    EXPECT_TRUE(listener.Written().empty());

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

// A device is opened only once; every refusal says why.
// Bytes read before a stop but not yet handed to the window thread are
// dropped; the port opened again delivers only what comes after.
TEST_F(SerialPortTest, StopWhileBytesWaitForTheWindowThreadDeliversNoMore) {
    QueuedDispatcher queued;
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

TEST_F(SerialPortTest, OpensADeviceOnlyOnceAndSaysWhyItCannotOpenOne) {
    OpenAndMonitor(Settings());
    RecordingListener other;
    CSerialPort second{other, ui, box};
    for (auto [path, error] : {std::pair{master.SlavePath(), ": Device or resource busy"},
                               {"/nonexistent/ttyX", ": No such file or directory"},
                               {"/dev/null", ": not a serial device"}}) {
        PortSettings s = Settings();
        s.devicePath = path;
        EXPECT_FALSE(second.OpenPort(s));
        EXPECT_EQ(second.LastOpenError(), path + error);
        EXPECT_FALSE(second.IsOpen());
    }
    ASSERT_TRUE(port.Write("still"));
    EXPECT_EQ(master.Read(5), "still");
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
    EXPECT_EQ(box.WaitForBoxes(0).size(), 1u);
}

// The fallbacks themselves are LineSettings' below; here they reach the user.
TEST_F(SerialPortTest, AppliesTheLineSettingsRestoresTheOldOnesAndReportsFallbacks) {
    const termios before = MasterView();
    ASSERT_TRUE(port.OpenPort(Settings(19200, 8, 2)));
    termios t = MasterView();
    EXPECT_EQ(cfgetospeed(&t), static_cast<speed_t>(B19200));
    EXPECT_EQ(t.c_cflag & CSTOPB, static_cast<tcflag_t>(CSTOPB));
    EXPECT_EQ(t.c_lflag & (ICANON | ECHO), 0u);
    EXPECT_TRUE(box.WaitForBoxes(0).empty());
    port.StopMonitor();
    termios after = MasterView();
    EXPECT_EQ(after.c_cflag, before.c_cflag);
    EXPECT_EQ(after.c_lflag, before.c_lflag);
    EXPECT_EQ(after.c_iflag, before.c_iflag);

    ASSERT_TRUE(port.OpenPort(Settings(12345, 9, 1)));
    t = MasterView();
    EXPECT_EQ(cfgetospeed(&t), static_cast<speed_t>(B9600));
    auto boxes = box.WaitForBoxes(0);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].text,
              "WARNING:  cfsetspeed() Failed with the following error: \n"
              "Baud rate 12345 is not supported; 9600 is used\nPort: 3\n");
    EXPECT_EQ(boxes[1].caption, "Application Error");
    EXPECT_EQ(boxes[1].icon, MsgIcon::Error);
}

// COM n is the link ports/comn of the configuration directory, else the
// standard port n-1.
TEST_F(SerialPortTest, OpensTheDeviceLinkedToTheComNumber) {
    test::ScratchDir config;
    test::EnvOverride env("DORVIK_CONFIG_DIR", config.path());
    std::filesystem::create_directories(config.path() + "/ports");
    std::filesystem::create_symlink(master.SlavePath(), config.path() + "/ports/com10");
    for (auto [n, path] : {std::pair{1, "/dev/ttyS0"}, {3, "/dev/ttyS2"}, {0, ""}, {-2, ""}})
        EXPECT_EQ(ComDevicePath(n), path) << n;
    EXPECT_EQ(ComPortName(10), "COM10");

    PortSettings s;
    s.port = 10;
    OpenAndMonitor(s);
    ASSERT_TRUE(master.Write("10"));
    EXPECT_EQ(listener.WaitForBytes(2), "10");
    EXPECT_EQ(listener.Ports(), (std::vector<int>{10, 10}));
}

// Raw and without flow control whatever the frame; what the line cannot take
// is replaced, each replacement saying why (only the last case has any).
TEST(LineSettings, MapsParityDataStopBitsAndSpeedOnARawLine) {
    struct Case { char parity; int dataBits, stopBits, baud; tcflag_t frame; speed_t speed; };
    const Case cases[] = {
        {'N', 8, 1, 9600, CS8, B9600},
        {'O', 7, 1, 110, CS7 | PARENB | PARODD, B110},
        {'E', 7, 2, 1200, CS7 | PARENB | CSTOPB, B1200},
        {'M', 6, 1, 57600, CS6 | PARENB | PARODD | CMSPAR, B57600},
        {'S', 5, 15, 115200, CS5 | PARENB | CMSPAR | CSTOPB, B115200},
        {'e', 8, 1, 230400, CS8 | PARENB, B230400},
        {'X', 4, 3, 14400, CS8, B9600},
    };
    std::vector<std::pair<std::string, std::string>> said;
    for (const auto& c : cases) {
        PortSettings s;
        s.parity = c.parity;
        s.dataBits = c.dataBits;
        s.stopBits = c.stopBits;
        s.baud = c.baud;
        termios start{};
        start.c_cflag = CRTSCTS | PARENB | CS5;
        start.c_iflag = IXON | IXOFF | ICRNL;
        start.c_lflag = ICANON | ECHO | ISIG;
        std::vector<LineFallback> fallbacks;
        const termios t = MakeLineSettings(start, s, fallbacks);
        EXPECT_EQ(t.c_cflag & (CSIZE | PARENB | PARODD | CMSPAR | CSTOPB), c.frame) << c.parity;
        EXPECT_EQ(cfgetispeed(&t), c.speed) << c.baud;
        EXPECT_EQ(cfgetospeed(&t), c.speed) << c.baud;
        EXPECT_EQ(t.c_cflag & (CLOCAL | CREAD | CRTSCTS), CLOCAL | CREAD);
        EXPECT_EQ(t.c_iflag & (IXON | IXOFF | ICRNL), 0u);
        EXPECT_EQ(t.c_lflag & (ICANON | ECHO | ISIG), 0u);
        EXPECT_EQ(t.c_oflag & OPOST, 0u);
        for (const auto& f : fallbacks) said.emplace_back(f.step, f.reason);
    }
    EXPECT_EQ(said, (decltype(said){
                        {"PARENB", "Parity 'X' is not supported; no parity is used"},
                        {"CSIZE", "4 data bits are not supported; 8 are used"},
                        {"CSTOPB", "3 stop bits are not supported; 1 is used"},
                        {"cfsetspeed()", "Baud rate 14400 is not supported; 9600 is used"},
                    }));
}

}  // namespace
}  // namespace dorvik
