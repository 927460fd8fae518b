// The physics engine the program calls: a flat, handle-based rigid-body API
// implemented over Bullet. Vectors are pointers to 3 floats; matrices are 16
// floats in OpenGL order (axes in elements 0-2, 4-6, 8-10, position in 12-14).
// A body's matrix is its origin frame, wherever its centre of mass lies.
// Everything runs on the caller's thread; callbacks run inside NewtonUpdate.
#pragma once

#include <string>

struct NewtonWorld;      // opaque
struct NewtonBody;       // opaque
struct NewtonJoint;      // opaque
struct NewtonCollision;  // opaque: a collision shape

// What a hinge callback receives for one simulation step; it writes the
// angular acceleration to apply about the pin into m_accel and returns 1 for
// it to be applied (0 applies nothing).
struct NewtonHingeSliderUpdateDescTag {
    float m_accel;
    float m_minFriction;
    float m_maxFriction;
    float m_timestep;  // seconds of the step being taken
};

using NewtonAllocMemory = void* (*)(int sizeInBytes);
using NewtonFreeMemory = void (*)(void* ptr, int sizeInBytes);
using NewtonApplyForceAndTorque = void (*)(const NewtonBody* body);
using NewtonHingeCallBack = unsigned (*)(const NewtonJoint* hinge,
                                         NewtonHingeSliderUpdateDescTag* desc);

// ---- world ------------------------------------------------------------------
// A new, empty world without gravity of its own. The allocators are not used.
NewtonWorld* NewtonCreate(NewtonAllocMemory malloc, NewtonFreeMemory mfree);
// Destroys the world with every body and joint in it.
void NewtonDestroy(const NewtonWorld* world);
// The engine underneath and its version, as "Bullet 3.24".
std::string NewtonGetEngineVersion();
// Bodies whose origin leaves this box stop being simulated.
void NewtonSetWorldSize(const NewtonWorld* world, const float* minPoint, const float* maxPoint);
// The constraint solver's iterations a step (10 in a new world); at least 1.
int NewtonGetSolverIterations(const NewtonWorld* world);
void NewtonSetSolverIterations(const NewtonWorld* world, int iterations);
// Advances by any frame time in seconds, in fixed internal steps with a cap,
// so that 0 s does nothing and a long frame never blows the simulation up.
// Every dynamic body's force callback and every hinge callback run in each step.
void NewtonUpdate(const NewtonWorld* world, float timestep);
// The internal step's length, and the most steps one NewtonUpdate takes: frames
// of up to 1/4 s keep real time; a longer one is simulated in slow motion.
constexpr float kNewtonStepSeconds = 1.0f / 120.0f;
constexpr int kNewtonMaxSteps = 30;
// Takes exactly `steps` internal steps (none for 0 or less), for a caller that
// keeps the time not yet stepped itself; what NewtonUpdate keeps is not touched.
void NewtonUpdateSteps(const NewtonWorld* world, int steps);

// ---- shapes -------------------------------------------------------------------
// Centred on the body origin; the offset matrix may be null.
NewtonCollision* NewtonCreateBox(const NewtonWorld* world, float dx, float dy, float dz,
                                 const float* offsetMatrix);
NewtonCollision* NewtonCreateSphere(const NewtonWorld* world, float radiusX, float radiusY,
                                    float radiusZ, const float* offsetMatrix);
// Axis along the body's x axis.
NewtonCollision* NewtonCreateCylinder(const NewtonWorld* world, float radius, float height,
                                      const float* offsetMatrix);
// The convex hull of count points, strideInBytes apart, in body space.
NewtonCollision* NewtonCreateConvexHull(const NewtonWorld* world, int count,
                                        const float* vertexCloud, int strideInBytes,
                                        const float* offsetMatrix);
// Drops the caller's reference; bodies made from the shape keep theirs.
void NewtonReleaseCollision(const NewtonWorld* world, const NewtonCollision* collision);
// Unit-mass inertia about the principal axes and the centre of mass, from
// the shape's volume.
void NewtonConvexCollisionCalculateInertialMatrix(const NewtonCollision* collision, float* inertia,
                                                  float* origin);

// ---- bodies -------------------------------------------------------------------
// A static body at the identity until given a mass and a matrix.
NewtonBody* NewtonCreateBody(const NewtonWorld* world, const NewtonCollision* collision);
void NewtonDestroyBody(const NewtonWorld* world, const NewtonBody* body);
// Mass 0 makes the body static; a later call may change it either way.
void NewtonBodySetMassMatrix(const NewtonBody* body, float mass, float Ixx, float Iyy, float Izz);
void NewtonBodyGetMassMatrix(const NewtonBody* body, float* mass, float* Ixx, float* Iyy,
                             float* Izz);
// In body space; the body's matrix stays its origin frame.
void NewtonBodySetCentreOfMass(const NewtonBody* body, const float* com);
void NewtonBodyGetCentreOfMass(const NewtonBody* body, float* com);
void NewtonBodySetMatrix(const NewtonBody* body, const float* matrix);
void NewtonBodyGetMatrix(const NewtonBody* body, float* matrix);
// For drawing between two internal steps: the origin frame a fraction of the
// way (0 to 1) from where the last step found the body to where it left it
// (NewtonBodyGetMatrix), positions along the line and turns along the shorter
// arc. A body placed with NewtonBodySetMatrix is drawn where it was put.
void NewtonBodyGetDrawMatrix(const NewtonBody* body, float fraction, float* matrix);
void NewtonBodySetForceAndTorqueCallback(const NewtonBody* body,
                                         NewtonApplyForceAndTorque callback);
