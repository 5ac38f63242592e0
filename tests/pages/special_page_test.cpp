#include "pages/special_page.h"

#include <gtest/gtest.h>

#include "page_rig.h"

namespace dorvik {
namespace {

using namespace test;

constexpr PickerValue kEight{2010, 1, 1, 8, 0};
constexpr PickerValue kSix{2010, 1, 1, 18, 0};

SpecialTexts Slot(const std::string& number) {
    SpecialTexts t;
    t.number = number;
    return t;
}

// Week days given Sunday first, "V" for each "1" of `days`.
SpecialTexts WeekSlot(const std::string& number, const std::string& from, const std::string& to,
                      const std::string& days) {
    SpecialTexts t = Slot(number);
    t.fromTime = from;
    t.toTime = to;
    for (int d = 0; d < 7; ++d)
        if (days[d] == '1') t.days[d] = "V";
    return t;
}

SpecialTexts DateSlot(const std::string& number, const std::string& from, const std::string& to) {
    SpecialTexts t = Slot(number);
    t.fromDate = from;
    t.toDate = to;
    return t;
}

class SpecialPageTest : public PageTest {
protected:
    // A week-day form: Monday to Friday, 08:00 to 18:00.
    void TypeWeek(const std::string& label, const std::string& number) {
        SpecialForm& f = page.Form();
        f.index = label;
        f.number = number;
        f.mode = SpecialMode::TimeToTime;
        f.days = {false, true, true, true, true, true, false};
        f.fromTime = kEight;
        f.toTime = kSix;
    }
    SpecialList& specials() { return model.specials; }
    int Row(SpecialSection s, int n) { return specials().RowOf(s, n); }

