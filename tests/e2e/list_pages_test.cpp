// The four number list pages against the simulated unit: upload with the
// pages' "Download All" runs, read back with their read-all commands, and a
// run that the unit's line breaks off mid-way.
#include <map>
#include <set>

#include "frame_fixture.h"

namespace dorvik::test {
namespace {

std::string PhoneNumber(int slot) { return "1390000" + std::to_string(1000 + slot); }

PickerValue Time(int hour, int minute) { return {2010, 1, 1, hour, minute}; }

class ListPagesE2e : public FrameFixture {
protected:
    static constexpr int kPhones = 50;
    static constexpr int kAlarms = 5;
    static constexpr int kHouses = 10;

    // Types a slot into the page's form and sets it as a user would; false
    // when refused.
    template <class Page, class Form>
    bool Set(Page& page, const Form& form) {
        page.Form() = form;
        return SetAndCheck([&] { page.OnSet(); });
    }
    bool SetPhone(int slot, const std::string& number, const std::string& name) {
        return Set(F().Phone(), NumberForm{std::to_string(slot), number, name});
    }
    bool SetAndCheck(const std::function<void()>& press) {
        const std::size_t before = Rig().boxes.shown.size();
        press();
        return Rig().boxes.shown.size() == before;
    }

    // The n-th slot of a section: label and number from the section letter.
    static SpecialForm SpecialSlot(char letter, int n, SpecialMode mode) {
        SpecialForm f;
        f.index = std::string(1, letter) + "00" + std::to_string(n);
        const std::string prefix = letter == 'S' ? "137" : letter == 'P' ? "136" : "135";
        f.number = prefix + "0000" + std::to_string(1000 + n);
        f.mode = mode;
        return f;
    }

    // Seven week-day slots, seven date periods and six entry counts.
    void TypeSpecials() {
        for (int n = 1; n <= 7; ++n) {
            SpecialForm f = SpecialSlot('S', n, SpecialMode::TimeToTime);
            for (int d = 0; d < 7; ++d) f.days[d] = (d + n) % 3 != 0;
            f.fromTime = Time(6 + n, 5 * n);
            f.toTime = Time(12 + n, 59 - n);
            ASSERT_TRUE(Set(F().Special(), f)) << f.index;
            f = SpecialSlot('P', n, SpecialMode::DateToDate);
            f.fromDate = {2024, n, 10 + n, 8, n};
            f.toDate = {2025, 12 - n, 20 + n, 17, 30 + n};
            ASSERT_TRUE(Set(F().Special(), f)) << f.index;
            if (n == 7) break;
            f = SpecialSlot('Q', n, SpecialMode::EntriesAmount);
            f.amount = std::to_string(n * 37);
            ASSERT_TRUE(Set(F().Special(), f)) << f.index;
        }
    }

    void TypeAllLists() {
        for (int slot = 1; slot <= kPhones; ++slot)
            ASSERT_TRUE(SetPhone(slot * 3, PhoneNumber(slot), "User " + std::to_string(slot)));
        for (int slot = 1; slot <= kAlarms; ++slot)
            ASSERT_TRUE(Set(F().Alarm(), NumberForm{std::to_string(slot),
                                                    "1380000" + std::to_string(1000 + slot), ""}));
        for (int n = 1; n <= kHouses; ++n) {
            const std::string j = std::to_string(1000 + n), dial2 = n % 2 ? "1330000" + j : "";
            const std::string house = "00" + std::to_string(100 + n), dial1 = "1340000" + j;
            ASSERT_TRUE(Set(F().House(), HouseForm{std::to_string(n), house, dial1, dial2}));
        }
        TypeSpecials();
    }

    template <class Table>
    static int CountStatus(const Table& table, RowStatus status) {
        return static_cast<int>(RowsWith(table, status).size());
    }
    template <class Table>
    static std::set<int> RowsWith(const Table& table, RowStatus status) {
        std::set<int> rows;
        for (int row = 0; row < table.Size(); ++row)
            if (table.Status(row) == status) rows.insert(row);
        return rows;
    }

    // Presses the page's "Download All" and waits until the run has ended
    // with no Pending slot left.
    template <class Page, class Table>
    bool UploadAll(Page& page, const Table& table) {
        page.OnDownloadAll();
        return RunUntil([&] {
            return CountStatus(table, RowStatus::Pending) == 0 && page.CommandsEnabled() &&
                   !Rig().progress.visible;
        });
    }

