// The process environment as the C runtime's getenv, which the audio library reads, sees it.
#include "platform/window.h"

#include <gtest/gtest.h>

#include <cstdlib>

TEST(Environment, SettingReplacingAndRemovingAreSeenByGetenv) {
    const char* const name = "VARNE_ENVIRONMENT_TEST";
    // Null removes the variable; removing it again is no error.
    for (const char* value : {"one", "two words", (const char*)nullptr, (const char*)nullptr}) {
        EXPECT_TRUE(plat::SetEnvironmentVariable(name, value)) << (value ? value : "removal");
        EXPECT_STREQ(std::getenv(name), value);
    }
}
