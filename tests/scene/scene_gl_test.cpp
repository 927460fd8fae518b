// The real scene set-up and frames on a scripted clock.
#include "app/main.h"
#include "bench/scene/scene_run.h"
#include "physics/newton_primitive.h"
#include "play/play_tools.h"
#include "scene/frame.h"
#include "scene/help.h"
#include "scene/shadows.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

static Vertex at(int node) { return NewtonObjects.find(node)->getData()->getPosition(); }

static std::string glText(GLenum name) { return reinterpret_cast<const char*>(glGetString(name)); }

// After its own lines the set-up names what runs underneath: the driver of the
// current context, the engine by pkg-config's version, OpenAL Soft's null output.
// Then the floor's top is at y = 5: the box of edge 5 comes to rest at 7.5, the
// ball of radius 6 at 11; the hinge holds its two boxes 31 apart. The ball
// (mass 10) keeps the inertia of a box of edge 6, m (6^2 + 6^2) / 12 = 60.
TEST(Scene, TheLogNamesWhatRunsUnderneathAndBodiesFallToRestOnTheFloor) {
    SceneRun run(SceneRun::RepositoryConfig(false));
    ASSERT_TRUE(run.ready());
    const std::string log = run.log();
    size_t found = log.find("Initialisation finished successfully");
    for (const std::string& line :
         {"OpenGL vendor: " + glText(GL_VENDOR), "OpenGL renderer: " + glText(GL_RENDERER),
          "OpenGL version: " + glText(GL_VERSION),
          std::string("Physics engine: Bullet " VARNE_BULLET_VERSION "\n"),
          std::string("Audio device: No Output (OpenAL Soft 1.1 ALSOFT ")}) {
        found = log.find("\n" + line, found);
        ASSERT_NE(found, std::string::npos) << "missing in order: " << line << "\n" << log;
    }
    float m, i[3];
    NewtonBodyGetMassMatrix(NewtonObjects.find(5)->getData()->getBody(), &m, &i[0], &i[1], &i[2]);
    EXPECT_TRUE(i[0] == 60 && i[1] == 60 && i[2] == 60);
    run.frames(8 * 30, 1.0 / 30);
    EXPECT_NEAR(at(3).y, 7.5f, 0.1f);
    EXPECT_NEAR(at(5).y, 11.0f, 0.1f);
    EXPECT_NEAR(vlength(sub(at(2), at(4))), 31.0f, 0.05f);
}

// Held F1 shows the title in red and each control's row in yellow keys and
// white words: the colours asked for, not the light's.
TEST(Scene, F1ShowsTheTitleAndEveryControlInFullColour) {
    SceneRun run(SceneRun::RepositoryConfig(false));
    ASSERT_TRUE(run.ready());
    run.frames(2);
    run.hold(plat::VK_F1);
    DrawGLScene(nullptr);
    using Pixel = std::array<unsigned char, 3>;
    std::vector<Pixel> pixels(800 * 600);
    glReadPixels(0, 0, 800, 600, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    // Pixels of the colour in the band of text printed at y (glyph bottoms at 530 - y).
    auto count = [&](int y, Pixel colour) {
        return std::count(pixels.begin() + (530 - y) * 800, pixels.begin() + (546 - y) * 800,
                          colour);
    };
    EXPECT_GT(count(60, {255, 0, 0}), 50);
    const int rows = int(Controls().size());
    ASSERT_GE(rows, 20);
    ASSERT_LE(95 + 22 * (rows - 1), 530) << "the last row is below the screen";
    for (int row = 0, y = 95; row < rows; ++row, y += 22) {
        EXPECT_GT(count(y, {255, 255, 0}), 20) << row;
        EXPECT_GT(count(y, {255, 255, 255}), 20) << row;
    }
}

// Holding J moves the light 0.5 a frame along -x, so the shadows, cast away
// from it, move towards +x: to the right of the start view, which looks
// along -z. The shadows are the pixels the frame draws darker with them than
// without them; their centroid moves right with the light's 20 units.
TEST(Scene, TheShadowsMoveWithTheLight) {
    SceneRun run(SceneRun::RepositoryConfig(false));
    ASSERT_TRUE(run.ready());
    run.frames(120);
    tools.clock.togglePause();
    auto shadowCentreX = [] {
        std::vector<unsigned char> without(800 * 600), with(800 * 600);
        SetShadows(false);
        DrawGLScene(nullptr);
        glReadPixels(0, 0, 800, 600, GL_GREEN, GL_UNSIGNED_BYTE, without.data());
        SetShadows(true);
        DrawGLScene(nullptr);
        glReadPixels(0, 0, 800, 600, GL_GREEN, GL_UNSIGNED_BYTE, with.data());
        double sum = 0, count = 0;
        for (size_t i = 0; i < with.size(); ++i)
            if (with[i] + 10 < without[i]) sum += double(i % 800), ++count;
        EXPECT_GT(count, 2000);
        return sum / count;
    };
    const double before = shadowCentreX();
    run.hold('J');
    run.frames(40);
    run.release('J');
    EXPECT_GT(shadowCentreX(), before + 20);
}
