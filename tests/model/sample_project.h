#pragma once
// A unit model with every list full, used by the project file tests and
// its benchmark: 2000 phone slots, 60 special slots, 5 alarm slots, a log
// that wrapped (1000 rows), both settings records, Chinese names.
#include <string>

#include "model/text_codec.h"
#include "model/unit_model.h"

namespace dorvik::test {

inline std::string Gb(const char* utf8) { return Utf8ToGb(utf8); }

inline std::string Digits(int value, int width) {
    std::string text = std::to_string(value);
    return std::string(width > int(text.size()) ? width - text.size() : 0, '0') + text;
}

inline RowStatus StatusForRow(int row) { return static_cast<RowStatus>(1 + row % 2); }

inline void FillSettings(SettingsFields<int>& s) {
    s.UnitName = Gb("北门 Gate");
    s.UnitVersion = "V2.31";
    s.UnitTime = "2016/12/28 13:45:07";
    s.UnitDelay = "300";
    s.UnitPhone = "13800210500";
    s.UintBand = "GSM 850, PCS 1900";
    s.UnitReception = "23";
    s.Battery = "1,80";
    s.ClockUpdate = "1,13800210500";
    s.RelayStatus = 1;
    s.AlarmMode1 = "1,0,30";
    s.AlarmMode2 = "0,1,333";
    s.Alarm1 = Gb("北门报警 <door> & \"gate\"");
    s.Alarm2 = Gb("南门报警");
    s.UnitMode = 1;
}

inline void FillMultiRelay(MultiRelaySettings& s) {
    s.UnitName = Gb("七路继电器");
    s.UnitVersion = "M1.08";
    s.UnitTime = "2017/01/02 08:00:00";
    s.UnitDelay = "5";
    s.UnitPhone = "13900001111";
    s.UintBand = "EGSM 900, DCS 1800";
    s.UnitReception = "31";
    s.Battery = "0,55";
    s.ClockUpdate = "0,13900001111";
    s.RelayStatus = "1010001";
    s.AlarmMode1 = "1,1,10";
    s.AlarmMode2 = "1,0,20";
    s.Alarm1 = Gb("火警");
    s.Alarm2 = Gb("水浸");
    s.UnitMode = 0;
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
    FillSettings(model.settings);
    FillMultiRelay(model.multiRelay);
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
