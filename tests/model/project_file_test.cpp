#include "model/project_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "fakes.h"
#include "model/text_codec.h"
#include "project_expect.h"

namespace dorvik {
namespace {

using test::Gb;
using test::ReadBytes;
using test::WriteBytes;

int Count(const std::string& text, const std::string& what) {
    int count = 0;
    for (auto pos = text.find(what); pos != std::string::npos; pos = text.find(what, pos + 1))
        ++count;
    return count;
}

// Saves `model`, loads the file into `loaded` when given, and returns the saved bytes.
std::string Saved(UnitModel& model, UnitModel* loaded = nullptr) {
    test::ScratchDir dir;
    ProjectResult result = SaveProject(model, dir.File("p.gto"));
    EXPECT_TRUE(result.ok) << result.error;
    if (loaded) {
        result = LoadProject(*loaded, dir.File("p.gto"));
        EXPECT_TRUE(result.ok) << result.error;
    }
    return ReadBytes(dir.File("p.gto"));
}

TEST(ProjectGolden, SavedBytesAreTheGoldenFileAndLoadBackWithProgress) {
    UnitModel expected;
    test::FillSmallProject(expected);
    EXPECT_EQ(Saved(expected), ReadBytes(test::GoldenPath("project_small.gto")));
    UnitModel loaded;
    loaded.RebuildForHouses(2);
    test::RecordingProgressBar bar;
    const ProjectResult result = LoadProject(loaded, test::GoldenPath("project_small.gto"), &bar);
    ASSERT_TRUE(result.ok) << result.error;
    EXPECT_EQ(bar.minimum, 0);
    EXPECT_EQ(bar.maximum, 5);
    EXPECT_EQ(bar.positions, (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(bar.hides, 1);
    test::ExpectSameProject(expected, loaded);
    EXPECT_EQ(loaded.unitPassword, "");  // written on every save, never read
    EXPECT_TRUE(loaded.Modified.IsSet());
    test::RecordingProgressBar failed;
    EXPECT_FALSE(LoadProjectText(loaded, "<gto>", &failed).ok);
    EXPECT_EQ(failed.hides, 1);
}

TEST(ProjectRoundTrip, FullProjectIsLossless) {
    UnitModel model;
    test::FillFullProject(model);
    UnitModel loaded;
    Saved(model, &loaded);
    test::ExpectSameProject(model, loaded);
    EXPECT_EQ(loaded.log.RowCount(), kLogCapacity);
}

// Texts are written as UTF-8; what XML cannot carry still gives a loadable file.
TEST(ProjectRoundTrip, LongChineseAndAwkwardTextsSurvive) {
    UnitModel model;
    std::string name600;
    for (int i = 0; i < 600; ++i) name600 += Gb("长");
    model.phones.SetEntry("13800000001", name600, 0, RowStatus::Pending);
    model.phones.SetEntry("1380000\x01", "bad\x81", 1, RowStatus::Pending);  // control, cut GB18030
    model.phones.SetEntry("13800000002", " <&>\t\r\n ", 2, RowStatus::InUnit);
    model.settings.Alarm1 = name600 + name600;
    model.unitPassword = Gb("密码");
    model.settings.UnitName = Gb("北门翾");  // U+7FFE ends in BF BE like U+FFFE
    model.multiRelay.UnitName = std::string("a\0b", 3);
    model.log.SetEntry(Gb("一"), Gb("今天"), "5550100", "", 0);
    UnitModel loaded;
    const std::string file = Saved(model, &loaded);
    EXPECT_TRUE(IsValidUtf8(file));
    EXPECT_EQ(Count(file, "<UnitName>北门翾</UnitName>"), 1);
    EXPECT_EQ(Count(file, "<UnitPassword>密码</UnitPassword>"), 2);  // UnitInfo and MultiRelay
    EXPECT_EQ(loaded.phones.Row(0).name, name600);
    EXPECT_EQ(loaded.phones.Row(1).number + loaded.phones.Row(1).name, "1380000?bad?");
    EXPECT_EQ(loaded.phones.Row(2).name, " <&>\t\r\n ");
    EXPECT_EQ(loaded.settings.Alarm1, name600 + name600);
    EXPECT_EQ(loaded.settings.UnitName, model.settings.UnitName);
    EXPECT_EQ(loaded.multiRelay.UnitName, "a?b");
    EXPECT_EQ(test::Fields(loaded.log.Row(0)), test::Fields(model.log.Row(0)));
}

// A failed save keeps the older file and the unsaved change; the rest of the
// failure message is pinned by the main frame's failed save test.
TEST(ProjectSave, SuccessReplacesTheFileFailureKeepsItAndSaysWhy) {
    test::ScratchDir dir;
    const std::string path = dir.File("p.gto");
    WriteBytes(path, "old project\n");
    UnitModel model;
    model.phones.SetEntry("13800000001", "Tom", 0, RowStatus::Pending);
    const RenameStep failing = [](const std::string&, const std::string&, std::string* error) {
        *error = "disk pulled out";
        return false;
    };
    ProjectResult result = SaveProject(model, path, failing);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.error, "disk pulled out");
    EXPECT_TRUE(model.Modified.IsSet());
    EXPECT_EQ(ReadBytes(path), "old project\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);  // no temp

    std::filesystem::create_directory(dir.File("folder.gto"));
    result = SaveProject(model, dir.File("folder.gto"));
    EXPECT_FALSE(result.ok);
    EXPECT_NE(result.error.find("Is a directory"), std::string::npos) << result.error;
    EXPECT_NE(SaveFailureMessage(path, result.error).find(result.error), std::string::npos);

    result = SaveProject(model, path);
    EXPECT_TRUE(result.ok);
    EXPECT_TRUE(result.error.empty());
    EXPECT_FALSE(model.Modified.IsSet());
    EXPECT_EQ(ReadBytes(path), *FormatProject(model));
}

}  // namespace
}  // namespace dorvik
