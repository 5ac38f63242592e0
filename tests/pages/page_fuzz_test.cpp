// Random sequences of page operations with random field texts: nothing
// crashes (the sanitizer build checks every access) and no operation
// changes a slot other than the one its Index field names.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <random>
#include <tuple>

#include "model/decimal_text.h"
#include "page_rig.h"

namespace dorvik {
namespace {

using test::PageRig;

constexpr int kSequences = 10000;
constexpr int kSequencesPerRig = 500;
constexpr int kHouses = 10;  // small lists keep the comparisons cheap

auto Key(const NumberEntry& e) { return std::tie(e.number, e.name, e.status); }
auto Key(const SpecialEntry& e) { return std::make_tuple(e.ToArray(), e.status, e.type); }
auto Key(const HouseEntry& e) { return std::tie(e.houseNumber, e.dial1, e.dial2, e.status); }

// Rows whose content differs between a snapshot and the list now.
template <class List, class Entry>
std::vector<int> ChangedRows(const std::vector<Entry>& before, const List& list) {
    std::vector<int> changed;
    for (int row = 0; row < list.Size(); ++row)
        if (Key(before[row]) != Key(list.Row(row))) changed.push_back(row);
    return changed;
}

template <class List>
auto Snapshot(const List& list) {
    std::vector<std::decay_t<decltype(list.Row(0))>> rows;
    for (int row = 0; row < list.Size(); ++row) rows.push_back(list.Row(row));
    return rows;
}

template <class List>
void ExpectConsistent(const List& list) {
    int used = 0;
    for (int row = 0; row < list.Size(); ++row) used += list.Row(row).IsUsed();
    ASSERT_EQ(list.Used(), used);
    ASSERT_GE(list.SelectedRow(), -1);
    ASSERT_LT(list.SelectedRow(), list.Size());
}

class PageFuzz {
public:
    explicit PageFuzz(unsigned seed) : rng_(seed) { NewRig(); }

    void NewRig() {
        rig_ = std::make_unique<PageRig>();
        rig_->Connect();
        rig_->Feed("HOUSE NUMBER IS " + std::to_string(kHouses) + "\n");
    }

    void RunSequence() {
        const int steps = 1 + Pick(12);
        for (int i = 0; i < steps && !::testing::Test::HasFatalFailure(); ++i) Step();
    }

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    std::string Bytes(int maxLen) {
        std::string s(Pick(maxLen + 1), '\0');
        for (char& c : s) c = static_cast<char>(Pick(256));
        return s;
    }
    // Mostly digits, sometimes signs, blanks, letters or any byte.
    std::string Text() {
        static const std::string kAlphabet = "0123456789012345 +-SPQspqx:#";
        if (Pick(4) == 0) return Bytes(12);
        std::string s(Pick(8), '\0');
        for (char& c : s) c = kAlphabet[Pick(static_cast<int>(kAlphabet.size()))];
        return s;
    }
    std::string IndexText() {
        switch (Pick(5)) {
            case 0: return std::to_string(Pick(40) - 10);
            case 1: return std::string(1, "SPQsX"[Pick(5)]) + std::to_string(Pick(320) - 10);
            case 2: return "99999999999999999999";
            default: return Text();
        }
    }
    PickerValue AnyPicker() {
        return {Pick(4000) - 100, Pick(20) - 3, Pick(40) - 3, Pick(30), Pick(70)};
    }

    // The row an index field names when it lies in 1..size.
    static int NamedRow(const std::string& index, int size) {
        const int n = LeadingInt(index);
        return n >= 1 && n <= size ? n - 1 : -1;
    }
    int NamedSpecialRow(const std::string& label) const {
        const SpecialList& list = rig_->model.specials;
        const auto section = label.empty() ? std::nullopt : SectionFromLetter(label[0]);
        return section ? list.RowOf(*section, LeadingInt(label.substr(1))) : -1;
    }

    template <class List>
    void Check(const std::function<void()>& op, const List& list, int allowedRow, bool unitOp) {
        const auto before = Snapshot(list);
        op();
        if (unitOp) return;
        for (int row : ChangedRows(before, list)) ASSERT_EQ(row, allowedRow);
    }

