// The F1 screen lists the controls exactly as README.md's table does.
#include "scene/help.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>

TEST(Help, ListsEveryControlOfTheReadmeInItsOrder) {
    std::string table = "## Controls\n\n| key | effect |\n|---|---|\n";
    for (const Control& c : Controls())
        table += std::string("| ") + c.keys + " | " + c.effect + " |\n";
    const std::string readme = testing_support::readFile(VARNE_SOURCE_DIR "/README.md");
    EXPECT_NE(readme.find(table + "\n"), std::string::npos) << "README.md lacks:\n" << table;
}
