#pragma once
// The pictures of the window, painted in code: toolbar buttons, the view
// buttons, the tab icons and the row status markers of the lists.
#include <QIcon>
#include <QPixmap>

#include "model/row_status.h"

namespace dorvik {

enum class IconKind {
    ChooseView,
    Open,
    Save,
    SaveAs,
    Communication,
    Connect,
    Language,
    SettingView,
    LogView,
    PhoneTab,
    SpecialTab,
    AlarmTab,
    SettingsTab,
};

// The picture at size x size pixels.
QIcon PaintedIcon(IconKind kind, int size);
// The tab icon of the strip: 0 phone, 1 special, 2 alarm, 3 settings.
QIcon TabIcon(int index);

inline constexpr int kMarkerSize = 20;
// A circle with "!": yellow (Empty), red (Pending), blue (InUnit).
const QPixmap& MarkerPixmap(RowStatus status);

}  // namespace dorvik
