// The gem model body: its hull, mass matrix and centre of mass come from the
// model's closed mesh; the body is still placed and drawn by its origin.
#include "physics/newton_model.h"
#include "support/gl_window.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace testing_support;

namespace {

// Volume-weighted centroid of a closed mesh, from tetrahedra on the origin.
Vertex meshCentroid(const CMD2Model& m) {
    double volume = 0, c[3] = {0, 0, 0};
    for (const md2Triangle_t& t : m.triangles) {
        const Vertex& a = m.vertices[t.vertexIndex[0]];
        const Vertex& b = m.vertices[t.vertexIndex[1]];
        const Vertex& d = m.vertices[t.vertexIndex[2]];
        const double v = (a.x * (double(b.y) * d.z - double(b.z) * d.y) -
                          a.y * (double(b.x) * d.z - double(b.z) * d.x) +
                          a.z * (double(b.x) * d.y - double(b.y) * d.x)) / 6;
        volume += v;
        c[0] += v * (a.x + b.x + d.x) / 4;
        c[1] += v * (a.y + b.y + d.y) / 4;
        c[2] += v * (a.z + b.z + d.z) / 4;
    }
    return newV(float(c[0] / volume), float(c[1] / volume), float(c[2] / volume));
}

}  // namespace

TEST(ModelBody, TheGemHullGivesTheMeshCentroidAsCentreOfMass) {
    TempDir dir;
    std::filesystem::create_directory_symlink(std::string(VARNE_SOURCE_DIR) + "/data", "data");
    TestGLWindow window(64, 64);
    NewtonWorld* world = NewtonCreate(nullptr, nullptr);
    {
        NewtonModel gem(world, "data/models/gem.txt", newV(30, 30, 10), 40, 1.0f);
        ASSERT_NE(gem.getBody(), nullptr);
        EXPECT_EQ(gem.getType(), 4);
        EXPECT_NE(readFile("log.txt").find("Number of loaded Vertices:\t" +
                                           std::to_string(gem.model.vertexCount) + ", Size:4"),
                  std::string::npos);
        float com[3];
        NewtonBodyGetCentreOfMass(gem.getBody(), com);
        const Vertex expected = meshCentroid(gem.model);
        EXPECT_GT(expected.y, 0.5f);  // the crown is heavier than the pavilion
        EXPECT_NEAR(com[0], expected.x, 0.05f);
        EXPECT_NEAR(com[1], expected.y, 0.05f);
        EXPECT_NEAR(com[2], expected.z, 0.05f);
        Vertex at = gem.getPosition();  // the origin, not the centre of mass
        EXPECT_EQ(at.x, 30.0f);
        EXPECT_EQ(at.y, 30.0f);
        float mass, ixx, iyy, izz;
        NewtonBodyGetMassMatrix(gem.getBody(), &mass, &ixx, &iyy, &izz);
        EXPECT_EQ(mass, 40.0f);
        EXPECT_GT(ixx, 0.0f);
    }
    NewtonDestroy(world);
}
