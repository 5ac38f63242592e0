#include "model/config_dir.h"

#include <gtest/gtest.h>

#include <optional>
#include <tuple>

#include "model/language_store.h"
#include "model/settings_file.h"
#include "scratch_dir.h"

namespace dorvik {
namespace {

using test::EnvOverride;

TEST(ConfigDir, OwnVariableThenXdgThenHome) {
    using Env = std::optional<std::string>;
    const std::tuple<Env, Env, std::string> rows[] = {
        {"/srv/demo", "/xdg", "/srv/demo"},
        {std::nullopt, "/xdg/", "/xdg/dorvik"},
        {std::nullopt, "relative/ignored", "/home/op/.config/dorvik"},
        {std::nullopt, std::nullopt, "/home/op/.config/dorvik"},
    };
    EnvOverride home("HOME", "/home/op");
    for (const auto& [own, xdg, expected] : rows) {
        EnvOverride ownVar(kConfigDirVariable, own);
        EnvOverride xdgVar("XDG_CONFIG_HOME", xdg);
        EXPECT_EQ(ConfigDir(), expected);
    }
}

TEST(ConfigDir, SettingsBesideWritableProgramElsePerUser) {
    test::ScratchDir programDir;
    EnvOverride xdg("XDG_CONFIG_HOME", "/xdg");
    {
        EnvOverride own(kConfigDirVariable, std::nullopt);
        EXPECT_EQ(SettingsPathFor(programDir.path()), programDir.File("DORVIK.ini"));
        EXPECT_EQ(SettingsPathFor(programDir.File("missing")), "/xdg/dorvik/DORVIK.ini");
        EXPECT_EQ(SettingsPathFor(""), "/xdg/dorvik/DORVIK.ini");
    }
    EnvOverride own(kConfigDirVariable, "/srv/demo");
    EXPECT_EQ(SettingsPathFor(programDir.path()), "/srv/demo/DORVIK.ini");
    EXPECT_EQ(DefaultSettingsPath(), "/srv/demo/DORVIK.ini");
    EXPECT_EQ(SettingsFile().Path(), "/srv/demo/DORVIK.ini");
}

TEST(LanguageStore, StoresOneNumberPerUserAndGarbageReadsAsNoChoice) {
    test::ScratchDir dir;
    EnvOverride own(kConfigDirVariable, dir.path());
    FileLanguageStore store;
    EXPECT_EQ(store.Path(), dir.File("language"));
    EXPECT_EQ(store.Get(), std::nullopt);
    ASSERT_TRUE(store.Set(0xFFFFFFFFu));
    EXPECT_EQ(FileLanguageStore().Get(), 0xFFFFFFFFu);
    ASSERT_TRUE(store.Set(2));
    EXPECT_EQ(store.Get(), 2u);
    for (const char* junk : {"", "abc", "12x", "-1", "4294967296", " 5"}) {
        test::WriteBytes(store.Path(), junk);
        EXPECT_EQ(store.Get(), std::nullopt) << junk;
    }
    FileLanguageStore nowhere(dir.File("language/inside-a-file"));
    EXPECT_FALSE(nowhere.Set(1));
}

}  // namespace
}  // namespace dorvik
