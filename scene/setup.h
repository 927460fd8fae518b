// Scene set-up: builds the physics world and the scene once the main
// window's GL context is current.
#pragma once

struct NewtonWorld;
extern NewtonWorld* nWorld;  // the one physics world

// Returns 1 when the set-up ran through.
int InitGL();
