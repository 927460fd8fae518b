#include "render/vector_math.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {
void expectVertex(Vertex v, float x, float y, float z) {
    EXPECT_FLOAT_EQ(v.x, x);
    EXPECT_FLOAT_EQ(v.y, y);
    EXPECT_FLOAT_EQ(v.z, z);
}
}  // namespace

TEST(VectorMath, DotProductIsTheAngleInDegrees) {
    EXPECT_FLOAT_EQ(dotProduct(newV(1, 0, 0), newV(0, 1, 0)), 90.0f);
    EXPECT_FLOAT_EQ(dotProduct(newV(1, 0, 0), newV(2, 0, 0)), 0.0f);
    EXPECT_NEAR(dotProduct(newV(1, 0, 0), newV(-1, 0, 0)), 180.0f, 1e-4f);
    // The rounded unit vector of (3, 4, 0) gives a cosine just above 1.
    EXPECT_TRUE(std::isnan(dotProduct(newV(3, 4, 0), newV(3, 4, 0))));
    EXPECT_TRUE(std::isnan(dotProduct(newV(0, 0, 0), newV(1, 0, 0))));
}

TEST(VectorMath, NormalFacesTheCounterClockwiseSide) {
    expectVertex(calcNormal(newV(0, 0, 0), newV(1, 0, 0), newV(0, 1, 0)), 0, 0, 1);
    expectVertex(calcNormal(newV(0, 0, 0), newV(0, 1, 0), newV(1, 0, 0)), 0, 0, -1);
    EXPECT_TRUE(std::isnan(calcNormal(newV(0, 0, 5), newV(0, 0, 5), newV(0, 1, 5)).z));
}

TEST(VectorMath, CentreLengthAndComponentwiseHelpers) {
    expectVertex(calcCenter(newV(0, 0, 0), newV(3, 0, 0), newV(0, 3, 0)), 1, 1, 0);
    EXPECT_FLOAT_EQ(vlength(newV(3, 4, 12)), 13.0f);
    expectVertex(normalizeVec(newV(0, 0, -2)), 0, 0, -1);
    expectVertex(div(newV(1, 6, 1), newV(2, 3, 0)), 0.5f, 2.0f, INFINITY);
    Vertex v = newV(7, 8, 9);
    float* f = getVertex3f(v);
    EXPECT_EQ(f[2], 9.0f);
}

TEST(VectorMath, MatrixConventionsAreTransposesOfEachOther) {
    Matrix m{};
    for (int k = 0; k < 16; ++k) m.m[k] = float(k);
    Matrix dx = transformMatrixGL2DX(m);
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) EXPECT_EQ(dx.m[4 * i + j], float(4 * j + i));
    Matrix back = transformMatrixDX2GL(dx);
    for (int k = 0; k < 16; ++k) EXPECT_EQ(back.m[k], float(k));
    EXPECT_EQ(GetMatrixGLData(m, 3, 0), 12.0f);
    EXPECT_EQ(GetMatrixDXData(m, 0, 3), 12.0f);
    SetMatrixDXData(m, 1, 2, -1.0f);
    EXPECT_EQ(m.m[9], -1.0f);
    Matrix id = GetIdentityMatrix();
    EXPECT_EQ(id.m[0] + id.m[5] + id.m[10] + id.m[15], 4.0f);
    EXPECT_EQ(id.m[12], 0.0f);
}
