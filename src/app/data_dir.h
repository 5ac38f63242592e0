#pragma once
// The folder of the start pictures and the about logo (no toolkit here).
#include <string>

namespace dorvik {

// $DORVIK_DATA_DIR, else $XDG_DATA_HOME/dorvik (absolute only), else
// $HOME/.local/share/dorvik. Not created here.
std::string DataDir();
// The per-user file of the window's size, position and toolbars:
// $DORVIK_CONFIG_DIR/window.ini when that variable is set (tests, demo),
// else window.ini in $XDG_STATE_HOME/dorvik (absolute only), else in
// $HOME/.local/state/dorvik, beside the settings folder.
std::string WindowStatePath();
// Creates dir and its missing parents; true when it is a folder after.
bool MakeDirs(const std::string& dir);

}  // namespace dorvik
