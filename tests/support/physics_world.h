// Physics tests: a world of the test's own, destroyed after the test's bodies, in a folder of its
// own for the log.
#pragma once

#include "platform/newton.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace testing_support {

struct PhysicsWorld : testing::Test {
    ~PhysicsWorld() override { NewtonDestroy(world); }

    TempDir dir;  // for log.txt
    NewtonWorld* world = NewtonCreate(nullptr, nullptr);
};

}  // namespace testing_support
