#pragma once
// The folders of the program's data (no toolkit here): the user's own, which
// holds downloaded start pictures, and the one shipped with the program.
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
// The data shipped with the program (pictures, translations): share/dorvik
// beside the executable's folder when installed (bin/../share/dorvik), else
// share/dorvik at the top of the build tree holding the executable (the
// nearest folder above it with a CMakeCache.txt). Empty when not found.
std::string ProgramDataDir(const std::string& executableDir);
// The same for the running executable.
std::string ProgramDataDir();
// Creates dir and its missing parents; true when it is a folder after.
bool MakeDirs(const std::string& dir);

}  // namespace dorvik
