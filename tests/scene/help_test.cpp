// The F1 screen lists the controls exactly as README.md's table does.
#include "scene/help.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

using namespace testing_support;

// The "| keys | effect |" rows of the table under "## Controls", without its header.
static std::vector<std::string> readmeControls() {
    std::istringstream readme(readFile(VARNE_SOURCE_DIR "/README.md"));
    std::string line;
    while (std::getline(readme, line) && line != "## Controls") {}
    std::vector<std::string> rows;
    while (std::getline(readme, line) && (rows.empty() || line.starts_with("|")))
        if (line.starts_with("|")) rows.push_back(line);
    rows.erase(rows.begin(), rows.begin() + std::min<std::ptrdiff_t>(2, std::ssize(rows)));
    return rows;
}

TEST(Help, ListsEveryControlOfTheReadmeInItsOrder) {
    std::vector<std::string> shown;
    for (const Control& c : Controls())
        shown.push_back(std::string("| ") + c.keys + " | " + c.effect + " |");
    EXPECT_EQ(shown, readmeControls());
}
