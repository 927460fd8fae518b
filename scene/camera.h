// The first-person camera: a position, a heading (yrot), an up-down angle
// (xrot) and a speed along the view direction.
#pragma once

#include "render/vector_math.h"

class Camera {
public:
    Camera() = default;
    // Sets position, yaw, pitch and the upper bound of x and z; keeps the speed.
    void init(float x, float y, float z, float yaw, float pitch, int limit);
    // The scene's start pose, at set-up, on Return and on reset: at (0, 30, -50),
    // heading 15 degrees, level, x and z below 100.
    void toStartPose();
    // One step of speed * factor along the view; x and z stay below limit.
    void update(float factor);
    // Multiplies the model-view matrix by the view: the eye is at (x, y, 5 - z).
    void positionCamera();
    // Where positionCamera puts the eye, in world space.
    Vertex eye() const;
    // The unit direction the view looks along, in world space.
    Vertex forward() const;

    float x = 0, y = 0, z = 0;
    float speed = 0;
    int limit = 200;
    float yrot = 90;  // degrees
    float xrot = 0;   // degrees, positive looks up
};

// The scene's camera; defined in app/main.cpp.
extern Camera cam;
