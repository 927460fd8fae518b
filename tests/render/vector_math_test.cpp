#include "render/vector_math.h"

#include <gtest/gtest.h>

TEST(VectorMath, NormalFacesTheCounterClockwiseSideAndAnglesAreInDegrees) {
    // (b - a) x (c - a) = (2, 2, 3) x (3, 4, 3) = (-6, 3, 2), of length 7.
    const Vertex n = calcNormal(newV(1, 1, 1), newV(3, 3, 4), newV(4, 5, 4));
    EXPECT_FLOAT_EQ(n.x, -6.0f / 7);
    EXPECT_FLOAT_EQ(n.y, 3.0f / 7);
    EXPECT_FLOAT_EQ(n.z, 2.0f / 7);
    EXPECT_NEAR(dotProduct(newV(2, 0, 0), newV(1, 1, 0)), 45.0f, 1e-4f);
}
