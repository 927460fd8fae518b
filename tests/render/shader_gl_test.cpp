// A shader source that does not compile, on a real context: logged in order
// with the compiler's words, shown, and the program asked to quit.
#include "render/gl_entry.h"
#include "render/shader.h"
#include "support/gl_window.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using namespace testing_support;

namespace {

const std::string kFragment = VARNE_SOURCE_DIR "/data/shaders/lighting.frag";

bool quitWasPosted() {
    plat::Message m;
    while (plat::PeekMessage(&m))
        if (m.message == plat::WM_QUIT) return true;
    return false;
}

}  // namespace

TEST(ShaderGL, ABrokenSourceIsLoggedInOrderShownAndAsksToQuit) {
    setenv("VARNE_MESSAGEBOX", "yes", 1);
    TempDir dir;
    TestGLWindow window;
    quitWasPosted();  // whatever creating the window produced
    writeFile("bad.vert", "#version 110\nvoid main() { gl_Position = notDeclared; }\n");
    initGLShader(false);
    EXPECT_NE(LoadGLShader("bad.vert", kFragment.c_str()), 0u);  // still linked and returned
    EXPECT_TRUE(quitWasPosted());
    const std::string log = readFile("log.txt");
    size_t at = 0;
    for (const char* part :
         {"*vertex shader compiler log:\n", "notDeclared", "\nError in Vertex Shader bad.vert\n",
          "*fragment shader compiler log:\n",
          "*attaching shader to program\n*linking program...\n*finished\n\n"}) {
        at = log.find(part, at);
        ASSERT_NE(at, std::string::npos) << "missing in order: " << part << "\n" << log;
    }
}
