#include "platform/keymap.h"
#include "platform/window.h"

#include <SDL.h>
#include <gtest/gtest.h>

TEST(KeyMap, EveryKeyTheProgramUsesHasItsVirtualKeyCode) {
    EXPECT_EQ(plat::virtualKeyFromSdl(SDLK_ESCAPE), 0x1Bu);
    EXPECT_EQ(plat::virtualKeyFromSdl(SDLK_RETURN), 0x0Du);
    EXPECT_EQ(plat::virtualKeyFromSdl(SDLK_KP_ENTER), 0x0Du);
    EXPECT_EQ(plat::virtualKeyFromSdl(SDLK_SPACE), 0x20u);
    EXPECT_EQ(plat::virtualKeyFromSdl(SDLK_LEFT), 0x25u);
    EXPECT_EQ(plat::virtualKeyFromSdl(SDLK_UP), 0x26u);
    EXPECT_EQ(plat::virtualKeyFromSdl(SDLK_RIGHT), 0x27u);
    EXPECT_EQ(plat::virtualKeyFromSdl(SDLK_DOWN), 0x28u);
    EXPECT_EQ(plat::virtualKeyFromSdl(SDLK_F1), 0x70u);
    const char letters[] = "wasdijklpu";
    for (const char* c = letters; *c; ++c)
        EXPECT_EQ(plat::virtualKeyFromSdl(SDLK_a + (*c - 'a')), unsigned(*c - 'a' + 'A')) << *c;
    EXPECT_EQ(plat::virtualKeyFromSdl(SDLK_a), 0x41u);
    EXPECT_EQ(plat::virtualKeyFromSdl(SDLK_z), 0x5Au);
}

TEST(KeyMap, KeysWithoutACodeAreDropped) {
    EXPECT_EQ(plat::virtualKeyFromSdl(SDLK_CAPSLOCK), 0u);
    EXPECT_EQ(plat::virtualKeyFromSdl(SDLK_UNKNOWN), 0u);
}
