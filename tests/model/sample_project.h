#pragma once
// A unit model with every list full, used by the project file tests and
// its benchmark: 2000 phone slots, 60 special slots, 5 alarm slots, a log
// that wrapped (1000 rows), both settings records, Chinese names.
#include <string>
#include <type_traits>

#include "model/text_codec.h"
#include "model/unit_model.h"

namespace dorvik::test {

inline std::string Gb(const char* utf8) { return Utf8ToGb(utf8); }

inline std::string Digits(int value, int width) {
    std::string text = std::to_string(value);
    return std::string(width > int(text.size()) ? width - text.size() : 0, '0') + text;
}

inline RowStatus StatusForRow(int row) { return static_cast<RowStatus>(1 + row % 2); }

// Every settings field; texts end in `tag`, so that the two records differ.
template <class Relay>
void FillSettings(SettingsFields<Relay>& s, std::type_identity_t<Relay> relays,
                  const std::string& tag = "") {
    s.UnitName = Gb("北门 Gate") + tag;
    s.UnitVersion = "V2.31" + tag;
    s.UnitTime = "2016/12/28 13:45:07" + tag;
    s.UnitDelay = "300" + tag;
    s.UnitPhone = "13800210500" + tag;
    s.UintBand = "GSM 850, PCS 1900" + tag;
    s.UnitReception = "23" + tag;
    s.Battery = "1,80" + tag;
    s.ClockUpdate = "1,13800210500" + tag;
    s.RelayStatus = relays;
    s.AlarmMode1 = "1,0,30" + tag;
    s.AlarmMode2 = "0,1,333" + tag;
    s.Alarm1 = Gb("北门报警 <door> & \"gate\"") + tag;
    s.Alarm2 = Gb("南门报警") + tag;
    s.UnitMode = tag.empty() ? 1 : 0;
}

inline void FillSpecials(SpecialList& specials) {
    const char kTypes[] = {'S', 'P', 'Q'};
    for (int row = 0; row < specials.Size(); ++row) {
        const SpecialTexts texts{"1380000" + Digits(row, 4),
                                 Gb("特别") + std::to_string(row),
                                 "08:00",
                                 "18:30",
                                 {"0", "1", "1", "1", "1", "1", "0"},
                                 "2016-12-28",
                                 "2017-12-31",
                                 std::to_string(row * 3)};
        specials.SetEntry(texts, row, StatusForRow(row), std::string(1, kTypes[row / 20 % 3]));
    }
}

inline void FillFullProject(UnitModel& model) {
    model.unitPassword = "1234";
    FillSettings(model.settings, 1);
    FillSettings(model.multiRelay, "1010001", Gb("七路"));
    for (int row = 0; row < model.phones.Size(); ++row) {
        model.phones.SetEntry("139" + Digits(row, 8), Gb("用户") + Digits(row, 4), row,
                              StatusForRow(row));
    }
    FillSpecials(model.specials);
    for (int row = 0; row < model.alarms.Size(); ++row) {
        model.alarms.SetEntry("137" + Digits(row, 8), Gb("保安") + std::to_string(row), row,
                              StatusForRow(row));
    }
    // 1037 entries: the counter wrapped and stands at 37, every row is used.
    for (int i = 0; i < model.log.Size() + 37; ++i) {
        model.log.AddEntry("2016122813" + Digits(i % 60, 2), "135" + Digits(i, 8),
                           Gb("访客") + std::to_string(i), i + 1);
    }
}

}  // namespace dorvik::test
