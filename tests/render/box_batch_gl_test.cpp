// Boxes drawn in one batch look as they do drawn one by one: the same faces
// in the same poses, lit by the same normals.
#include "render/box_batch.h"

#include "physics/newton_box.h"
#include "support/gl_window.h"
#include "support/physics_world.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

namespace {

std::vector<unsigned char> drawn(const std::function<void()>& draw) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    draw();
    std::vector<unsigned char> pixels(128 * 128 * 3);
    glReadPixels(0, 0, 128, 128, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
}

}  // namespace

using BoxBatchGL = testing_support::PhysicsWorld;

TEST_F(BoxBatchGL, DrawsWhatEachBoxDrawsItself) {
    testing_support::TestGLWindow window(128, 128);
    std::vector<std::unique_ptr<NewtonBox>> boxes;
    for (int i = 0; i < 3; ++i) {
        boxes.push_back(std::make_unique<NewtonBox>(world, newV(float(i) * 4 - 4, 0, 0), 1.0f,
                                                    2.0f + float(i), 1.5f, 1.0f));
        const float a = 0.5f + float(i), c = std::cos(a), s = std::sin(a);
        const float turned[16] = {
            c, s * c, s * s, 0, -s, c * c, c * s, 0, 0, -s, c, 0, float(i) * 4 - 4, 0, 0, 1};
        NewtonBodySetMatrix(boxes.back()->getBody(), turned);
    }
    testing_support::squarePerspective(60, 1, 100);
    glTranslatef(0, 0, -12);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_NORMALIZE);  // as the scene's shader normalises; glScalef stretches normals
    const auto oneByOne = drawn([&] {
        for (const auto& box : boxes) box->draw();
    });
    std::vector<BatchedBox> poses;
    for (const auto& box : boxes) poses.push_back({&box->matrix, box->size});  // drawn above
    BoxBatch batch;
    const auto batched = drawn([&] { batch.draw(poses, newV(0, 0, 12)); });
    int differing = 0, lit = 0;
    for (std::size_t i = 0; i < oneByOne.size(); ++i) {
        differing += std::abs(oneByOne[i] - batched[i]) > 2;
        lit += oneByOne[i] > 0;
    }
    EXPECT_GT(lit, 3000);  // the boxes fill a good part of the view
    EXPECT_LT(differing, 30) << "of " << oneByOne.size();
}