// The force for the step being taken; meant to be called from the force callback.
void NewtonBodySetForce(const NewtonBody* body, const float* force);
void NewtonBodySetOmega(const NewtonBody* body, const float* omega);
void NewtonBodyGetOmega(const NewtonBody* body, float* omega);
void NewtonBodySetVelocity(const NewtonBody* body, const float* velocity);
void NewtonBodyGetVelocity(const NewtonBody* body, float* velocity);
// Wakes a body the engine has put to rest.
void NewtonWorldUnfreezeBody(const NewtonWorld* world, const NewtonBody* body);
// 1 while the body is at rest or outside the world box, else 0.
int NewtonBodyGetSleepingState(const NewtonBody* body);
// Whether a step left the body's place or motion not finite (a NaN or an
// infinity): it is then taken out of the simulation and rests at its last
// finite place, so it cannot spread to the bodies it touches. Placing it with
// NewtonBodySetMatrix simulates it again.
bool NewtonBodyIsBroken(const NewtonBody* body);

// ---- hinge --------------------------------------------------------------------
// Pivot and pin direction in world space, taken at creation. A null parent
// hinges the child to the world.
NewtonJoint* NewtonConstraintCreateHinge(const NewtonWorld* world, const float* pivotPoint,
                                         const float* pinDir, const NewtonBody* childBody,
                                         const NewtonBody* parentBody);
void NewtonHingeSetUserCallback(const NewtonJoint* hinge, NewtonHingeCallBack callback);
// Angle of the child relative to the parent about the pin, in radians, 0 at creation.
float NewtonHingeGetJointAngle(const NewtonJoint* hinge);
// Relative angular speed about the pin, radians per second.
float NewtonHingeGetJointOmega(const NewtonJoint* hinge);
// The angular acceleration about the pin that brings the hinge to the angle
// (radians) within the step the descriptor describes, from its current angle
// and speed, the shorter way round. The engine turns a body by at most pi/4 in
// one step: a move of d > pi/4 lands at 2 atan(tan(pi/8) d / (pi/4)) (1 rad
// at 0.971, pi/2 at 1.384) and reaches the angle in the steps after. Once
// there, asked again each step, it holds the angle.
float NewtonHingeCalculateStopAlpha(const NewtonJoint* hinge,
                                    const NewtonHingeSliderUpdateDescTag* desc, float angle);

// ---- picking and grabbing -------------------------------------------------------
// The nearest dynamic or static body whose shape the segment from `from` to `to` (world
// space) crosses, and the world point where it first does (written to hitPoint when not
// null); null when the segment meets nothing.
NewtonBody* NewtonWorldRayCast(const NewtonWorld* world, const float* from, const float* to,
                               float* hitPoint);
// A spring of the engine that pulls the point of the body that lies at `worldPoint` now
// towards a target (at first that same point), stiff enough that a 10 kg body follows a target
// moving at 20 units/s within a few frames, and damped so it does not oscillate visibly. The
// body is woken and kept awake while held. Dynamic bodies only: null for a static body.
NewtonJoint* NewtonConstraintCreateGrab(const NewtonWorld* world, const NewtonBody* body,
                                        const float* worldPoint);
void NewtonGrabSetTarget(const NewtonJoint* grab, const float* target);
// Takes any joint out of the world and frees it (hinges too); the bodies stay.
void NewtonDestroyJoint(const NewtonWorld* world, const NewtonJoint* joint);

// ---- statistics ---------------------------------------------------------------------
struct NewtonWorldStats {
    int bodies;     // all bodies, static ones included
    int awake;      // dynamic bodies simulated and not at rest
    int contacts;   // contact points between touching bodies after the last step
    float deepest;  // the deepest overlap of two bodies among those points, in units (0: none)
};
NewtonWorldStats NewtonWorldGetStats(const NewtonWorld* world);

// ---- debug view -----------------------------------------------------------------------
// Colours are RGB in 0..1; the callbacks run inside the call, on the caller's thread.
using NewtonDebugLine = void (*)(const float* from, const float* to, const float* colour,
                                 void* user);
using NewtonDebugPoint = void (*)(const float* at, const float* normal, const float* colour,
                                  void* user);
// The parts of a debug view, as bits.
enum NewtonDebugPart : int {
    kDebugShapes = 1,
    kDebugContacts = 2,
    kDebugJoints = 4,
    kDebugWorldBox = 8,
    kDebugAll = 15,
};
// Walks the world for a debug view, the parts asked for: each body's collision shape as
// wireframe lines in its current world pose, each contact point (with its normal), each
// hinge's pivot and pin axis as lines, and the world box (NewtonSetWorldSize) as its 12 edges.
void NewtonWorldDebugDraw(const NewtonWorld* world, NewtonDebugLine line, NewtonDebugPoint point,
                          void* user, int parts = kDebugAll);