    CSpecial& page = pages.special;
};

TEST_F(SpecialPageTest, SetRefusesInOrderAndChangesNothing) {
    TypeWeek("S002", "444");
    page.OnSet();
    model.phones.SetEntry("888", "", 0, RowStatus::InUnit);
    const struct {
        std::string label, number;
        bool noDays;
        SpecialMode mode;
        std::string message;
    } cases[] = {
        {"", "1+2", false, SpecialMode::TimeToTime, "Ilegal phone number"},
        {"", "123", false, SpecialMode::TimeToTime, "Index not entered"},
        {"S000", "123", false, SpecialMode::TimeToTime, "Zero index is not allowed"},
        {"S251", "123", false, SpecialMode::TimeToTime, "Index number too big"},
        {"S21", "123", false, SpecialMode::TimeToTime, "Index number too big"},
        {"Q-1", "123", false, SpecialMode::EntriesAmount, "Index number too big"},
        {"S001", "444", false, SpecialMode::TimeToTime, "The phone number exist"},
        {"S001", "888", false, SpecialMode::TimeToTime,
         "phone number is already exist in the phone list"},
        {"S001", "123", true, SpecialMode::TimeToTime, "You need to select at least one week day"},
        {"S001", "123", false, SpecialMode::DateToDate, "Index type different with number type"},
        {"X5", "123", false, SpecialMode::TimeToTime, "Index type different with number type"},
    };
    for (const auto& c : cases) {
        TypeWeek(c.label, c.number);
        page.Form().mode = c.mode;
        if (c.noDays) page.Form().days = {};
        ExpectRefused(specials(), [&] { page.OnSet(); }, c.message);
        if (c.number == "444") {
            EXPECT_EQ(page.Form().index, "S002");
        }
    }
}

TEST_F(SpecialPageTest, SetStoresOnlyTheSelectedModesFields) {
    specials().SetEntry(Slot("13900001111"), Row(SpecialSection::S, 3), RowStatus::InUnit, "S");
    TypeWeek("S001", "13900001111");
    page.OnSet();
    const SpecialEntry& s = specials().Row(0);
    EXPECT_EQ(s.fromTime, "08:00") << "a number InUnit elsewhere is not refused";
    EXPECT_EQ(s.days[1], "V");
    EXPECT_EQ(s.days[0], "");
    EXPECT_EQ(s.status, RowStatus::Pending);

    page.Form() = {};
    page.Form().index = "P005";
    page.Form().number = "555";
    page.Form().mode = SpecialMode::DateToDate;
    page.Form().fromDate = {2016, 12, 28, 8, 0};
    page.Form().toDate = {2017, 1, 31, 18, 0};
    page.OnSet();
    const SpecialEntry& p = specials().Row(Row(SpecialSection::P, 5));
    EXPECT_EQ(p.fromDate, "16/12/28 08:00");
    EXPECT_EQ(p.toDate, "17/01/31 18:00");
    EXPECT_EQ(p.fromTime, "");
    EXPECT_EQ(p.type, 'P');
    EXPECT_TRUE(Boxes().empty());
    EXPECT_EQ(page.UsedText(), "Used 3/60");
}

// The rules sent and read back: ListPagesE2e.EveryListUploadedIsReadBackAlike.
TEST_F(SpecialPageTest, DeleteKeepsTheOldRuleAndSendsZeros) {
    SpecialTexts monday = WeekSlot("555", "08:00", "18:00", "0100000");
    monday.name = "Ann";
    specials().SetEntry(monday, 0, RowStatus::InUnit, "S");
    page.Form().index = "S001";
    page.OnDelete();
    EXPECT_EQ(specials().Row(0).number, "0000");
    EXPECT_EQ(specials().Row(0).name, "Ann");
    EXPECT_EQ(specials().Status(0), RowStatus::Pending);
    page.Form().index = "S004";
    page.OnDelete();
    EXPECT_EQ(specials().Status(3), RowStatus::Empty) << "an Empty slot changes no field";
    page.Form().index = "Z001";
    page.OnDelete();
    EXPECT_TRUE(Boxes().empty());
    page.OnDownloadAll();
    EXPECT_EQ(Sent(), (Strings{"#PWD1234#SHL001=0000:1(08:00-18:00)\r\n"}));
    Confirm();
    EXPECT_EQ(specials().Status(0), RowStatus::InUnit);
    EXPECT_EQ(specials().Row(0).number, "0000");
}

TEST_F(SpecialPageTest, FillFieldsFollowsTheSlot) {
    const int p1 = Row(SpecialSection::P, 1);
    const int p2 = Row(SpecialSection::P, 2);
    specials().SetEntry(DateSlot("1", "16/12/28 08:00", "17/01/31 18:30"), p1, RowStatus::InUnit,
                        "P");
    specials().SetEntry(DateSlot("2", "xx", "17/02/30 10:00"), p2, RowStatus::InUnit, "P");
    page.OnRowClicked(p1);
    EXPECT_EQ(page.Form().index, "P001");
    EXPECT_EQ(page.Form().mode, SpecialMode::DateToDate);
    EXPECT_EQ(page.Form().fromDate, (PickerValue{2016, 12, 28, 8, 0}));
    EXPECT_EQ(page.Form().toDate, (PickerValue{2017, 1, 31, 18, 30}));
    page.OnRowClicked(p2);
    EXPECT_EQ(page.Form().fromDate, (PickerValue{2016, 12, 28, 8, 0})) << "unreadable: kept";
    EXPECT_EQ(page.Form().toDate, (PickerValue{2017, 1, 31, 18, 30})) << "no 30 February";

    page.OnRowClicked(Row(SpecialSection::P, 9));
    EXPECT_EQ(page.Form().mode, SpecialMode::DateToDate) << "empty P slot";
    EXPECT_TRUE(page.Layout().datePickers);

    specials().SetEntry(WeekSlot("3", "07:15", "19:45", "1000001"), 4, RowStatus::InUnit, "S");
    page.OnRowClicked(4);
    EXPECT_EQ(page.Form().mode, SpecialMode::TimeToTime);
    EXPECT_EQ(page.Form().days,
              (std::array<bool, 7>{true, false, false, false, false, false, true}));
    EXPECT_EQ(page.Form().fromTime, (PickerValue{2010, 1, 1, 7, 15}));

    page.OnModeClicked(SpecialMode::EntriesAmount);
    EXPECT_EQ(page.SelectedRow(), Row(SpecialSection::Q, 1));
    EXPECT_TRUE(page.Layout().amount);
}

TEST_F(SpecialPageTest, Searches) {
    TypeWeek("S007", "700");
    page.OnSet();
    model.phones.SetEntry("900", "", 3, RowStatus::Pending);
    page.Form() = {};
    page.Form().number = "700";
    page.OnSearchNumber();
    EXPECT_EQ(page.Form().index, "S007");
    page.Form().number = "900";
    page.OnSearchNumber();
    page.Form().number = "901";
    page.OnSearchNumber();
    page.Form().index = "S007";
    page.Form().number = "";
    page.OnSearchLabel();
    EXPECT_EQ(page.Form().number, "700");
    page.Form().index = "";
    page.OnSearchLabel();
    EXPECT_EQ(Boxes(),
              (Strings{"The phone number exist", "phone number is already exist in the phone list",
                       "The phone number not exist", "Index not entered"}));
}

}  // namespace
}  // namespace dorvik
