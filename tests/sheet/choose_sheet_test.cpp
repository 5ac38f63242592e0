// Choosing the sheet to import: the sheet list of the workbook, the
// selection dialog seam and the two messages.
#include <gtest/gtest.h>

#include "../support/fakes.h"
#include "model/text_codec.h"
#include "sheet/ole_container.h"
#include "sheet/sheet_chooser.h"
#include "sheet/spreadsheet.h"
#include "sheet_test_support.h"

namespace dorvik {
namespace {

using test::ScratchDir;

TEST(ChooseSheet, TextFileOrOnlySheetIsTakenSeveralAreOfferedInWorkbookOrder) {
    ScratchDir dir;
    std::string path = dir.File("w.xls");
    std::string chinese = Utf8ToGb("号码");
    test::WriteRows(path, "Zeta", {{"Index"}});
    test::ScriptedSheetChooser chooser(chinese);
    test::RecordingMessageBox box;
    EXPECT_EQ(ChooseSheet(dir.File("list.csv"), "PhoneNumbers", chooser, box), "PhoneNumbers");
    EXPECT_EQ(ChooseSheet(path, "PhoneNumbers", chooser, box), "Zeta");
    EXPECT_TRUE(chooser.offered.empty());

    test::WriteRows(path, chinese, {{"Index"}});
    test::WriteRows(path, "Alpha", {{"Index"}});
    EXPECT_EQ(ChooseSheet(path, "PhoneNumbers", chooser, box), chinese);
    ASSERT_EQ(chooser.offered.size(), 1u);
    EXPECT_EQ(chooser.offered[0], (std::vector<std::string>{"Zeta", chinese, "Alpha"}));
    EXPECT_TRUE(box.shown.empty());
    // No choice is reported and ends the import.
    for (std::optional<std::string> answer : {std::optional<std::string>{}, std::optional<std::string>{""}}) {
        chooser.answer = answer;
        box.shown.clear();
        EXPECT_EQ(ChooseSheet(path, "PhoneNumbers", chooser, box), std::nullopt);
        ASSERT_EQ(box.shown.size(), 1u);
        EXPECT_EQ(box.shown[0].text, "Hasn't Select sheet name");
        EXPECT_EQ(box.shown[0].caption, "DORVIK");
        EXPECT_EQ(box.shown[0].icon, MsgIcon::Error);
    }
}

TEST(ChooseSheet, WorkbookWithoutWorksheetsOrUnreadableIsReported) {
    ScratchDir dir;
    std::string stream;
    ASSERT_EQ(xls::BuildWorkbook(xls::Workbook{}, stream, nullptr), xls::WriteStatus::Ok);
    test::WriteBytes(dir.File("empty.xls"), test::XlsBytes(stream));
    test::WriteBytes(dir.File("junk.xls"), "junk");
    test::WriteBytes(dir.File("junk.xlsx"), "junk");
    struct {
        const char* name;
        const char* text;
    } cases[] = {{"empty.xls", "There isn't sheet in the file!"},
                 {"junk.xls", "There isn't sheet in the file!\nThe file is not a workbook\n"},
                 {"junk.xlsx", "There isn't sheet in the file!\nThe file is not a workbook\n"},
                 {"missing.ods", "There isn't sheet in the file!"}};
    for (const auto& [name, text] : cases) {
        test::ScriptedSheetChooser chooser("A");
        test::RecordingMessageBox box;
        EXPECT_EQ(ChooseSheet(dir.File(name), "PhoneNumbers", chooser, box), std::nullopt) << name;
        ASSERT_EQ(box.shown.size(), 1u);
        EXPECT_EQ(box.shown[0].text, text);
        EXPECT_EQ(box.shown[0].icon, MsgIcon::Error);
        EXPECT_TRUE(chooser.offered.empty());
    }
}

}  // namespace
}  // namespace dorvik
