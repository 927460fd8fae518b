// Shader sources without a display: what the compiler is given for a file's
// text, and the installed lighting pair as the configuration names it.
#include "config/settings.h"
#include "render/shader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>

TEST(ShaderSource, ShortSourcesArePaddedWithNewlinesAndLongOnesCut) {
    const std::string ten = "void main(";
    EXPECT_EQ(ShaderSourceText(ten), ten + std::string(1990, '\n'));
    EXPECT_EQ(ShaderSourceText(""), std::string(2000, '\n'));

    std::string exact(2000, 'a');
    exact[1999] = 'z';
    EXPECT_EQ(ShaderSourceText(exact), exact);

    std::string longer = std::string(2000, 'b') + std::string(500, 'c');
    EXPECT_EQ(ShaderSourceText(longer), std::string(2000, 'b'));
}

TEST(ShaderSource, LineEndsArriveAsSingleNewlinesBeforeCounting) {
    EXPECT_EQ(ShaderSourceText("a\r\nb\n\rc"), "a\nb\n\rc" + std::string(1994, '\n'));

    // 1000 lines of "x\r\n" are 3000 bytes on disk but exactly 2000 characters.
    std::string crlf, lf;
    for (int i = 0; i < 1000; ++i) crlf += "x\r\n", lf += "x\n";
    EXPECT_EQ(ShaderSourceText(crlf), lf);
    // A line end straddling the cut still counts as one character.
    EXPECT_EQ(ShaderSourceText(std::string(1999, 'y') + "\r\n"), std::string(1999, 'y') + "\n");
}

TEST(ShaderFiles, TheConfiguredPairExistsAndFitsTheSourceLength) {
    std::filesystem::current_path(VARNE_SOURCE_DIR);
    auto store = std::make_unique<Settings3D>();
    store->loadSets();
    for (const char* key : {"VERTEX_SHADER_STD", "FRAGMENT_SHADER_STD"}) {
        SCOPED_TRACE(key);
        const char* file = store->getSetting(key);
        ASSERT_NE(file, nullptr);
        ASSERT_TRUE(std::filesystem::is_regular_file(file));
        // Well under, so an edit does not silently lose the end of main().
        EXPECT_LT(std::filesystem::file_size(file), kShaderSourceLength * 3 / 4);
    }
}
