#include "transport/port_names.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "serial_test_support.h"

namespace dorvik {
namespace {

namespace fs = std::filesystem;
using test::EnvOverride;
using test::ScratchDir;

class PortNamesTest : public ::testing::Test {
protected:
    void Link(const std::string& name, const std::string& target) {
        fs::create_directories(dir.path() + "/ports");
        fs::create_symlink(target, dir.path() + "/ports/" + name);
    }
    ScratchDir dir;
    EnvOverride env{"DORVIK_CONFIG_DIR", dir.path()};
};

TEST_F(PortNamesTest, UsesTheLinkOfThatNumberElseTheStandardPort) {
    for (auto [n, path] : {std::pair{1, "/dev/ttyS0"}, {3, "/dev/ttyS2"}, {10, "/dev/ttyS9"},
                           {0, ""}, {-2, ""}})
        EXPECT_EQ(ComDevicePath(n), path) << n;
    Link("com1", "/dev/ttyUSB0");
    Link("com3", "/dev/ttyACM0");
    EXPECT_EQ(ComDevicePath(1), dir.path() + "/ports/com1");
    EXPECT_EQ(ComDevicePath(3), dir.path() + "/ports/com3");
    EXPECT_EQ(ComDevicePath(10), "/dev/ttyS9");
    EXPECT_EQ(ComDevicePath(2), "/dev/ttyS1");
    Link("com10", "/dev/ttyUSB1");
    EXPECT_EQ(ComDevicePath(10), dir.path() + "/ports/com10");
    EXPECT_EQ(ComPortName(3), "COM3");
    EXPECT_EQ(ComPortName(10), "COM10");
}

TEST(PortLinkDirectory, FollowsTheConfigurationDirectoryRules) {
    ScratchDir xdg, home;
    EnvOverride noConfig("DORVIK_CONFIG_DIR", std::nullopt);
    EnvOverride xdgEnv("XDG_CONFIG_HOME", xdg.path());
    EnvOverride homeEnv("HOME", home.path());
    fs::create_directories(xdg.path() + "/dorvik/ports");
    fs::create_symlink("/dev/ttyUSB0", xdg.path() + "/dorvik/ports/com4");
    fs::create_directories(home.path() + "/.config/dorvik/ports");
    fs::create_symlink("/dev/ttyUSB1", home.path() + "/.config/dorvik/ports/com5");

    EXPECT_EQ(ComDevicePath(4), xdg.path() + "/dorvik/ports/com4");
    EXPECT_EQ(ComDevicePath(5), "/dev/ttyS4");
    EnvOverride noXdg("XDG_CONFIG_HOME", std::nullopt);
    EXPECT_EQ(ComDevicePath(5), home.path() + "/.config/dorvik/ports/com5");
}

}  // namespace
}  // namespace dorvik
