#include "model/settings_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <climits>
#include <filesystem>

#include "project_expect.h"

namespace dorvik {
namespace {

using test::ReadBytes;
using test::WriteBytes;

ConnectionSettings Custom() {
    ConnectionSettings s;
    s.autoOpen = false;
    s.projectPath = "/home/op/gates/north.gto";
    s.password = "482915";
    s.unitId = "A7";
    s.unitPhoneNumber = "13955550101";
    s.messageCenter = "+8613800210500";
    s.savePassword = false;
    s.useModem = true;
    s.expiredTime = 30;
    s.port = 0;
    s.dataBits = 7;
    s.stopBits = 2;
    s.baud = 115200;
    s.parity = 'E';
    return s;
}

// The settings read from a file holding exactly this text.
ConnectionSettings ReadText(const std::string& text) {
    test::ScratchDir dir;
    WriteBytes(dir.File("DORVIK.ini"), text);
    return SettingsFile(dir.File("DORVIK.ini")).Read();
}

std::string Init(const std::string& lines) {
    return "[INIT]\r\n" + lines;
}

// A missing file gives the defaults, which the golden file of ConnectionSettings{} pins.
TEST(SettingsFile, MissingFileGivesDefaultsAndWritesKeysInFixedOrderByteForByte) {
    test::ScratchDir dir;
    SettingsFile file(dir.File("DORVIK.ini"));
    EXPECT_EQ(file.Read(), ConnectionSettings{});
    EXPECT_TRUE(file.LastError().empty());
    EXPECT_FALSE(std::filesystem::exists(file.Path()));
    ASSERT_TRUE(file.Write(ConnectionSettings{})) << file.LastError();
    EXPECT_EQ(ReadBytes(file.Path()), ReadBytes(test::GoldenPath("settings_default.ini")));
    ASSERT_TRUE(file.Write(Custom())) << file.LastError();
    EXPECT_EQ(ReadBytes(file.Path()), ReadBytes(test::GoldenPath("settings_custom.ini")));
    EXPECT_EQ(file.Read(), Custom());
}

TEST(SettingsFile, RoundTripsAwkwardTextsButLineBreaksCannotInjectKeys) {
    test::ScratchDir dir;
    SettingsFile file(dir.File("DORVIK.ini"));
    ConnectionSettings s = Custom();
    s.unitId = "\xd6\xd0\xce\xc4 gate";  // GB18030 bytes
    s.password = " 48 ";
    s.unitPhoneNumber = "\"quoted\"";
    s.projectPath = "C:\\a=b;c.gto";
    s.expiredTime = -3;
    s.tavrinMode = true;
    ASSERT_TRUE(file.Write(s));
    EXPECT_EQ(file.Read(), s);

    ConnectionSettings injected;
    injected.projectPath = "/tmp/a\r\n[PORT]\r\nnport=9";
    injected.parity = '\0';
    ASSERT_TRUE(file.Write(injected));
    const ConnectionSettings back = file.Read();
    EXPECT_EQ(back.projectPath, "/tmp/a");
    EXPECT_EQ(back.port, 1);
    EXPECT_EQ(back.parity, 'N');
}

TEST(SettingsFile, ParsesValuesLikeTheProfileFunctions) {
    const ConnectionSettings s =
        ReadText(Init("expiredtime=12abc\r\nauto=2\r\nsavepassword=junk\r\nusemodem=\r\n") +
                 "[PORT]\r\nnport=-5\r\ndatabit=+7\r\nstopbit=99999999999\r\nband=-99999999999\r\n"
                 "parity=EVEN\r\n");
    EXPECT_EQ(s.expiredTime, 12);
    EXPECT_TRUE(s.autoOpen);
    EXPECT_FALSE(s.savePassword);
    EXPECT_FALSE(s.useModem);  // empty value keeps the default
    EXPECT_EQ(s.port, -5);
    EXPECT_EQ(s.dataBits, 7);
    EXPECT_EQ(s.stopBits, INT_MAX);
    EXPECT_EQ(s.baud, INT_MIN);
    EXPECT_EQ(s.parity, 'E');
    const ConnectionSettings empty = ReadText("[PORT]\r\nparity=\r\nband=\r\n");
    EXPECT_EQ(empty.parity, 'N');
    EXPECT_EQ(empty.baud, 9600);
    EXPECT_EQ(ReadText("[PORT]\r\nparity=\x01\r\n").parity, 'N') << "as it would be written";
    EXPECT_EQ(ReadText(Init("messagecenter=\r\n")).messageCenter, "");
}

TEST(SettingsFile, TextsAreCutAt259BytesOnACharacterBoundary) {
    const std::string ascii(300, 'x');
    EXPECT_EQ(ReadText(Init("ADDR=" + ascii + "\r\n")).projectPath, std::string(259, 'x'));
    // A two-byte character at bytes 258..259 would be split: it is dropped.
    const std::string gb = std::string(258, 'y') + "\xd6\xd0" + "z";
    EXPECT_EQ(ReadText(Init("password=" + gb + "\r\n")).password, std::string(258, 'y'));
    const std::string exact(259, 'q');
    EXPECT_EQ(ReadText(Init("unitID=" + exact + "\r\n")).unitId, exact);
}

TEST(SettingsFile, ReadingIsTolerant) {
    const std::string text =
        "\xEF\xBB\xBF; written by hand\n"
        "stray=1\n"
        "[ init ]\n"
        "  PassWord  =  1234  \n"
        "password=5678\n"
        "UNITID='A 1'\n"
        "nport=7\n"
        "bogus line\n"
        "[other]\n"
        "auto=0\n"
        "[INIT]\n"
        "usemodem=1\n"
        "[Port]\r"
        "NPORT=3\r";
    const ConnectionSettings s = ReadText(text);
    EXPECT_EQ(s.password, "1234");  // first of duplicate keys
    EXPECT_EQ(s.unitId, "A 1");     // enclosing quotes removed
    EXPECT_TRUE(s.autoOpen);        // key of another section ignored
    EXPECT_FALSE(s.useModem);       // only the first INIT section counts
    EXPECT_EQ(s.port, 3);           // "nport" under INIT is not the port
    EXPECT_EQ(ReadText("\xEF\xBB\xBF\xEF\xBB\xBF[INIT]\npassword=1\n").password, "1")
        << "every leading byte-order mark is dropped";
}

TEST(SettingsFile, RewriteKeepsForeignLinesAndUpdatesInPlace) {
    test::ScratchDir dir;
    const std::string path = dir.File("DORVIK.ini");
    WriteBytes(path,
               "; site 4\r\n[init]\r\n  PASSWORD = old \r\nnote=keep\r\n\r\n"
               "[Extra]\r\nx=1\r\n");
    ConnectionSettings s;
    s.password = "new";
    ASSERT_TRUE(SettingsFile(path).Write(s));
    EXPECT_EQ(ReadBytes(path),
              "; site 4\r\n[init]\r\nPASSWORD=new\r\nnote=keep\r\nauto=1\r\nADDR=\r\nunitID=\r\n"
              "unitphonenumber=\r\nmessagecenter=13800210500\r\nsavepassword=1\r\nusemodem=0\r\n"
              "usepassword=0\r\nexpiredtime=1\r\n\r\n[Extra]\r\nx=1\r\n[PORT]\r\nnport=1\r\n"
              "databit=8\r\nstopbit=1\r\nband=9600\r\nparity=N\r\n");
}

mode_t ModeOf(const std::string& path) {
    struct stat info {};
    ::stat(path.c_str(), &info);
    return info.st_mode & 0777;
}

TEST(SettingsFile, FileIsPrivateToTheUser) {
    test::ScratchDir dir;
    SettingsFile file(dir.File("sub/DORVIK.ini"));  // missing folder is created
    ASSERT_TRUE(file.Write(Custom())) << file.LastError();
    EXPECT_EQ(ModeOf(file.Path()), 0600u);
    ::chmod(file.Path().c_str(), 0644);
    ASSERT_TRUE(file.Write(Custom()));
    EXPECT_EQ(ModeOf(file.Path()), 0600u);
}

// The replacement itself is pinned by the project save test, which shares it.
TEST(SettingsFile, FailedRenameLeavesOldFileIntact) {
    test::ScratchDir dir;
    SettingsFile file(dir.File("DORVIK.ini"));
    ASSERT_TRUE(file.Write(Custom()));
    file.SetRenameStep([&](const std::string&, const std::string&, std::string* error) {
        *error = "disk full";
        return false;
    });
    EXPECT_FALSE(file.Write(ConnectionSettings{}));
    EXPECT_EQ(file.LastError(), "disk full");
    EXPECT_EQ(file.Read(), Custom());
}

TEST(SettingsFile, UnreadableFileIsReportedAndNotReplaced) {
    test::ScratchDir dir;
    const std::string path = dir.File("DORVIK.ini");
    std::filesystem::create_directory(path);  // a folder where the file should be
    SettingsFile file(path);
    EXPECT_EQ(file.Read(), ConnectionSettings{});
    EXPECT_FALSE(file.LastError().empty());
    EXPECT_FALSE(file.Write(Custom()));
    EXPECT_FALSE(file.LastError().empty());
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

}  // namespace
}  // namespace dorvik
