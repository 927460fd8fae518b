// The scene's bodies through the real engine: their mass matrices, where they
// come to rest on the scene's floor, and the object list that holds them.
#include "physics/linked_list.h"
#include "physics/newton_box.h"
#include "physics/newton_cylinder.h"
#include "physics/newton_model.h"
#include "physics/newton_sphere.h"
#include "platform/window.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

using namespace testing_support;

namespace {

class Bodies : public testing::Test {
protected:
    ~Bodies() override { NewtonDestroy(world); }

    void simulate(float seconds) {
        for (int i = 0; i < int(seconds * 60); ++i) NewtonUpdate(world, 1.0f / 60);
    }
    static void expectInertia(NewtonPrimitive& p, float mass, float ixx, float iyy, float izz) {
        float m, x, y, z;
        NewtonBodyGetMassMatrix(p.getBody(), &m, &x, &y, &z);
        EXPECT_FLOAT_EQ(m, mass);
        EXPECT_FLOAT_EQ(x, ixx);
        EXPECT_FLOAT_EQ(y, iyy);
        EXPECT_FLOAT_EQ(z, izz);
    }

    TempDir dir;
    NewtonWorld* world = NewtonCreate(nullptr, nullptr);
};

}  // namespace

TEST_F(Bodies, MassMatricesFollowTheBoxFormula) {
    NewtonBox floor(world, newV(0, 0, 0), 0, 150, 10, 150);
    NewtonBox cube(world, newV(0, 100, 0), 20, 10);
    NewtonSphere sphere(world, newV(-20, 10, -20), 10, 6);
    NewtonCylinder cylinder(world, newV(2, 50, 0), 10, 5, 6);
    expectInertia(floor, 0, 0, 0, 0);
    expectInertia(cube, 20, 4000.0f / 12, 4000.0f / 12, 4000.0f / 12);
    expectInertia(sphere, 10, 60, 60, 60);
    expectInertia(cylinder, 10, 37 * 10.0f / 12, 26 * 10.0f / 12, 61 * 10.0f / 12);
    EXPECT_EQ(cube.getType(), 1);
    EXPECT_EQ(sphere.getType(), 2);
    EXPECT_EQ(cylinder.getType(), 2);
    Vertex start = cylinder.getPosition();  // before any step: where it was put
    EXPECT_EQ(start.x, 2.0f);
    EXPECT_EQ(start.y, 50.0f);
    EXPECT_EQ(countOf(readFile("log.txt"), "Newton Body Created"), 4);
}

TEST_F(Bodies, EachComesToRestOnTheFloorAtItsOwnHeight) {
    NewtonBox floor(world, newV(0, 0, 0), 0, 150, 10, 150);
    NewtonBox cube(world, newV(0, 20, 20), 10, 10);
    NewtonSphere sphere(world, newV(-20, 10, -20), 10, 6);
    NewtonCylinder cylinder(world, newV(30, 30, 0), 10, 5, 6);
    simulate(6);
    // Resting contact within a tenth of a unit: the engine keeps a small
    // collision margin, and 8-bit anything is not involved here.
    EXPECT_NEAR(cube.getPosition().y, 10.0f, 0.1f);
    EXPECT_NEAR(sphere.getPosition().y, 11.0f, 0.1f);
    EXPECT_NEAR(cylinder.getPosition().y, 10.0f, 0.1f);
    EXPECT_NEAR(cylinder.matrix.m[1], 0.0f, 0.01f);  // lying with its axis level
    Vertex f = floor.getPosition();
    EXPECT_EQ(f.x + f.y + f.z, 0.0f);
    EXPECT_EQ(floor.matrix.m[5], 1.0f);
}

TEST_F(Bodies, AModelThatYieldsNoVerticesMakesNoBodyAndAsksToQuit) {
    setenv("VARNE_MESSAGEBOX", "yes", 1);
    NewtonModel model(world, "data/models/missing.txt", newV(30, 30, 10), 40, 1.0f);
    EXPECT_EQ(model.getBody(), nullptr);
    EXPECT_EQ(model.getType(), 4);
    std::string log = readFile("log.txt");
    EXPECT_NE(log.find("*Model succesfully loaded\n*loading Vertices for Collision character\n"
                       "couldn't get Vertices from Model,\rProgram will now close!"),
              std::string::npos);
    plat::Message m;
    ASSERT_TRUE(plat::PeekMessage(&m));
    EXPECT_EQ(m.message, unsigned(plat::WM_QUIT));
}

TEST(ObjectList, FindSkipsTheHeadAndTheFirstOfEqualNumbersWins) {
    int a = 1, b = 2, c = 3;
    LinkedList<int*> head;
    head.setData(&a);
    head.setNR(0);
    EXPECT_EQ(head.find(0), nullptr);
    EXPECT_EQ(head.getLast(), nullptr);
    head.add(&b, 3);
    ASSERT_NE(head.getNext(), nullptr);
    EXPECT_EQ(head.getNext()->getData(), &b);
    EXPECT_EQ(head.getLast(), head.getNext());
    head.add(&c, 3);
    head.add(&a, 0);
    EXPECT_EQ(head.find(3)->getData(), &b);
    EXPECT_EQ(head.find(0)->getData(), &a);  // a later node may carry 0
    EXPECT_EQ(head.getLast()->getData(), &a);
    EXPECT_EQ(head.find(7), nullptr);
}
