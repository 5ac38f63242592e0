#pragma once
// The folder of the start pictures and the about logo (no toolkit here).
#include <string>

namespace dorvik {

// $DORVIK_DATA_DIR, else $XDG_DATA_HOME/dorvik (absolute only), else
// $HOME/.local/share/dorvik. Not created here.
std::string DataDir();
// Creates dir and its missing parents; true when it is a folder after.
bool MakeDirs(const std::string& dir);

}  // namespace dorvik
