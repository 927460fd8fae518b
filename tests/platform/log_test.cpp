#include "platform/log.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace testing_support;

TEST(Log, InitStartsAFreshFileAndEntriesFollowWholeInCallOrder) {
    TempDir dir;
    writeFile("log.txt", "left over from the previous run\n");
    log_init("3D-Varne");
    const std::string head = readLog(), longText(600, 'x');  // past the 512 buffer
    EXPECT_EQ(head.find("3D-Varne : "), 0u) << head;         // then the date and two empty lines
    EXPECT_EQ(head.find("\n\n\n"), head.size() - 3) << head;
    const char* noFormat = nullptr;
    log_txt("Loading %s... %i", "things", 3);
    log_txt("%s", longText.c_str());
    log_txt(noFormat);
    EXPECT_EQ(readLog(), head + "Loading things... 3\n" + longText + "\n\n");
}
