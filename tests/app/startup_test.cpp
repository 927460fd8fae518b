// Where a run starts: the working directory when it holds the data, else the
// program's folder or its parent (a build folder inside the source tree) or
// the installed data folder beside it; and
// the message naming what was tried when the configuration is nowhere.
#include "app/startup.h"
#include "config/settings.h"
#include "platform/window.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace testing_support;
namespace fs = std::filesystem;

TEST(StartUp, RunsFromTheFirstFolderThatHoldsTheData) {
    TempDir dir;
    const struct {
        const char *dataFile, *expected;  // under each case's folder, which holds work/ and build/
    } cases[] = {{"work/data/config.txt", "work"},
                 {"work/data/settings.txt", "work"},
                 {"build/data/config.txt", "build"},
                 {"data/settings.txt", "."},
                 {"share/games/3d-varne/data/config.txt", "share/games/3d-varne"},
                 {"elsewhere/data/config.txt", "work"}};
    // Folders compared by name, each ending in one separator.
    const auto folder = [](const fs::path& p) { return (p / "").lexically_normal(); };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const fs::path base = dir.path / std::to_string(i);
        fs::create_directories(base / "work"), fs::create_directories(base / "build");
        writeFile(base / cases[i].dataFile, "");
        EXPECT_EQ(folder(DataFolder(base / "work", base / "build/")),
                  folder(base / cases[i].expected))
            << cases[i].dataFile;
    }
}

TEST(StartUp, AMissingConfigurationNamesTheWorkingDirectoryAndThePathTried) {
    TempDir dir;
    plat::SetEnvironmentVariable("VARNE_MESSAGEBOX", "yes");
    Settings3D().loadSets();
    plat::Message quit;
    while (plat::PeekMessage(&quit)) {}  // the quit it posts belongs to no other test
    const std::string tried = "data/config.txt in the working directory " + dir.path.string();
    EXPECT_EQ(countOf(readLog(), "Could not load Configuration file! Tried " + tried + "\n"), 1);
}
