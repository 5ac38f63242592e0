#include "transport/port_names.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "serial_test_support.h"

namespace dorvik {
namespace {

// The configuration directory's rules are config_dir_test's; serial_port_test
// opens a device through such a link.
TEST(PortNames, UsesTheLinkOfThatNumberElseTheStandardPort) {
    test::ScratchDir dir;
    test::EnvOverride env{"DORVIK_CONFIG_DIR", dir.path()};
    for (auto [n, path] : {std::pair{1, "/dev/ttyS0"}, {3, "/dev/ttyS2"}, {10, "/dev/ttyS9"},
                           {0, ""}, {-2, ""}})
        EXPECT_EQ(ComDevicePath(n), path) << n;
    // A link counts even when its device is gone.
    std::filesystem::create_directories(dir.path() + "/ports");
    std::filesystem::create_symlink("/nonexistent/ttyUSB0", dir.path() + "/ports/com1");
    std::filesystem::create_symlink("/dev/ttyACM0", dir.path() + "/ports/com3");
    EXPECT_EQ(ComDevicePath(1), dir.path() + "/ports/com1");
    EXPECT_EQ(ComDevicePath(3), dir.path() + "/ports/com3");
    EXPECT_EQ(ComDevicePath(2), "/dev/ttyS1");
    EXPECT_EQ(ComDevicePath(10), "/dev/ttyS9");
    EXPECT_EQ(ComPortName(3), "COM3");
    EXPECT_EQ(ComPortName(10), "COM10");
}

}  // namespace
}  // namespace dorvik
