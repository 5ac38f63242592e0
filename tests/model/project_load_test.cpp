#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "model/project_file.h"
#include "project_expect.h"

namespace dorvik {
namespace {

std::string Doc(const std::string& body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gto>" + body + "</gto>\n";
}

std::string Normal(const std::string& index, const std::string& phone, const std::string& name,
                   const std::string& status = "1") {
    return "<Normal><Index>" + index + "</Index><Phone>" + phone + "</Phone><Name>" + name +
           "</Name><Status>" + status + "</Status></Normal>";
}

std::string Phones(const std::string& slots) {
    return "<PhoneNumber>" + slots + "</PhoneNumber>";
}

// A model holding the small project, to see that a bad file changes nothing.
class Filled : public ::testing::Test {
protected:
    Filled() {
        test::FillSmallProject(model);
        test::FillSmallProject(reference);
    }
    ProjectResult Load(const std::string& bytes) { return LoadProjectText(model, bytes); }
    void ExpectUnchanged() { test::ExpectSameProject(reference, model); }

    UnitModel model;
    UnitModel reference;
};

TEST_F(Filled, OnlyTheFirstSectionIsRead) {
    ASSERT_TRUE(
        Load(Doc(Phones(Normal("2", "111", "First")) + Phones(Normal("4", "222", "Second")))).ok);
    EXPECT_EQ(model.phones.Row(1).number, "111");
    EXPECT_EQ(model.phones.Row(3).number, "");
}

// Every record holding a number that fits no slot counts as dropped, so saving back can be refused.
TEST_F(Filled, RecordsWithoutASlotAreIgnoredAndCountedAsDropped) {
    const std::string slots = "<Normal><Phone>999</Phone><Name>No index</Name></Normal>" +
                              Normal("0", "999", "Zero") + Normal("-1", "999", "Minus") +
                              Normal("x", "999", "Letters") + Normal("5", "999", "Past the end") +
                              Normal("99999999999", "999", "Huge") + Normal("2", "", "");
    ProjectResult r = Load(Doc(Phones(slots)));
    ASSERT_TRUE(r.ok);
    ExpectUnchanged();
    EXPECT_EQ(r.dropped, 6);

    std::string rows;
    for (int i = 0; i <= model.log.Size(); ++i) rows += "<Log><Index>1</Index></Log>";
    r = Load(Doc("<LogRoot>" + rows + "</LogRoot>"));
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.dropped, 1);
}

TEST_F(Filled, ShorterListKeepsTheCurrentNumbersAndOddStatusesResend) {
    ASSERT_TRUE(
        Load(Doc(Phones(Normal("1", "13811112222", "", "2") + Normal("2", "555", "Odd", "7") +
                        Normal("3", "", "", "0") + Normal("4", "666", "None", ""))))
            .ok);
    EXPECT_EQ(model.phones.Row(0).number, "13811112222");
    EXPECT_EQ(model.phones.Row(0).name, "Tom & <Jerry>");       // an empty name keeps the one held
    EXPECT_EQ(model.phones.Row(1).status, RowStatus::Pending);  // unknown: sent again
    EXPECT_EQ(test::Fields(model.phones.Row(2)), test::Fields(reference.phones.Row(2)));
    EXPECT_EQ(model.phones.Row(3).status, RowStatus::Empty);
    EXPECT_EQ(model.phones.Row(3).number, "666");
    EXPECT_EQ(model.alarms.Row(0).number, "13700000001");
}

// A missing record keeps its settings; a missing element of a present one stores the empty text.
TEST_F(Filled, SettingsRecordsAreReadOnlyWhenPresent) {
    ASSERT_TRUE(Load(Doc("<UnitInfo><UnitName>New</UnitName></UnitInfo>")).ok);
    EXPECT_EQ(test::Fields(model.multiRelay), test::Fields(reference.multiRelay));
    EXPECT_EQ(model.settings.UnitName + model.settings.UnitVersion, "New");
    EXPECT_EQ(model.settings.RelayStatus + model.settings.UnitMode, 0);
    const auto settings = model.settings;
    ASSERT_TRUE(
        Load(Doc("<MultiRelay><UnitMode>1x</UnitMode><UnitName>M</UnitName></MultiRelay>")).ok);
    EXPECT_EQ(model.multiRelay.RelayStatus, "");
    EXPECT_EQ(model.multiRelay.UnitMode, 1);
    EXPECT_EQ(model.multiRelay.UnitName, "M");
    EXPECT_EQ(test::Fields(model.settings), test::Fields(settings));
}

TEST_F(Filled, SpecialSlotsTakeTypeAndStatus) {
    const std::string slot =
        "<Special><Index>60</Index><Phone>777</Phone><Name>Q</Name><Amount>3</Amount>"
        "<Status>2</Status><Type>Q</Type></Special><Special><Phone>888</Phone></Special>";
    ASSERT_TRUE(Load(Doc("<SpecialPhoneNumber>" + slot + "</SpecialPhoneNumber>")).ok);
    const SpecialEntry& entry = model.specials.Row(59);
    EXPECT_EQ(entry.number, "777");
    EXPECT_EQ(entry.amount, "3");
    EXPECT_EQ(entry.fromDate, "");
    EXPECT_EQ(entry.status, RowStatus::InUnit);
    EXPECT_EQ(entry.type, 'Q');
    EXPECT_EQ(model.specials.FindNumber("888"), 0);
}

TEST_F(Filled, TruncatedMalformedOrDeepFilesChangeNothing) {
    const std::string file = test::ReadBytes(test::GoldenPath("project_small.gto"));
    const std::size_t end = file.rfind("</gto>");
    std::string deep;
    for (int i = 0; i < 100000; ++i) deep += "<a>";
    std::vector<std::string> files = {
        std::string("\0\xff\xfe garbage", 11),
        Doc(Phones(Normal("2", "111", "A")) + "<Unclosed>"),
        Doc(Phones(Normal("2", "111", "bad \xC3 utf-8"))),
        Doc(Phones(Normal("2", "111", "&undefined;"))),
        std::string(100000, '<'),
        "<?xml version=\"1.0\"?>",
        Doc(deep),
    };
    for (std::size_t size = 0; size <= end; size += 97) files.push_back(file.substr(0, size));
    for (const std::string& bad : files) {
        const ProjectResult result = Load(bad);
        EXPECT_FALSE(result.ok) << bad.substr(0, 80);
        EXPECT_FALSE(result.error.empty());
    }
    ExpectUnchanged();
}

TEST_F(Filled, EntitiesAreNeitherLoadedNorExpanded) {
    const std::string xxe =
        "<?xml version=\"1.0\"?><!DOCTYPE gto [<!ENTITY secret SYSTEM \"file:///etc/hostname\">"
        "<!ENTITY word \"expanded\">]><gto>" +
        Phones(Normal("2", "111", "a&secret;b") + Normal("4", "222", "&word;")) + "</gto>";
    ASSERT_TRUE(Load(xxe).ok);
    EXPECT_EQ(model.phones.Row(1).name, "ab");
    EXPECT_EQ(model.phones.Row(3).number, "222");
    EXPECT_EQ(model.phones.Row(3).name, "");
}

TEST_F(Filled, UnreadableFilesChangeNothing) {
    test::ScratchDir dir;
    std::filesystem::create_directory(dir.File("folder.gto"));
    { std::ofstream(dir.File("huge.gto")) << "<gto>"; }
    ASSERT_EQ(::truncate(dir.File("huge.gto").c_str(), kMaxProjectFileBytes + 1), 0);
    const struct {
        const char *name, *before, *after;
    } files[] = {{"missing.gto", "cannot open ", ": No such file or directory"},
                 {"folder.gto", "", " is not a regular file"},
                 {"huge.gto", "", " is too large for a project file"}};
    for (const auto& f : files) {
        const ProjectResult result = LoadProject(model, dir.File(f.name));
        EXPECT_FALSE(result.ok) << f.name;
        EXPECT_EQ(result.error, f.before + dir.File(f.name) + f.after);
    }
    ExpectUnchanged();
}

}  // namespace
}  // namespace dorvik