    // Presses the page's read-all and waits until `used` slots are in the list.
    template <class Page, class Table>
    bool ReadAll(Page& page, const Table& table, int used) {
        page.OnGetFromUnit();
        return RunUntil([&] {
            return CountStatus(table, RowStatus::InUnit) == used && page.CommandsEnabled();
        });
    }

    // Slot indexes of the phone writes the unit received.
    std::set<int> JournalledPhoneSlots() const {
        std::set<int> slots;
        for (const std::string& line : JournalWith("#WHL")) {
            const std::size_t at = line.find("#WHL") + 4;
            slots.insert(std::stoi(line.substr(at, 4)) - 1);
        }
        return slots;
    }
};

TEST_F(ListPagesE2e, EveryListUploadedIsReadBackAlike) {
    StartUnit({});
    OpenFrame();
    ASSERT_TRUE(Connect());
    TypeAllLists();
    UnitModel& sent = F().Model();
    ASSERT_TRUE(UploadAll(F().Phone(), sent.phones));
    ASSERT_TRUE(UploadAll(F().Special(), sent.specials));
    ASSERT_TRUE(UploadAll(F().Alarm(), sent.alarms));
    ASSERT_TRUE(UploadAll(F().House(), sent.houses));
    EXPECT_EQ(CountStatus(sent.phones, RowStatus::InUnit), kPhones);
    EXPECT_EQ(CountStatus(sent.specials, RowStatus::InUnit), 20);
    EXPECT_EQ(CountStatus(sent.houses, RowStatus::InUnit), kHouses);
    EXPECT_EQ(F().Phone().UsedText(), "Used 50/800");
    EXPECT_TRUE(BoxTexts().empty());

    // What the first window sent, kept for the comparison.
    std::vector<NumberEntry> phones, alarms;
    std::vector<SpecialEntry> specials;
    for (int row = 0; row < sent.phones.Size(); ++row) phones.push_back(sent.phones.Row(row));
    for (int row = 0; row < sent.alarms.Size(); ++row) alarms.push_back(sent.alarms.Row(row));
    for (int row = 0; row < sent.specials.Size(); ++row) specials.push_back(sent.specials.Row(row));
    std::map<std::string, std::pair<std::string, std::string>> houses;
    for (int row = 0; row < kHouses; ++row) {
        const HouseEntry& h = sent.houses.Row(row);
        houses[h.houseNumber] = {h.dial1, h.dial2};
    }

    OpenFrame();
    ASSERT_TRUE(Connect());
    UnitModel& read = F().Model();
    ASSERT_TRUE(ReadAll(F().Phone(), read.phones, kPhones));
    ASSERT_TRUE(ReadAll(F().Special(), read.specials, 20));
    ASSERT_TRUE(ReadAll(F().Alarm(), read.alarms, kAlarms));
    ASSERT_TRUE(ReadAll(F().House(), read.houses, kHouses));
    EXPECT_TRUE(BoxTexts().empty());

    for (int row = 0; row < read.phones.Size(); ++row)
        ASSERT_EQ(read.phones.Row(row).number, phones[row].number) << "phone row " << row;
    for (int row = 0; row < read.alarms.Size(); ++row)
        EXPECT_EQ(read.alarms.Row(row).number, alarms[row].number) << "alarm row " << row;
    for (int row = 0; row < read.specials.Size(); ++row) {
        SpecialTexts expected = specials[row];
        expected.name.clear();  // names stay on the PC
        SpecialTexts got;
        read.specials.GetEntry(row, got);
        EXPECT_EQ(got.ToArray(), expected.ToArray()) << read.specials.Label(row);
        EXPECT_EQ(read.specials.Row(row).type, specials[row].type);
    }
    for (int row = 0; row < kHouses; ++row) {
        const HouseEntry& h = read.houses.Row(row);
        ASSERT_TRUE(houses.count(h.houseNumber)) << h.houseNumber;
        EXPECT_EQ(std::make_pair(h.dial1, h.dial2), houses[h.houseNumber]) << h.houseNumber;
    }
}

TEST_F(ListPagesE2e, AUnitLostMidRunLeavesTheRestPendingForTheNextRun) {
    StartUnit({});
    OpenFrame();
    ASSERT_TRUE(Connect());
    for (int slot = 1; slot <= kPhones; ++slot) ASSERT_TRUE(SetPhone(slot, PhoneNumber(slot), ""));
    PhoneList& phones = F().Model().phones;
    F().Phone().OnDownloadAll();
    ASSERT_TRUE(RunUntil([&] { return CountStatus(phones, RowStatus::InUnit) >= 10; }));
    unit->Kill();
    // The line went away: the driver says so, and the user disconnects.
    EXPECT_EQ(NextBox(), "Disconnect, Check the port and restart");
    Rig().boxes.Script(MsgAnswer::Yes);
    EXPECT_EQ(PressForBox([&] { F().OnConnect(); }), "Disconnected from unit?");
    EXPECT_FALSE(F().Engine().Connected());

    // Every confirmed slot reached the unit; the others wait for the next run.
    const std::set<int> confirmed = RowsWith(phones, RowStatus::InUnit);
    const std::set<int> pending = RowsWith(phones, RowStatus::Pending);
    EXPECT_EQ(confirmed.size() + pending.size(), std::size_t(kPhones));
    EXPECT_FALSE(pending.empty());
    EXPECT_TRUE(pending.count(kPhones - 1));
    const std::set<int> received = JournalledPhoneSlots();
    for (int row : confirmed) EXPECT_TRUE(received.count(row)) << "slot " << row + 1;
    EXPECT_FALSE(F().Phone().CommandsEnabled());

    ClearJournal();
    StartUnit({});
    F().SetDeviceOverride(unit->Device());
    ASSERT_TRUE(Connect());
    EXPECT_EQ(RowsWith(phones, RowStatus::Pending), pending) << "reconnecting keeps the lists";
    ASSERT_TRUE(UploadAll(F().Phone(), phones));
    EXPECT_EQ(JournalledPhoneSlots(), pending) << "only the unconfirmed slots are sent again";
    EXPECT_EQ(CountStatus(phones, RowStatus::InUnit), kPhones);
}

// The real driver over a pseudo-terminal: a full phone list read whole, with
// garbage lines between the answers and CR LF line ends.
TEST_F(ListPagesE2e, AFullPhoneListIsReadThroughGarbageAndCrLfLineEnds) {
    StartUnit({"--houses", "1000", "--seed-phones", "1999", "--garbage", "--crlf"});
    OpenFrame();
    ASSERT_TRUE(Connect(1000));
    PhoneList& phones = F().Model().phones;
    ASSERT_TRUE(SetPhone(2000, PhoneNumber(2000), ""));
    ASSERT_TRUE(UploadAll(F().Phone(), phones));
    ASSERT_TRUE(ReadAll(F().Phone(), phones, 2000));
    EXPECT_EQ(phones.Row(1999).number, PhoneNumber(2000));

    CMsic& msic = F().Msic();
    msic.Form().band = "GSM 850, PCS 1900";
    ASSERT_TRUE(Press(msic, [&] { msic.OnSetBand(); }));
    EXPECT_TRUE(BoxTexts().empty()) << "the CR keeps the exact acknowledgement from matching";
}

// A disconnect while the unit is silent, during an upload or a read, shows
// nothing more and sends nothing again.
TEST_F(ListPagesE2e, ADisconnectWhileTheUnitIsSilentEndsTheRunQuietly) {
    for (const bool reading : {false, true}) {
        // The house count and, when uploading, the first slot are answered.
        StartUnit({"--silent-after", reading ? "1" : "2"});
        OpenFrame();
        ASSERT_TRUE(Connect());
        for (int slot = 1; slot <= 3; ++slot) ASSERT_TRUE(SetPhone(slot, PhoneNumber(slot), ""));
        ClearJournal();
        // The command the unit leaves unanswered has reached it.
        reading ? F().Phone().OnGetFromUnit() : F().Phone().OnDownloadAll();
        ASSERT_TRUE(RunUntil([&] { return JournalLines().size() == (reading ? 1u : 2u); }));
        Rig().boxes.Script(MsgAnswer::Yes);
        EXPECT_EQ(PressForBox([&] { F().OnConnect(); }), "Disconnected from unit?");
        const std::size_t boxes = BoxTexts().size();
        // Twice the time the supervision takes to give up.
        Rig().loop.RunFor(std::chrono::milliseconds(2 * 4 * 3000 / FrameRig::kTimerFactor));
        EXPECT_EQ(BoxTexts().size(), boxes) << "no failure follows a disconnect";
        EXPECT_EQ(JournalLines().size(), reading ? 1u : 2u) << "nothing is sent again";
        EXPECT_FALSE(Rig().progress.visible);
        EXPECT_FALSE(F().RunActive());
        EXPECT_EQ(CountStatus(F().Model().phones, RowStatus::Pending), reading ? 3 : 2);
    }
}

}  // namespace
}  // namespace dorvik::test
