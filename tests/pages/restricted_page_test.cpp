#include "pages/restricted_page.h"

#include <gtest/gtest.h>

#include "page_rig.h"

namespace dorvik {
namespace {

using test::PageRig;
using Strings = std::vector<std::string>;

constexpr PickerValue kEight{2010, 1, 1, 8, 0};
constexpr PickerValue kSix{2010, 1, 1, 18, 0};

SpecialTexts Slot(const std::string& number, const std::string& name = "") {
    SpecialTexts t;
    t.Number = number;
    t.Name = name;
    return t;
}

// Week days given Sunday first, "V" for each "1" of `days`.
SpecialTexts WeekSlot(const std::string& number, const std::string& from, const std::string& to,
                      const std::string& days) {
    SpecialTexts t = Slot(number);
    t.FromTime = from;
    t.ToTime = to;
    for (int d = 0; d < 7; ++d)
        if (days[d] == '1') t.Days[d] = "V";
    return t;
}

SpecialTexts DateSlot(const std::string& number, const std::string& from, const std::string& to) {
    SpecialTexts t = Slot(number);
    t.FromDate = from;
    t.ToDate = to;
    return t;
}

class SpecialPageTest : public ::testing::Test {
protected:
    SpecialPageTest() { rig.Connect(); }
    // A week-day form: Monday to Friday, 08:00 to 18:00.
    void TypeWeek(const std::string& label, const std::string& number) {
        SpecialForm& f = page.Form();
        f.Index = label;
        f.Number = number;
        f.Mode = SpecialMode::TimeToTime;
        f.Days = {false, true, true, true, true, true, false};
        f.FromTime = kEight;
        f.ToTime = kSix;
    }
    SpecialList& specials() { return rig.model.Specials; }
    int Row(SpecialSection s, int n) { return specials().RowOf(s, n); }
    std::string LastBox() const { return rig.boxes.shown.back().text; }

