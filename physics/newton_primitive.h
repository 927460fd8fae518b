// The base of every rigid body of the scene: it turns a shape and a mass into
// a live engine body with gravity, and places drawing at the body's current
// transform. Derived classes choose the shape, the size and how to draw.
#pragma once

#include "physics/linked_list.h"
#include "platform/newton.h"
#include "render/vector_math.h"

// The kinds of body, as a body's type gives them.
enum BodyKind : int { kBoxBody = 1, kRoundBody = 2, kModelBody = 4 };

class NewtonPrimitive {
public:
    NewtonPrimitive(NewtonWorld* world, float mass);
    virtual ~NewtonPrimitive();  // destroys the engine body

    // Identity with the position; must come before initBody.
    void setPosition0(Vertex position);
    // Creates the body from collision, gives it its mass matrix (from the
    // hull when convex, else as a solid box of edges size), releases the
    // shape, places it and installs gravity.
    void initBody(bool convex);
    // The body's current position, also refreshing matrix.
    Vertex getPosition();
    // Multiplies the current GL matrix by the body's transform as drawn.
    void multGLMatrix();
    // The body's transform as drawn: drawStepFraction of the way through the
    // last physics step (matrix, the current one, when the body was never made).
    const Matrix& drawMatrix();
    NewtonBody* getBody() const { return body; }
    int getType() const { return type; }
    virtual void draw() {}

    Matrix matrix;  // the current transform, as the last getPosition or draw fetched it
    Matrix drawn;   // as drawMatrix last worked it out
    Vertex size{0, 0, 0};
    NewtonBody* body = nullptr;
    NewtonCollision* collision = nullptr;
    float mass;
    NewtonWorld* world;
    int type = 0;  // a BodyKind: box, sphere or cylinder, model

private:
    void fetchMatrix();

    bool brokenLogged = false;
};

// The scene's bodies, floor at the head; defined in app/main.cpp.
extern LinkedList<NewtonPrimitive*> NewtonObjects;
// The body listed in NewtonObjects under number (the floor, at the head, has
// none), or null when no body is.
NewtonPrimitive* FindBody(int number);

// How far through the last physics step bodies are drawn: from 0, the state
// before it, to 1 (the start value), the state after it. Each frame sets it
// from the time its clock left over, for drawing only: everything else sees
// the current state.
extern float drawStepFraction;

// The box every scene's world simulates in: a body whose origin leaves it stops.
constexpr float kWorldMin[3] = {-200, -200, -200}, kWorldMax[3] = {200, 200, 200};

// The scene's gravity, in units per second squared along -y.
constexpr float kGravity = 9.8f;
// What the panel's gravity slider sets: the scene's gravity times this (1 at the start).
extern float gravityScale;
// The force callback of every body: its weight, mass * -9.8 * gravityScale along y.
void gravitation(const NewtonBody* body);
