#pragma once
// The commands of the main window's menus and toolbars: their labels, the
// prompt each shows in the status bar, their tool tips and pictures. The
// texts are English; actions and menus show them translated.
#include <QAction>
#include <QKeySequence>
#include <array>
#include <optional>

#include "app/app_icons.h"

namespace dorvik {

enum class MenuCommand {
    ChooseView,
    Open,
    Save,
    SaveAs,
    AutoOpen,
    Communication,
    Exit,
    ShowToolbar,
    ShowStatusBar,
    SettingView,
    LogView,
    About,
    Connect,
    Language,
    Stop,
};
inline constexpr int kMenuCommandCount = 15;

struct CommandSpec {
    MenuCommand id;
    const char* label;   // as the menu shows it; toolbar-only commands: their name
    const char* prompt;  // status bar text while the pointer is on it; may be empty
    const char* tip;     // tool tip; may be empty
    std::optional<IconKind> icon;
    const char* shortcut;  // portable key text ("Ctrl+O"); empty: none
    bool checkable;
};

const CommandSpec& SpecOf(MenuCommand id);

// The menus: title, then the items (nullopt: a separator).
struct MenuSpec {
    const char* title;
    std::array<std::optional<MenuCommand>, 9> items;
    int count;
};
const std::array<MenuSpec, 3>& MenuSpecs();
// The main toolbar in order (nullopt: a separator).
const std::array<std::optional<MenuCommand>, 11>& MainToolbarSpec();

// An action for the command: label, prompt, tool tip, picture, shortcut.
QAction* MakeAction(MenuCommand id, QObject* parent);

}  // namespace dorvik
