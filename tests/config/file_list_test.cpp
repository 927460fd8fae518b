#include "config/file_list.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>

using namespace testing_support;

namespace {
FileList parse(const std::string& text) { return ParseFileList(text.data(), text.size()); }
}  // namespace

TEST(FileList, NamesAreReadWhateverTheWhitespace) {
    FileList a = parse("[FILES]\nFONT: data/f.bmp\nLOGO: data/l.tga\nanything after");
    EXPECT_STREQ(a.font, "data/f.bmp");
    EXPECT_STREQ(a.logo, "data/l.tga");
    FileList b = parse("  \n\n[FILES]FONT:f.bmp\t\r\n LOGO:\n\nl.tga");
    EXPECT_STREQ(b.font, "f.bmp");
    EXPECT_STREQ(b.logo, "l.tga");
}

TEST(FileList, LabelsMatchExactlyAndInOrder) {
    EXPECT_STREQ(parse("[files]\nFONT: f.bmp\nLOGO: l.tga").font, "");
    FileList swapped = parse("[FILES]\nLOGO: l.tga\nFONT: f.bmp");
    EXPECT_STREQ(swapped.font, "");
    EXPECT_STREQ(swapped.logo, "");
    FileList noLogo = parse("[FILES]\nFONT: f.bmp\nLogo: l.tga");
    EXPECT_STREQ(noLogo.font, "f.bmp");
    EXPECT_STREQ(noLogo.logo, "");
}

TEST(FileList, OverlongNamesAreNotTakenAndEmptyTextIsHarmless) {
    std::string longName(64, 'n');
    FileList list = parse("[FILES]\nFONT: " + longName + "\nLOGO: " + std::string(63, 'l'));
    EXPECT_STREQ(list.font, "");
    EXPECT_EQ(std::string(list.logo), std::string(63, 'l'));
    EXPECT_STREQ(ParseFileList("", 0).font, "");
    EXPECT_STREQ(parse("[FILES]\nFONT:").font, "");
}

TEST(FileList, MissingFileOrNameIsLoggedOnce) {
    TempDir dir;
    EXPECT_STREQ(LoadFileList(true).font, "");
    EXPECT_EQ(countOf(readFile("log.txt"), "Could not open data/settings.txt"), 1);
    writeFile("data/settings.txt", "[FILES]\nFONT: f.bmp\n");
    EXPECT_STREQ(LoadFileList(true).font, "f.bmp");
    EXPECT_EQ(countOf(readFile("log.txt"), "no LOGO: name"), 1);
    LoadFileList(false);
    EXPECT_EQ(countOf(readFile("log.txt"), "no LOGO: name"), 1);
}
