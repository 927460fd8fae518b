#include "app/glwindow.h"

#include <gtest/gtest.h>

TEST(ExtensionMatch, CountsOnlyWholeWords) {
    const char* list = "GL_ARB_multisample_ext GL_EXT_x XGL_ARB_multisample GL_ARB_multisample";
    EXPECT_TRUE(extensionListed(list, "GL_ARB_multisample"));
    EXPECT_TRUE(extensionListed(list, "GL_EXT_x"));
    EXPECT_FALSE(extensionListed(list, "GL_ARB_multi"));
    EXPECT_FALSE(extensionListed(list, "ARB_multisample"));
    EXPECT_FALSE(extensionListed("GL_ARB_multisample_ext", "GL_ARB_multisample"));
    EXPECT_TRUE(extensionListed("GL_ARB_multisample", "GL_ARB_multisample"));
}

TEST(ExtensionMatch, EmptyOrMissingInputsAreNotFound) {
    EXPECT_FALSE(extensionListed(nullptr, "GL_EXT_x"));
    EXPECT_FALSE(extensionListed("", "GL_EXT_x"));
    EXPECT_FALSE(extensionListed("GL_EXT_x", ""));
}

TEST(ExtensionMatch, WindowSystemListNamesItsOwnExtensions) {
    EXPECT_TRUE(WGLisExtensionSupported("WGL_ARB_pixel_format"));
    EXPECT_FALSE(WGLisExtensionSupported("WGL_ARB_pixel"));
}
