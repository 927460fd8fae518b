// The skybox description file: the six names whatever the whitespace, and
// what is kept and logged when the file, a label or a name is wrong. The
// faces named here do not exist, so nothing reaches GL.
#include "scene/skybox.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <string>

using namespace testing_support;

namespace {

const char* const kNames[Skybox::kFaces] = {"u.tga", "d/1.tga", "2.bmp",
                                            "3.tga", "4.tga",   "dn.tga"};

void expectNames(const Skybox& sky, const std::string (&names)[Skybox::kFaces]) {
    for (int i = 0; i < Skybox::kFaces; ++i) {
        EXPECT_EQ(sky.textures[i].name, names[i]) << "face " << i;
        EXPECT_EQ(sky.textures[i].glTexture, 0u) << "face " << i;
    }
}

}  // namespace

TEST(Skybox, AllSixNamesAreReadWhateverTheWhitespace) {
    const std::string text =
        "  \n\nSKY_UP:u.tga\r\n\tSKY1:\n\n  d/1.tga SKY2: 2.bmp\nSKY3:\t3.tga\n\n"
        "SKY4:\n4.tga\n   SKY_DOWN:      dn.tga";
    texture_t faces[Skybox::kFaces];
    EXPECT_EQ(ParseSkyboxNames(text, faces), 6);
    for (int i = 0; i < Skybox::kFaces; ++i) EXPECT_STREQ(faces[i].name, kNames[i]);
}

TEST(Skybox, AMissingFileLeavesAnEmptySkyAndOneLine) {
    TempDir dir;
    Skybox sky("nosuch/sky.txt", 3000, 2000, 4);
    expectNames(sky, {"", "", "", "", "", ""});
    EXPECT_EQ(sky.extent, 3000);
    EXPECT_EQ(sky.heightScale, 4);
    const std::string log = readFile("log.txt");
    EXPECT_EQ(countOf(log, "\nInitializing Skybox, loading textures..."), 1);
    EXPECT_EQ(countOf(log, "Skybox:"), 1);
    EXPECT_EQ(countOf(log, "nosuch/sky.txt"), 1);
    EXPECT_EQ(countOf(log, "loading texture: "), 0);
}

TEST(Skybox, AWrongLabelKeepsTheFacesBeforeItAndLogsItOnce) {
    TempDir dir;
    writeFile("sky.txt", "SKY_UP: u.tga\nSKY1: d/1.tga\nsky2: 2.bmp\nSKY3: 3.tga\n"
                         "SKY4: 4.tga\nSKY_DOWN: dn.tga\n");
    Skybox sky("sky.txt", 3000, 2000, 4);
    // The names stay in the records the loader returned.
    expectNames(sky, {"u.tga", "d/1.tga", "", "", "", ""});
    const std::string log = readFile("log.txt");
    EXPECT_EQ(countOf(log, "Skybox:"), 1);
    EXPECT_EQ(countOf(log, "sky.txt: no SKY2: label"), 1);
    EXPECT_EQ(countOf(log, "loading texture: "), 2);
    EXPECT_EQ(countOf(log, "\nSkybox succesfully initialized\n"), 1);
}

TEST(Skybox, ANameOfMoreThanFiftyCharactersIsNotTaken) {
    TempDir dir;
    const std::string fifty(46, 'n'), longer(47, 'l');
    writeFile("sky.txt", "SKY_UP: " + fifty + ".tga\nSKY1: " + longer + ".tga\nSKY2: 2.bmp\n"
                         "SKY3: 3.tga\nSKY4: 4.tga\nSKY_DOWN:");
    Skybox sky("sky.txt", 3000, 2000, 4);
    expectNames(sky, {fifty + ".tga", "", "2.bmp", "3.tga", "4.tga", ""});
    const std::string log = readFile("log.txt");
    EXPECT_EQ(countOf(log, "Skybox:"), 2);
    EXPECT_EQ(countOf(log, "after SKY1:"), 1);
    EXPECT_EQ(countOf(log, "after SKY_DOWN:"), 1);
}
