// The user's folders as the XDG conventions and the real xdg-user-dir name
// them: variables that are set win, a relative state folder is ignored, and a
// pictures folder that is not set (xdg-user-dir then answers the home folder)
// falls back to ~/Pictures.
#include "platform/window.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace testing_support;

TEST(UserFolders, StateAndPicturesFollowTheVariablesAndFallBackUnderHome) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows has no XDG folders";
#endif
    TempDir dir;
    const std::string home = dir.path.string();
    writeFile("set/user-dirs.dirs", "XDG_PICTURES_DIR=\"$HOME/Bilder\"\n");
    const struct {
        const char *home, *stateHome, *configHome;
        std::string state, pictures;
    } cases[] = {{home.c_str(), nullptr, nullptr, home + "/.local/state", home + "/Pictures"},
                 {home.c_str(), "/var/st", "set", "/var/st", home + "/Bilder"},
                 {home.c_str(), "relative", "unset", home + "/.local/state", home + "/Pictures"},
                 {nullptr, nullptr, "set", "", ""}};
    for (const auto& c : cases) {
        plat::SetEnvironmentVariable("HOME", c.home);
        plat::SetEnvironmentVariable("XDG_STATE_HOME", c.stateHome);
        const std::string config = c.configHome ? home + "/" + c.configHome : "";
        plat::SetEnvironmentVariable("XDG_CONFIG_HOME", c.configHome ? config.c_str() : nullptr);
        EXPECT_EQ(plat::StateFolder(), c.state) << c.stateHome;
        EXPECT_EQ(plat::PicturesFolder(), c.pictures) << c.configHome;
    }
}
