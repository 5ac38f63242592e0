#pragma once
// Renders every tab, the log view and every dialog of the window into PNG
// files, for the documentation. The window should be in demo mode: the
// lists are read from the simulated unit first.
#include <QString>
#include <QStringList>
#include <functional>

namespace dorvik {

class CMainWindow;

// Runs the event loop until done() or limitMs passed; returns done().
bool WaitUntil(const std::function<bool()>& done, int limitMs);

// Writes the PNG files into dir (made when missing); their names, or
// nothing, with *error set, when the unit did not answer or a file could
// not be written.
QStringList RenderScreenshots(CMainWindow& window, const QString& dir, QString* error);

}  // namespace dorvik
