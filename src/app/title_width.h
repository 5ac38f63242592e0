#pragma once
// Window managers cut a title that does not fit the title bar: small
// dialogs are made wide enough for theirs.
#include <QWidget>

namespace dorvik {

// Room for the window's title in a bold title-bar font, beside the window
// buttons of the title bar.
int TitleFitWidth(const QWidget& window);

}  // namespace dorvik
