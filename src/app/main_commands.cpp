#include "app/main_commands.h"

#include "app/ui_text.h"

namespace dorvik {
namespace {

constexpr const char* kNoKey = "";

const std::array<CommandSpec, kMenuCommandCount> kSpecs = {{
    {MenuCommand::ChooseView, "&New\tCtrl+N", "Choose Setting or Log", " Setting or Log",
     IconKind::ChooseView, "Ctrl+N", false},
    {MenuCommand::Open, "&Open...\tCtrl+O", "Open an existing *.gto", "Open", IconKind::Open,
     "Ctrl+O", false},
    {MenuCommand::Save, "&Save\tCtrl+S", "Save the active document ", "Save", IconKind::Save,
     "Ctrl+S", false},
    {MenuCommand::SaveAs, "Save &As...", "Save the active document with a new name", "Save As",
     IconKind::SaveAs, "Ctrl+Shift+S", false},
    {MenuCommand::AutoOpen, "Auto open last file", "", "", std::nullopt, kNoKey, true},
    {MenuCommand::Communication, "Communication Selection", "Set serial port param", "Communciation",
     IconKind::Communication, kNoKey, false},
    {MenuCommand::Exit, "E&xit", "", "", std::nullopt, "Ctrl+Q", false},
    {MenuCommand::ShowToolbar, "&Toolbar", "", "", std::nullopt, kNoKey, true},
    {MenuCommand::ShowStatusBar, "&Status Bar", "", "", std::nullopt, kNoKey, true},
    {MenuCommand::SettingView, "1", "", "", std::nullopt, kNoKey, true},
    {MenuCommand::LogView, "2", "", "", std::nullopt, kNoKey, true},
    {MenuCommand::About, "&About DORVIK...", "", "", std::nullopt, kNoKey, false},
    {MenuCommand::Connect, "Connect/Disconnect", "Connect/Disconnect to Unit", "Connect/Disconnect",
     IconKind::Connect, kNoKey, false},
    {MenuCommand::Language, "Language", "Set Language", "Language", IconKind::Language, kNoKey, false},
    {MenuCommand::Stop, "Stop", "Stop the running upload or read", "Stop", std::nullopt,
     "Esc", false},
}};

using C = MenuCommand;
const std::array<MenuSpec, 3> kMenus = {{
    {"&File",
     {C::ChooseView, C::Open, C::Save, C::SaveAs, C::AutoOpen, std::nullopt, C::Communication,
      std::nullopt, C::Exit},
     9},
    {"&View", {C::ShowToolbar, C::ShowStatusBar, std::nullopt, C::SettingView, C::LogView}, 5},
    {"&Help", {C::About}, 1},
}};

const std::array<std::optional<MenuCommand>, 11> kMainToolbar = {
    C::ChooseView, C::Open,    C::Save,      C::SaveAs,       std::nullopt, C::Communication,
    std::nullopt,  C::Connect, C::Stop,      std::nullopt,    C::Language};

}  // namespace

const CommandSpec& SpecOf(MenuCommand id) {
    return kSpecs[static_cast<std::size_t>(id)];
}

const std::array<MenuSpec, 3>& MenuSpecs() {
    return kMenus;
}

const std::array<std::optional<MenuCommand>, 11>& MainToolbarSpec() {
    return kMainToolbar;
}

QAction* MakeAction(MenuCommand id, QObject* parent) {
    const CommandSpec& spec = SpecOf(id);
    auto* action = new QAction(Tr(spec.label), parent);
    action->setStatusTip(*spec.prompt ? Tr(spec.prompt) : QString());
    if (*spec.tip) {
        // A toolbar button is named by its tool tip.
        action->setIconText(Tr(spec.tip).trimmed());
        action->setToolTip(Tr(spec.tip));
    }
    if (spec.icon) action->setIcon(PaintedIcon(*spec.icon));
    if (*spec.shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(spec.shortcut)));
    action->setCheckable(spec.checkable);
    return action;
}

}  // namespace dorvik