    void NumberStep(NumberPage& page, const NumberList& list) {
        page.Form() = {IndexText(), Text(), Text()};
        const int named = NamedRow(page.Form().index, list.Size());
        const std::function<void()> ops[] = {
            [&] { page.OnSet(); }, [&] { page.OnDelete(); }, [&] { page.OnSearchIndex(); },
            [&] { page.OnSearchNumber(); }, [&] { page.OnSearchName(); },
            [&] { page.OnRowClicked(Pick(60) - 20); }};
        const int pick = Pick(std::size(ops));
        Check(ops[pick], list, pick < 2 ? named : -1, false);
    }

    void SpecialStep() {
        CSpecial& page = rig_->pages.special;
        SpecialForm& f = page.Form();
        f = {IndexText(), Text(), Text(), static_cast<SpecialMode>(Pick(3)), {}, AnyPicker(),
             AnyPicker(), AnyPicker(), AnyPicker(), Text()};
        for (bool& day : f.days) day = Pick(3) == 0;
        const int named = NamedSpecialRow(f.index);
        const std::function<void()> ops[] = {
            [&] { page.OnSet(); }, [&] { page.OnDelete(); }, [&] { page.OnSearchLabel(); },
            [&] { page.OnSearchNumber(); }, [&] { page.OnSearchName(); },
            [&] { page.OnRowClicked(Pick(100) - 20); },
            [&] { page.OnModeClicked(static_cast<SpecialMode>(Pick(3))); }};
        const int pick = Pick(std::size(ops));
        Check(ops[pick], rig_->model.specials, pick < 2 ? named : -1, false);
    }

    void HouseStep() {
        CHouse& page = rig_->pages.house;
        page.Form() = {IndexText(), Text(), Text(), Text()};
        const int named = NamedRow(page.Form().index, rig_->model.houses.Size());
        const std::function<void()> ops[] = {
            [&] { page.OnSet(); }, [&] { page.OnDelete(); }, [&] { page.OnSearchIndex(); },
            [&] { page.OnSearchHouse(); }, [&] { page.OnRowClicked(Pick(40) - 20); }};
        const int pick = Pick(std::size(ops));
        Check(ops[pick], rig_->model.houses, pick < 2 ? named : -1, false);
    }

    // Uploads, read-alls and the unit's answers, on a random page.
    void UnitStep() {
        ListPageBase* pages[] = {&rig_->pages.phone, &rig_->pages.special, &rig_->pages.alarm,
                                 &rig_->pages.house};
        ListPageBase& page = *pages[Pick(4)];
        switch (Pick(4)) {
            case 0: page.OnDownloadAll(); break;
            case 1: page.OnGetFromUnit(); break;
            case 2: rig_->Confirm(); break;
            default: rig_->Feed(Bytes(20) + "\n");
        }
        rig_->timers.FireAll(200);
        rig_->timers.FireAll(20);
    }

    void Step() {
        switch (Pick(6)) {
            case 0: NumberStep(rig_->pages.phone, rig_->model.phones); break;
            case 1: NumberStep(rig_->pages.alarm, rig_->model.alarms); break;
            case 2: SpecialStep(); break;
            case 3: HouseStep(); break;
            default: UnitStep();
        }
        const UnitModel& m = rig_->model;
        ExpectConsistent(m.phones);
        ExpectConsistent(m.specials);
        ExpectConsistent(m.alarms);
        ExpectConsistent(m.houses);
        ASSERT_EQ(m.phones.Size(), 2 * m.houses.Size());
    }

    std::mt19937 rng_;
    std::unique_ptr<PageRig> rig_;
};

TEST(PageFuzz, RandomOperationsStayWithinTheirSlots) {
    PageFuzz fuzz(20240501);
    for (int s = 0; s < kSequences && !::testing::Test::HasFatalFailure(); ++s) {
        if (s > 0 && s % kSequencesPerRig == 0) fuzz.NewRig();
        fuzz.RunSequence();
    }
}

}  // namespace
}  // namespace dorvik
