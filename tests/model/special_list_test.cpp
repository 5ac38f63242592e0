// Deleting a slot and the form's searches are driven through the special page's tests, and
// clearing a section by the special list replies of the protocol suite.
#include "model/special_list.h"

#include <gtest/gtest.h>

namespace dorvik {
namespace {

using enum RowStatus;

SpecialTexts TimeWindow(std::string number, std::string name) {
    SpecialTexts texts;
    texts.number = std::move(number);
    texts.name = std::move(name);
    texts.fromTime = "08:00";
    texts.toTime = "18:00";
    texts.days = {"", "V", "V", "V", "V", "V", ""};
    return texts;
}

class SpecialListTest : public ::testing::Test {
protected:
    ModifiedFlag modified;
    SpecialList specials{modified};
};

TEST_F(SpecialListTest, SectionsLabelsAndRows) {
    EXPECT_EQ(specials.Size(), 60);
    const std::pair<int, const char*> labels[] = {
        {0, "S001"}, {31, "P012"}, {59, "Q020"}, {60, ""}};
    for (const auto& [row, label] : labels) EXPECT_EQ(specials.Label(row), label) << row;
    EXPECT_EQ(specials.RowOf(SpecialSection::Q, 3), 42);
    EXPECT_EQ(specials.IndexInSection(42), 3);
    EXPECT_EQ(specials.SectionOf(42), SpecialSection::Q);
    EXPECT_EQ(specials.RowOf(SpecialSection::S, 21), -1);  // never the next section's slot
    EXPECT_EQ(specials.RowOf(SpecialSection::P, 0), -1);
    EXPECT_EQ(SectionFromLetter('s'), std::nullopt);
    EXPECT_EQ(SpecialList(modified, {2, 3, 1}).Label(5), "Q001");
}

TEST_F(SpecialListTest, StoreWritesEveryLimitKeepsTheNameAndTakesTheType) {
    EXPECT_EQ(specials.Row(20).type, 'S');
    specials.SetEntry(TimeWindow("139", "Ann"), 20, Pending, "P");
    EXPECT_TRUE(specials.SetEntry("140", "", "", "", "", "", "", "", "", "", "", "16/12/28 08:00",
                                  "17/01/31 18:00", "", 20, InUnit, "PX"));
    const SpecialEntry& row = specials.Row(20);
    EXPECT_EQ(row.number + row.name, "140Ann");
    EXPECT_EQ(row.fromTime + row.days[1], "");  // the other mode's limits are emptied
    EXPECT_EQ(row.toDate, "17/01/31 18:00");
    EXPECT_EQ(row.type, 'P');
    EXPECT_EQ(row.status, InUnit);
    SpecialTexts texts;
    ASSERT_TRUE(specials.GetEntry(20, texts));
    EXPECT_EQ(texts.ToArray()[11], "16/12/28 08:00");
}

TEST_F(SpecialListTest, SearchesSeePendingSlotsOnlyButNamesByNumberSeeAll) {
    specials.SetEntry(TimeWindow("139", "Ann"), 0, InUnit, "S");
    specials.SetEntry(TimeWindow("139", "Bob"), 5, Pending, "S");
    EXPECT_EQ(specials.FindNumber("139"), 6);
    EXPECT_EQ(specials.GetNameByNumber("139"), "Ann");
    SpecialTexts texts = TimeWindow("keep", "keep");
    specials.SetEntry(TimeWindow("", "Cid"), 3, Pending, "S");
    EXPECT_FALSE(specials.GetEntry(3, texts));
    EXPECT_EQ(texts.name + texts.fromTime, "");
}

}  // namespace
}  // namespace dorvik
