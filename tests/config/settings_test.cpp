#include "config/settings.h"
#include "platform/window.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

using namespace testing_support;

namespace {

// Loads a store from the given configuration text in a private folder.
struct LoadedStore {
    explicit LoadedStore(const std::string& text) {
        writeFile("data/config.txt", text);
        store->loadSets();
    }
    TempDir dir;  // constructed first: the file lands inside it
    std::unique_ptr<Settings3D> store = std::make_unique<Settings3D>();
};

}  // namespace

TEST(Settings, DefaultsAreTheWindowedStartMode) {
    Settings3D s;
    EXPECT_EQ(s.ScreenX(), 800);
    EXPECT_EQ(s.ScreenY(), 600);
    EXPECT_EQ(s.ScreenBPP(), 16);
    EXPECT_FALSE(s.doFullscreen());
    EXPECT_EQ(s.numSets, 0);
}

TEST(Settings, HeaderOnlyFileHoldsNoPairs) {
    LoadedStore s("[3D-VARNE-CFG]\n\n\n");
    EXPECT_EQ(s.store->numSets, 0);
    EXPECT_FALSE(s.store->IsSet("ANTIALIAS"));
    EXPECT_EQ(s.store->getSetting("ANTIALIAS"), nullptr);
    EXPECT_NE(readFile("log.txt").find("Loading Configuration..."), std::string::npos);
}

TEST(Settings, OnlyLowerCaseYesEnables) {
    LoadedStore s("[3D-VARNE-CFG]\nA Yes\nB YES\nC 1\nD yes\nantialias yes\n");
    EXPECT_FALSE(s.store->IsEnabled("A"));
    EXPECT_FALSE(s.store->IsEnabled("B"));
    EXPECT_FALSE(s.store->IsEnabled("C"));
    EXPECT_TRUE(s.store->IsEnabled("D"));
    EXPECT_FALSE(s.store->IsSet("ANTIALIAS"));
}

TEST(Settings, TokensPairUpAcrossLinesAndTheFirstDuplicateWins) {
    LoadedStore s("[3D-VARNE-CFG]\nK first  X\nsecond\n\tK again");
    ASSERT_EQ(s.store->numSets, 3);
    EXPECT_STREQ(s.store->getSetting("K"), "first");
    EXPECT_STREQ(s.store->getSetting("X"), "second");
    EXPECT_STREQ(s.store->sets[2].value, "again");
}

TEST(Settings, TrailingBlankLinesAddNoEntryAndALoneLastKeyHasAnEmptyValue) {
    LoadedStore trailing("[3D-VARNE-CFG]\nA a\nB b\n\n\n\n");
    EXPECT_EQ(trailing.store->numSets, 2);
    LoadedStore lone("[3D-VARNE-CFG]\nA a\nLAST");
    ASSERT_EQ(lone.store->numSets, 2);
    EXPECT_TRUE(lone.store->IsSet("LAST"));
    EXPECT_STREQ(lone.store->getSetting("LAST"), "");
}

TEST(Settings, MissingHeaderIsReadFromTheFirstToken) {
    LoadedStore s("[3D-VARNE]X KEY value\n");
    ASSERT_EQ(s.store->numSets, 2);
    EXPECT_STREQ(s.store->sets[0].key, "]X");
    EXPECT_STREQ(s.store->sets[0].value, "KEY");
    EXPECT_STREQ(s.store->getSetting("value"), "");
}

TEST(Settings, OverlongTokensAndSurplusPairsAreCutAndLoggedOnce) {
    std::string text = "[3D-VARNE-CFG]\n" + std::string(400, 'k') + " v\n";
    for (int i = 1; i < 103; ++i) text += "K" + std::to_string(i) + " v\n";
    LoadedStore s(text);
    EXPECT_EQ(s.store->numSets, Settings3D::kMaxSets);
    EXPECT_EQ(std::string(s.store->sets[0].key), std::string(149, 'k'));
    EXPECT_STREQ(s.store->sets[99].key, "K99");
    EXPECT_FALSE(s.store->IsSet("K100"));
    EXPECT_EQ(countOf(readFile("log.txt"), "3 pairs past the first 100 dropped, 1 tokens cut"), 1);
}

TEST(Settings, SetSettingsKeepsUnsetSizesAndLoads) {
    TempDir dir;
    writeFile("data/config.txt", "[3D-VARNE-CFG]\nANTIALIAS yes\n");
    Settings3D s;
    s.SetSettings(0, 0, 0, true);
    EXPECT_EQ(s.ScreenX(), 800);
    EXPECT_EQ(s.ScreenY(), 600);
    EXPECT_EQ(s.ScreenBPP(), 16);
    EXPECT_TRUE(s.doFullscreen());
    EXPECT_TRUE(s.IsEnabled("ANTIALIAS"));
    s.SetSettings(1024, 768, 32, false);
    EXPECT_EQ(s.ScreenX(), 1024);
    EXPECT_EQ(s.numSets, 2);  // loading appends
}

TEST(Settings, MissingFileIsShownAndPostsQuit) {
    TempDir dir;
    setenv("VARNE_MESSAGEBOX", "yes", 1);
    Settings3D s;
    testing::internal::CaptureStderr();
    s.loadSets();
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Could not load Configuration file!"),
              std::string::npos);
    EXPECT_EQ(s.numSets, 0);
    EXPECT_FALSE(s.IsSet("BACKGROUND_MUSIC"));
    plat::Message m;
    ASSERT_TRUE(plat::PeekMessage(&m));
    EXPECT_EQ(m.message, unsigned(plat::WM_QUIT));
}
