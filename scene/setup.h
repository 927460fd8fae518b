// Scene set-up: builds the whole scene once the main window's GL context is
// current: physics world and bodies, hinge, music, shader, font, light,
// camera and skybox.
#pragma once

#include "platform/newton.h"
#include "render/texture.h"
#include "render/vector_math.h"

extern NewtonWorld* nWorld;  // the one physics world
extern unsigned int shd;     // the lighting shader program, 0 when none was loaded
extern char fontstr[64];     // the font texture's file name
extern texture_t ftex;       // the overlay font
extern Vertex lightPos;      // the light the shader sees, moved by keys

// The numbers under which the scene's bodies stand in NewtonObjects. The
// floor is the list's head, which has no number (NewtonObjects.getData()).
enum SceneNode : int {
    kCylinderNode = 1,
    kHingeChildNode = 2,  // the lower box of the hinged pair
    kPushedBoxNode = 3,   // the box the W, S, A, D and Space keys push
    kHingeParentNode = 4,
    kSphereNode = 5,
    kModelNode = 6,  // only with a TEST_MODEL
};

// Builds the scene with stressBoxes extra boxes (--boxes) over the floor.
// Returns 1 when the set-up ran through (no path fails).
int InitGL(int stressBoxes);
// The hinge's callback: holds the hinge at angle 0.
unsigned jointCallback2(const NewtonJoint* joint, NewtonHingeSliderUpdateDescTag* desc);
