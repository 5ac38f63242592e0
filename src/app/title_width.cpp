#include "app/title_width.h"

#include <QFontMetrics>

namespace dorvik {
namespace {

// The icon and the close, maximise and minimise buttons of a title bar.
constexpr int kTitleBarButtons = 4 * 32;

}  // namespace

int TitleFitWidth(const QWidget& window) {
    QFont bold = window.font();
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(window.windowTitle()) + kTitleBarButtons;
}

}  // namespace dorvik
