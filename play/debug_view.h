// The debug view over the scene: every collision shape as a wireframe in its
// world pose, the contact points with their normals, the hinge's pivot and
// axis, and the world's bounds, drawn through walls so nothing hides them.
#pragma once

#include "platform/newton.h"

// Draws the view's parts (NewtonDebugPart bits) in the current model-view matrix (the
// camera's); leaves lighting, texturing and depth testing as it found them.
void DrawDebugView(const NewtonWorld* world, int parts = kDebugAll);
