#include "config/settings.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

using namespace testing_support;

TEST(Settings, TokensPairUpWhateverTheLinesAndTheFirstOfEqualKeysWins) {
    TempDir dir;
    const struct {
        const char *text, *key, *value;
    } cases[] = {
        {"[3D-VARNE-CFG]\nK first  X\nsecond\n\tK again", "X", "second"},
        {"[3D-VARNE-CFG]\nK first  X\nsecond\n\tK again", "K", "first"},
        {"[3D-VARNE-CFG]\nA a\nLAST\n\n", "LAST", ""},
        {"[3D-VARNE-CFG]\nantialias yes", "ANTIALIAS", nullptr},
        {"[3D-VARNE]X KEY value", "]X", "KEY"},  // no header: read from its first token on
    };
    for (const auto& c : cases) {
        Settings3D store;
        store.addSets(c.text);
        EXPECT_STREQ(store.getSetting(c.key), c.value) << c.text;
    }
    EXPECT_EQ(countOf(readLog(), "data/config.txt: no [3D-VARNE-CFG] header"), 1);
}

TEST(Settings, PairsPastTheHundredthAndCharactersPastThe149thAreDroppedAndLogged) {
    TempDir dir;
    std::string text = "[3D-VARNE-CFG]\n" + std::string(150, 'k') + " " + std::string(149, 'v');
    for (int i = 2; i <= 102; ++i) text += "\nK" + std::to_string(i) + " v";
    Settings3D store;
    store.addSets(text);
    EXPECT_EQ(store.numSets, 100);
    EXPECT_EQ(store.sets[0].key, std::string(149, 'k'));
    EXPECT_EQ(store.sets[0].value, std::string(149, 'v'));
    EXPECT_EQ(readLog(), "data/config.txt: 2 pairs past the first 100 dropped, 1 tokens cut to "
                         "149 characters\n");
}
