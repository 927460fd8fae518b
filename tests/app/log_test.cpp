#include "app/log.h"
#include "platform/window.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <regex>
#include <string>

using namespace testing_support;

namespace {
const char* const kNoFormat = nullptr;
}

TEST(Log, HeaderHasTitleAndLocalDateThenTwoEmptyLines) {
    TempDir dir;
    writeFile("log.txt", "left over from the previous run\n");
    log_init("3D-Varne");
    std::regex header(
        "3D-Varne : (Monday|Tuesday|Wednesday|Thursday|Friday|Saturday|Sunday), [0-3][0-9]\\. "
        "(January|February|March|April|May|June|July|August|September|October|November|December) "
        "[0-9]{4} - [0-2][0-9]:[0-5][0-9]:[0-6][0-9]\n\n\n");
    EXPECT_TRUE(std::regex_match(readFile("log.txt"), header)) << readFile("log.txt");
}

TEST(Log, EntriesAppendInCallOrderWithTheirOwnLineEnds) {
    TempDir dir;
    log_init("T");
    std::string before = readFile("log.txt");
    log_txt("Loading %s... %i", "things", 3);
    log_txt("\n\n***\nProgram Shutdown...\n");
    log_txt(kNoFormat);
    EXPECT_EQ(readFile("log.txt"), before + "Loading things... 3\n\n\n***\nProgram Shutdown...\n\n\n");
}

TEST(Log, TextLongerThanTheBufferIsWrittenWhole) {
    TempDir dir;
    std::string longText(1999, 'x');
    longText += "END";
    log_txt("%s", longText.c_str());
    EXPECT_EQ(readFile("log.txt"), longText + "\n");
}

TEST(Log, QuestionsCarryTheAnswerOnTheirLine) {
    TempDir dir;
    setenv("VARNE_MESSAGEBOX", "yes", 1);
    EXPECT_TRUE(log_yn("Use %s?", "windowed mode"));
    EXPECT_TRUE(log_yn(kNoFormat));
    setenv("VARNE_MESSAGEBOX", "no", 1);
    EXPECT_FALSE(log_yn("Again?"));
    EXPECT_EQ(readFile("log.txt"), "Use windowed mode? : yes\n : yes\nAgain? : no\n");
}

TEST(Log, ErrorBoxesAreLoggedAndLeaveTheCursorCountAsItWas) {
    TempDir dir;
    setenv("VARNE_MESSAGEBOX", "yes", 1);
    int before = plat::ShowCursor(false);
    testing::internal::CaptureStderr();
    log_msg("Window Creation Error.");
    std::string shown = testing::internal::GetCapturedStderr();
    EXPECT_EQ(plat::ShowCursor(false), before - 1);
    EXPECT_EQ(readFile("log.txt"), "Window Creation Error.\n");
    EXPECT_NE(shown.find("Error occured!!"), std::string::npos);
    EXPECT_NE(shown.find("Window Creation Error."), std::string::npos);
}

TEST(Log, UnwritableLogDropsEntriesButStillAsks) {
    TempDir dir;
    std::filesystem::create_directory("log.txt");
    setenv("VARNE_MESSAGEBOX", "yes", 1);
    log_init("T");
    log_txt("dropped");
    log_msg("dropped too");
    EXPECT_TRUE(log_yn("still answered?"));
    EXPECT_TRUE(std::filesystem::is_directory("log.txt"));
}
