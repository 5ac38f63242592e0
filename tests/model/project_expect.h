#pragma once
// Helpers of the project file tests: the small project of the golden file,
// field-by-field model comparison, and file helpers.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "model/unit_model.h"
#include "sample_project.h"
#include "scratch_dir.h"

namespace dorvik::test {

inline std::string GoldenPath(const std::string& name) {
    return std::string(DORVIK_SOURCE_DIR) + "/tests/model/golden/" + name;
}

// The content of golden/project_small.gto: four phone slots, three special
// slots (one per section), one alarm, two log rows, both settings records.
inline void FillSmallProject(UnitModel& model) {
    model.unitPassword = "1234";
    model.RebuildForHouses(2);
    model.phones.SetEntry("13800000001", "Tom & <Jerry>", 0, RowStatus::InUnit);
    model.phones.SetEntry("13900000003", Gb("张三"), 2, RowStatus::Pending);
    model.specials.SetEntry({"13600000001",
                             Gb("李四"),
                             "08:00",
                             "18:30",
                             {"0", "1", "1", "1", "1", "1", "0"},
                             "",
                             "",
                             ""},
                            0, RowStatus::InUnit, "S");
    model.specials.SetEntry({"13600000021", "Ann", "", "", {}, "2016-12-28", "2017-01-31", ""}, 20,
                            RowStatus::Pending, "P");
    model.specials.SetEntry({"13600000041", "Bob", "", "", {}, "", "", "5"}, 40, RowStatus::InUnit,
                            "Q");
    model.alarms.SetEntry("13700000001", Gb("保安"), 0, RowStatus::InUnit);
    model.log.AddEntry("201612281345", "5550100", "Tom", 7);
    model.log.AddEntry("201612281402", "13900000003", Gb("张三"), 8);
    model.settings = {};
    FillSettings(model.settings, 1);
    model.settings.UnitName = Gb("北门");
    model.settings.Alarm1 = Gb("有人闯入");
    model.settings.Alarm2 = "Door <A> open";
    model.multiRelay = {};
    model.multiRelay.UnitName = "Relay7";
    model.multiRelay.UnitDelay = "5";
    model.multiRelay.Battery = "0,";
    model.multiRelay.ClockUpdate = "0,";
    model.multiRelay.RelayStatus = "1010001";
    model.multiRelay.AlarmMode1 = "0,0,333";
    model.multiRelay.AlarmMode2 = "0,0,333";
}

template <class Relay>
auto Fields(const SettingsFields<Relay>& s) {
    return std::tie(s.UnitName, s.UnitVersion, s.UnitTime, s.UnitDelay, s.UnitPhone, s.UintBand,
                    s.UnitReception, s.Battery, s.ClockUpdate, s.RelayStatus, s.AlarmMode1,
                    s.AlarmMode2, s.Alarm1, s.Alarm2, s.UnitMode);
}

inline auto Fields(const NumberEntry& e) { return std::tie(e.number, e.name, e.status); }
inline auto Fields(const SpecialEntry& e) {
    return std::tuple_cat(std::tie(e.status, e.type), std::make_tuple(e.ToArray()));
}
inline auto Fields(const LogEntry& e) { return std::tie(e.index, e.time, e.number, e.name); }

template <class List>
void ExpectSameRows(const List& expected, const List& actual, const char* what) {
    ASSERT_EQ(expected.Size(), actual.Size()) << what;
    for (int row = 0; row < expected.Size(); ++row) {
        EXPECT_EQ(Fields(expected.Row(row)), Fields(actual.Row(row))) << what << " row " << row;
    }
}

// Everything the project file keeps (the password is written, never read).
inline void ExpectSameProject(const UnitModel& expected, const UnitModel& actual) {
    EXPECT_EQ(Fields(expected.settings), Fields(actual.settings));
    EXPECT_EQ(Fields(expected.multiRelay), Fields(actual.multiRelay));
    ExpectSameRows(expected.phones, actual.phones, "phone");
    ExpectSameRows(expected.specials, actual.specials, "special");
    ExpectSameRows(expected.alarms, actual.alarms, "alarm");
    ExpectSameRows(expected.log, actual.log, "log");
    EXPECT_EQ(expected.log.RowCount(), actual.log.RowCount());
}

}  // namespace dorvik::test
