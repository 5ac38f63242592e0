#pragma once
// The pictures of the window, painted in code: toolbar buttons, the view
// buttons, the tab icons, the row status markers of the lists and the
// window's own icon. Each is painted at the size it is shown in device
// pixels, so it stays sharp on a scaled screen.
#include <QIcon>

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
    Application,
};

// The picture, painted afresh for every size and scale it is asked for.
QIcon PaintedIcon(IconKind kind);
// The window icon.
QIcon AppIcon();
// The tab icon of the strip: 0 phone, 1 special, 2 alarm, 3 settings.
QIcon TabIcon(int index);

inline constexpr int kMarkerSize = 20;
// A circle with "!": yellow (Empty), red (Pending), blue (InUnit).
const QIcon& MarkerIcon(RowStatus status);

}  // namespace dorvik