    PageRig rig;
    CSpecial& page = rig.pages.special;
};

TEST_F(SpecialPageTest, SetRefusesInOrderAndChangesNothing) {
    TypeWeek("S002", "444");
    page.OnSet();
    rig.model.Phones.SetEntry("888", "", 0, RowStatus::InUnit);
    const struct {
        std::string label, number;
        bool noDays;
        SpecialMode mode;
        std::string message;
    } cases[] = {
        {"", "1+2", false, SpecialMode::TimeToTime, "Ilegal phone number"},
        {"", "123", false, SpecialMode::TimeToTime, "Index not entered"},
        {"S000", "123", false, SpecialMode::TimeToTime, "Zero index is not allowed"},
        {"Pabc", "123", false, SpecialMode::DateToDate, "Zero index is not allowed"},
        {"S251", "123", false, SpecialMode::TimeToTime, "Index number too big"},
        {"P301", "123", false, SpecialMode::DateToDate, "Index number too big"},
        {"S21", "123", false, SpecialMode::TimeToTime, "Index number too big"},
        {"Q-1", "123", false, SpecialMode::EntriesAmount, "Index number too big"},
        {"S001", "444", false, SpecialMode::TimeToTime, "The phone number exist"},
        {"S001", "888", false, SpecialMode::TimeToTime,
         "phone number is already exist in the phone list"},
        {"S001", "123", true, SpecialMode::TimeToTime, "You need to select at least one week day"},
        {"S001", "123", false, SpecialMode::DateToDate, "Index type different with number type"},
        {"s001", "123", false, SpecialMode::TimeToTime, "Index type different with number type"},
        {"X5", "123", false, SpecialMode::TimeToTime, "Index type different with number type"},
    };
    for (const auto& c : cases) {
        TypeWeek(c.label, c.number);
        page.Form().Mode = c.mode;
        if (c.noDays) page.Form().Days = {};
        rig.ExpectRefused(
            specials(), [&] { page.OnSet(); }, c.message);
        if (c.number == "444") {
            EXPECT_EQ(page.Form().Index, "S002");
        }
    }
}

TEST_F(SpecialPageTest, SetStoresOnlyTheSelectedModesFields) {
    specials().SetEntry(Slot("13900001111"), Row(SpecialSection::S, 3), RowStatus::InUnit, "S");
    TypeWeek("S001", "13900001111");
    page.OnSet();
    const SpecialEntry& s = specials().Row(0);
    EXPECT_EQ(s.FromTime, "08:00") << "a number InUnit elsewhere is not refused";
    EXPECT_EQ(s.Days[1], "V");
    EXPECT_EQ(s.Days[0], "");
    EXPECT_EQ(s.Status, RowStatus::Pending);

    page.Form() = {};
    page.Form().Index = "P005";
    page.Form().Number = "555";
    page.Form().Mode = SpecialMode::DateToDate;
    page.Form().FromDate = {2016, 12, 28, 8, 0};
    page.Form().ToDate = {2017, 1, 31, 18, 0};
    page.OnSet();
    const SpecialEntry& p = specials().Row(Row(SpecialSection::P, 5));
    EXPECT_EQ(p.FromDate, "16/12/28 08:00");
    EXPECT_EQ(p.ToDate, "17/01/31 18:00");
    EXPECT_EQ(p.FromTime, "");
    EXPECT_EQ(p.Type, 'P');

    page.Form().Index = "Q003";
    page.Form().Number = "666";
    page.Form().Mode = SpecialMode::EntriesAmount;
    page.Form().Amount = "";
    page.OnSet();
    EXPECT_EQ(specials().Status(Row(SpecialSection::Q, 3)), RowStatus::Pending);
    EXPECT_TRUE(rig.Boxes().empty());
    EXPECT_EQ(page.UsedText(), "Used 4/60");
}

TEST_F(SpecialPageTest, UploadFramesCarryTheRule) {
    TypeWeek("S001", "13900001111");
    page.OnSet();
    TypeWeek("S002", "13900002222");
    page.Form().Days.fill(true);
    page.OnSet();
    specials().SetEntry(Slot("", "Name only"), 2, RowStatus::Pending, "S");
    SpecialTexts counted = Slot("777");
    counted.Amount = "25";
    specials().SetEntry(counted, Row(SpecialSection::Q, 1), RowStatus::Pending, "Q");
    page.Form().Index = "Q002";
    page.Form().Number = "778";
    page.Form().Mode = SpecialMode::EntriesAmount;
    page.Form().Amount = "";
    page.OnSet();
    page.OnDownloadAll();
    EXPECT_EQ(rig.link.writes.back().ack, "SHL001 SETUP TO 13900001111:12345(08:00-18:00) OK");
    for (int step = 0; step < 5; ++step) {
        rig.Confirm();
        rig.Pause();
    }
    EXPECT_EQ(rig.Sent(), (Strings{"#PWD1234#SHL001=13900001111:12345(08:00-18:00)\r\n",
                                   "#PWD1234#SHL002=13900002222:1234567(08:00-18:00)\r\n",
                                   "#PWD1234#SHL003=00000000000\r\n", "#PWD1234#QHL001=777:25\r\n",
                                   "#PWD1234#QHL002=778:\r\n"}));
    EXPECT_EQ(rig.link.writes.back().code, 26);
    EXPECT_EQ(specials().Status(Row(SpecialSection::Q, 2)), RowStatus::InUnit);
    EXPECT_TRUE(page.CommandsEnabled());
}

TEST_F(SpecialPageTest, DeleteKeepsTheOldRuleAndSendsZeros) {
    SpecialTexts monday = WeekSlot("555", "08:00", "18:00", "0100000");
    monday.Name = "Ann";
    specials().SetEntry(monday, 0, RowStatus::InUnit, "S");
    page.Form().Index = "S001";
    page.OnDelete();
    EXPECT_EQ(specials().Row(0).Number, "0000");
    EXPECT_EQ(specials().Row(0).Name, "Ann");
    EXPECT_EQ(specials().Status(0), RowStatus::Pending);
    page.Form().Index = "S004";
    page.OnDelete();
    EXPECT_EQ(specials().Status(3), RowStatus::Empty) << "an Empty slot changes no field";
    page.Form().Index = "Z001";
    page.OnDelete();
    EXPECT_TRUE(rig.Boxes().empty());
    page.OnDownloadAll();
    EXPECT_EQ(rig.Sent(), (Strings{"#PWD1234#SHL001=0000:1(08:00-18:00)\r\n"}));
    rig.Confirm();
    EXPECT_EQ(specials().Status(0), RowStatus::InUnit);
    EXPECT_EQ(specials().Row(0).Number, "0000");
}

TEST_F(SpecialPageTest, FillFieldsFollowsTheSlot) {
    const int p1 = Row(SpecialSection::P, 1);
    const int p2 = Row(SpecialSection::P, 2);
    specials().SetEntry(DateSlot("1", "16/12/28 08:00", "17/01/31 18:30"), p1, RowStatus::InUnit,
                        "P");
    specials().SetEntry(DateSlot("2", "xx", "17/02/30 10:00"), p2, RowStatus::InUnit, "P");
    page.OnRowClicked(p1);
    EXPECT_EQ(page.Form().Index, "P001");
    EXPECT_EQ(page.Form().Mode, SpecialMode::DateToDate);
    EXPECT_EQ(page.Form().FromDate, (PickerValue{2016, 12, 28, 8, 0}));
    EXPECT_EQ(page.Form().ToDate, (PickerValue{2017, 1, 31, 18, 30}));
    page.OnRowClicked(p2);
    EXPECT_EQ(page.Form().FromDate, (PickerValue{2016, 12, 28, 8, 0})) << "unreadable: kept";
    EXPECT_EQ(page.Form().ToDate, (PickerValue{2017, 1, 31, 18, 30})) << "no 30 February";

    page.OnRowClicked(Row(SpecialSection::P, 9));
    EXPECT_EQ(page.Form().Mode, SpecialMode::DateToDate) << "empty P slot";
    EXPECT_TRUE(page.Layout().datePickers);
    EXPECT_EQ(page.Form().FromDate, (PickerValue{2016, 12, 28, 8, 0}));

    specials().SetEntry(WeekSlot("3", "07:15", "19:45", "1000001"), 4, RowStatus::InUnit, "S");
    page.OnRowClicked(4);
    EXPECT_EQ(page.Form().Mode, SpecialMode::TimeToTime);
    EXPECT_EQ(page.Form().Days,
              (std::array<bool, 7>{true, false, false, false, false, false, true}));
    EXPECT_EQ(page.Form().FromTime, (PickerValue{2010, 1, 1, 7, 15}));

    page.OnModeClicked(SpecialMode::EntriesAmount);
    EXPECT_EQ(page.SelectedRow(), Row(SpecialSection::Q, 1));
    EXPECT_TRUE(page.Layout().amount);
}

TEST_F(SpecialPageTest, Searches) {
    TypeWeek("S007", "700");
    page.OnSet();
    rig.model.Phones.SetEntry("900", "", 3, RowStatus::Pending);
    page.Form() = {};
    page.Form().Number = "700";
    page.OnSearchNumber();
    EXPECT_EQ(page.Form().Index, "S007");
    page.Form().Number = "900";
    page.OnSearchNumber();
    page.Form().Number = "901";
    page.OnSearchNumber();
    page.Form().Index = "S007";
    page.Form().Number = "";
    page.OnSearchLabel();
    EXPECT_EQ(page.Form().Number, "700");
    page.Form().Name = "nobody";
    page.OnSearchName();
    page.Form().Index = "";
    page.OnSearchLabel();
    EXPECT_EQ(rig.Boxes(),
              (Strings{"The phone number exist", "phone number is already exist in the phone list",
                       "The phone number not exist", "Index not entered"}));
}

TEST_F(SpecialPageTest, AmountEditTakesThreeDigits) {
    EXPECT_TRUE(AmountAcceptsKey("12", '3'));
    EXPECT_FALSE(AmountAcceptsKey("123", '4'));
    EXPECT_FALSE(AmountAcceptsKey("", 'a'));
    EXPECT_TRUE(AmountAcceptsKey("123", 8));
}

}  // namespace
}  // namespace dorvik
