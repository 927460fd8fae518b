// What the shader compiler is given for a file's text.
#include "render/shader.h"

#include <gtest/gtest.h>

#include <string>

TEST(ShaderSource, LineEndsBecomeSingleNewlinesThenTheTextIsCutOrPaddedTo2000) {
    const std::string y1999(1999, 'y');
    struct Case {
        std::string text, sent;
    } cases[] = {
        {"", std::string(2000, '\n')},
        {"a\r\nb\n\rc", "a\nb\n\rc" + std::string(1994, '\n')},  // a lone \r stays
        {std::string(2000, 'a'), std::string(2000, 'a')},
        {y1999 + "zz", y1999 + "z"},
        {y1999 + "\r\n", y1999 + "\n"},  // a line end across the cut counts once
    };
    for (const Case& c : cases) EXPECT_EQ(ShaderSourceText(c.text), c.sent) << c.text.size();
}
