#include "config/file_list.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace testing_support;

TEST(FileList, NamesFollowTheirLabelsInOrderAndFitSixtyThreeCharacters) {
    const std::string n63(63, 'n'), n64(64, 'n');
    const struct {
        std::string text, font, logo;
    } cases[] = {{" \n[FILES]FONT:f.bmp\t\r\n LOGO:\n\nl.tga", "f.bmp", "l.tga"},
                 {"[FILES]\nFONT: " + n63 + "\nLOGO: " + n64, n63, ""},
                 {"[FILES]\nLOGO: l.tga\nFONT: f.bmp", "", ""},
                 {"[files]\nFONT: f.bmp", "", ""}};
    for (const auto& c : cases) {
        const FileList list = ParseFileList(c.text.data(), c.text.size());
        EXPECT_EQ(list.font, c.font) << c.text;
        EXPECT_EQ(list.logo, c.logo) << c.text;
    }
}

TEST(FileList, TheSceneFindsTheFontNameWithOrWithoutTheHeader) {
    const struct {
        std::string text, font;
    } cases[] = {{"FONT: f.bmp\nLOGO: l.tga", "f.bmp"},
                 {"[FILES]\nLOGO: l.tga\r\nFONT:\tf.bmp", "f.bmp"},
                 {"MYFONT: m.bmp FONT: f.bmp", "f.bmp"},
                 {"FONT: " + std::string(64, 'n'), ""},
                 {"font: f.bmp", ""}};
    for (const auto& c : cases)
        EXPECT_EQ(ScanFontName(c.text.data(), c.text.size()).font, c.font) << c.text;
}

// The scene asks for no logo and logs nothing on a file without the header.
TEST(FileList, AMissingFileOrLogoNameIsLoggedWithTheFileName) {
    TempDir dir;
    LoadFileList(true);
    writeFile("data/settings.txt", "FONT: f.bmp\n");
    EXPECT_STREQ(LoadFileList(false).font, "f.bmp");
    writeFile("data/settings.txt", "[FILES]\nFONT: f.bmp\n");
    EXPECT_STREQ(LoadFileList(true).font, "f.bmp");
    EXPECT_EQ(readLog(), "Could not open data/settings.txt: the texts are drawn without a font\n"
                         "data/settings.txt: no LOGO: name of 1 to 63 characters after the font\n");
}
