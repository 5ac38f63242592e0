#pragma once
// Where the tool keeps its per-user files. The settings file sits beside the
// program when the program's folder is writable (as on a portable install),
// otherwise in the per-user folder. DORVIK_CONFIG_DIR moves everything to one
// folder, for tests and the demo mode.
#include <string>

namespace dorvik {

inline constexpr char kSettingsFileName[] = "DORVIK.ini";
inline constexpr char kConfigDirVariable[] = "DORVIK_CONFIG_DIR";

// The folder of the running program (from /proc/self/exe); empty when unknown.
std::string ProgramDir();

// $DORVIK_CONFIG_DIR when set, else $XDG_CONFIG_HOME/dorvik (an absolute
// path only), else $HOME/.config/dorvik. Not created here.
std::string ConfigDir();

// $DORVIK_CONFIG_DIR/DORVIK.ini when that variable is set; else DORVIK.ini
// in programDir when that folder exists and is writable; else in ConfigDir().
std::string SettingsPathFor(const std::string& programDir);

// SettingsPathFor(ProgramDir()).
std::string DefaultSettingsPath();

// dir + "/" + name, without doubling a trailing slash.
std::string JoinPath(const std::string& dir, const std::string& name);

}  // namespace dorvik
