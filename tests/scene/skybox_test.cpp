// The skybox description file. The faces named here do not exist, so
// nothing reaches GL.
#include "scene/skybox.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace testing_support;

// Any whitespace separates the parts; a name of 51 characters is not taken, a
// wrong label ends the reading, and each refusal is logged with the file name.
TEST(Skybox, NamesFollowTheirLabelsInOrderAndFitFiftyCharacters) {
    TempDir dir;
    const std::string n50(50, 'n');
    writeFile("sky.txt", " \nSKY_UP:u.tga\r\n\tSKY1:\n\n" + n50 + " SKY2: " + std::string(51, 'l') +
                             "\nSKY3:\t3\nSKY4:\n4 SKY_DOWN: dn");
    writeFile("wrong.txt", "SKY_UP: u.tga\nSKY1: 1.tga\nsky2: 2.tga\nSKY3: 3.tga\n");
    Skybox sky("sky.txt", 1, 1, 1), wrong("wrong.txt", 1, 1, 1), none("no.txt", 1, 1, 1);
    const std::string want[Skybox::kFaces] = {"u.tga", n50, "", "3", "4", "dn"};
    const std::string wantBeforeTheWrongLabel[Skybox::kFaces] = {"u.tga", "1.tga"};
    for (int i = 0; i < Skybox::kFaces; ++i) {
        EXPECT_EQ(sky.textures[i].name, want[i]) << i;
        EXPECT_EQ(wrong.textures[i].name, wantBeforeTheWrongLabel[i]) << i;
    }
    EXPECT_EQ(sky.textures[0].glTexture, 0u);
    const std::string log = readLog();
    EXPECT_EQ(countOf(log, "Skybox: sky.txt: no name of 1 to 50 characters after SKY2:"), 1);
    EXPECT_EQ(countOf(log, "Skybox: wrong.txt: no SKY2: label"), 1);
    EXPECT_EQ(countOf(log, "Skybox: could not open no.txt"), 1);
}
