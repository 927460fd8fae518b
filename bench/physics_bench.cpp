// The physics step through our engine layer against raw Bullet doing the same
// work: the demo scene's seven bodies, 1000 boxes dropped on the floor, and
// the pyramid scene's 210 boxes standing (from the scene's own table).
// Both sides use the same shapes and margins, surface values, solver and
// fixed step (the layer's internal step, so each call is one step), and keep
// every body awake; gravity is our force callback on one side and Bullet's
// world gravity on the other, the hinge our stop-at-0 callback against
// Bullet's motor held at 0. A check prints both sides' final positions. The
// two sides take turns, and each turn is timed in the thread's CPU time, so
// that neither drift nor other work on the machine lands in the ratio.
// Further benchmarks give our step time per body for 100, 1000 and 5000 boxes.
#include "bench/ratio.h"
#include "physics/classic_scene.h"
#include "platform/newton.h"
#include "platform/newton_contact_solver.h"
#include "render/md2.h"

#include <BulletCollision/CollisionShapes/btConvexHullShape.h>
#include <LinearMath/btConvexHullComputer.h>
#include <btBulletDynamicsCommon.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

using Vec3 = std::array<float, 3>;

constexpr float kStep = kNewtonStepSeconds;  // the layer's internal step
constexpr int kMaxSteps = kNewtonMaxSteps;
constexpr float kGravity = 9.8f;
constexpr float kFriction = 0.8f, kRestitution = 0.3f, kMargin = 0.04f;
constexpr int kSceneSteps = 600;    // 5 s
constexpr int kPileSteps = 360;     // 3 s: the boxes fall and settle
constexpr int kPyramidSteps = 600;  // 5 s: the pyramid stands
// Pairs of turns: a scene turn takes some 15 ms, a turn of 1000 boxes 0.5 s.
constexpr int kScenePairs = 41, kPilePairs = 15, kPyramidPairs = 15;

enum class Kind { box, sphere, cylinder, hull };

// size: box edges, sphere radius, cylinder (radius, height); inertia as the
// program gives it (a box's formula over `size`, or the hull's own).
struct BodySpec {
    Kind kind;
    Vec3 size;
    float mass;
    Vec3 position;
};

// The gem's frame-0 vertices, as the program's model body hands them over.
const std::vector<float>& gemPoints() {
    static const std::vector<float> points = [] {
        CMD2Model model;
        if (!model.LoadMesh("data/models/gem.md2")) return std::vector<float>();
        std::unique_ptr<float[]> v(model.getAllVertices(1.0f));
        return std::vector<float>(v.get(), v.get() + 3 * model.vertexCount);
    }();
    return points;
}

// Floor, cylinder, cubes 10, 5 and 6 (the first and third hinged), sphere, gem.
const std::vector<BodySpec> kScene = {
    {Kind::box, {150, 10, 150}, 0, {0, 0, 0}},  {Kind::cylinder, {5, 6, 1}, 10, {2, 50, 0}},
    {Kind::box, {10, 10, 10}, 20, {0, 100, 0}}, {Kind::box, {5, 5, 5}, 10, {0, 20, 20}},
    {Kind::box, {6, 6, 6}, 10, {6, 130, 5}},    {Kind::sphere, {6, 6, 6}, 10, {-20, 10, -20}},
    {Kind::hull, {1, 1, 1}, 40, {30, 30, 10}},
};
constexpr int kChild = 2, kParent = 4, kSpinning = 1;
const Vec3 kSpin = {2, 1, 7};
const Vec3 kPivot = {1, 0, 0}, kPin = {-6.0f / 31, -30.0f / 31, -5.0f / 31};

// n boxes of edge 4 over the floor: 22 x 22 columns 6 apart, layers 6 apart.
std::vector<BodySpec> pile(int n) {
    std::vector<BodySpec> bodies = {kScene[0]};
    for (int i = 0; i < n; ++i) {
        const float x = float(i % 22) * 6 - 63, z = float(i / 22 % 22) * 6 - 63,
                    y = 10 + float(i / 484) * 6;
        bodies.push_back({Kind::box, {4, 4, 4}, 1, {x, y, z}});
    }
    return bodies;
}

// The pyramid scene's floor and boxes, as its table has them (at the layer's
// default solver iterations, which both sides use).
std::vector<BodySpec> pyramid() {
    const SceneTable table = ClassicSceneTable(SceneIndex("pyramid"));
    std::vector<BodySpec> bodies;
    for (const SceneBody& b : table.bodies)
        bodies.push_back({Kind::box,
                          {b.size.x, b.size.y, b.size.z},
                          b.mass,
                          {b.position.x, b.position.y, b.position.z}});
    return bodies;
}

Vec3 boxInertia(const BodySpec& b) {
    const Vec3& s = b.size;
    return {(s[1] * s[1] + s[2] * s[2]) * b.mass / 12, (s[0] * s[0] + s[2] * s[2]) * b.mass / 12,
            (s[0] * s[0] + s[1] * s[1]) * b.mass / 12};
}

// The hull's unit inertia and centre of mass, worked out by our layer for both sides.
struct HullMass {
    Vec3 inertia, centre;
};
const HullMass& gemMass() {
    static const HullMass mass = [] {
        NewtonWorld* world = NewtonCreate(nullptr, nullptr);
        const std::vector<float>& p = gemPoints();
        NewtonCollision* hull =
            NewtonCreateConvexHull(world, int(p.size() / 3), p.data(), 12, nullptr);
        HullMass m;
        NewtonConvexCollisionCalculateInertialMatrix(hull, m.inertia.data(), m.centre.data());
        NewtonDestroy(world);
        return m;
    }();
    return mass;
}

// ---- through our layer ------------------------------------------------------

void gravity(const NewtonBody* body) {
    float mass, ixx, iyy, izz;
    NewtonBodyGetMassMatrix(body, &mass, &ixx, &iyy, &izz);
    const float force[3] = {0.0f, mass * -kGravity, 0.0f};
    NewtonBodySetForce(body, force);
}

unsigned holdAtZero(const NewtonJoint* joint, NewtonHingeSliderUpdateDescTag* desc) {
    desc->m_accel = NewtonHingeCalculateStopAlpha(joint, desc, 0.0f);
    return 1;
}

class OurWorld {
public:
    explicit OurWorld(const std::vector<BodySpec>& specs) : world(NewtonCreate(nullptr, nullptr)) {
        const float lo[3] = {-200, -200, -200}, hi[3] = {200, 200, 200};
        NewtonSetWorldSize(world, lo, hi);
        for (const BodySpec& body : specs) bodies.push_back(add(body));
    }
    ~OurWorld() { NewtonDestroy(world); }
    OurWorld(const OurWorld&) = delete;
    OurWorld& operator=(const OurWorld&) = delete;

    void addSceneJoints() {
        NewtonJoint* hinge = NewtonConstraintCreateHinge(world, kPivot.data(), kPin.data(),
                                                         bodies[kChild], bodies[kParent]);
        NewtonHingeSetUserCallback(hinge, holdAtZero);
        NewtonBodySetOmega(bodies[kSpinning], kSpin.data());
    }
    void run(int steps) {
        for (int i = 0; i < steps; ++i) {
            for (NewtonBody* body : bodies) NewtonWorldUnfreezeBody(world, body);
            NewtonUpdate(world, kStep);
        }
    }
    std::vector<Vec3> positions() const {
        std::vector<Vec3> out;
        for (NewtonBody* body : bodies) {
            float m[16];
            NewtonBodyGetMatrix(body, m);
            out.push_back({m[12], m[13], m[14]});
        }
        return out;
    }

private:
    NewtonCollision* shape(const BodySpec& b) {
        switch (b.kind) {
        case Kind::box: return NewtonCreateBox(world, b.size[0], b.size[1], b.size[2], nullptr);
        case Kind::sphere:
            return NewtonCreateSphere(world, b.size[0], b.size[0], b.size[0], nullptr);
        case Kind::cylinder: return NewtonCreateCylinder(world, b.size[0], b.size[1], nullptr);
        case Kind::hull: break;
        }
        return NewtonCreateConvexHull(world, int(gemPoints().size() / 3), gemPoints().data(), 12,
                                      nullptr);
    }
    // In the program's order of calls.
    NewtonBody* add(const BodySpec& b) {
        NewtonCollision* collision = shape(b);
        NewtonBody* body = NewtonCreateBody(world, collision);
        if (b.kind == Kind::hull) {
            const HullMass& m = gemMass();
            NewtonBodySetMassMatrix(body, b.mass, m.inertia[0] * b.mass, m.inertia[1] * b.mass,
                                    m.inertia[2] * b.mass);
            NewtonBodySetCentreOfMass(body, m.centre.data());
        } else {
            const Vec3 inertia = boxInertia(b);
            NewtonBodySetMassMatrix(body, b.mass, inertia[0], inertia[1], inertia[2]);
        }
        NewtonReleaseCollision(world, collision);
        const float matrix[16] = {
            1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, b.position[0], b.position[1], b.position[2], 1};
        NewtonBodySetMatrix(body, matrix);
        NewtonBodySetForceAndTorqueCallback(body, gravity);
        return body;
    }

    NewtonWorld* world;
    std::vector<NewtonBody*> bodies;
};

// ---- raw Bullet ----------------------------------------------------------------

btVector3 bt(const Vec3& v) { return btVector3(v[0], v[1], v[2]); }

// The hull with its centre of mass moved to the origin, shrunk by the margin.
std::unique_ptr<btCollisionShape> rawGem() {
    const btVector3 centre = bt(gemMass().centre);
    std::vector<btVector3> points;
    for (size_t i = 0; i + 2 < gemPoints().size(); i += 3)
        points.push_back(btVector3(gemPoints()[i], gemPoints()[i + 1], gemPoints()[i + 2]) -
                         centre);
    btConvexHullComputer computer;
    const btScalar shrunk =
        computer.compute(points[0].m_floats, sizeof(btVector3), int(points.size()), kMargin, 0.25f);
    auto hull = std::make_unique<btConvexHullShape>();
    for (int i = 0; i < computer.vertices.size(); ++i) hull->addPoint(computer.vertices[i], false);
    hull->recalcLocalAabb();
    hull->setMargin(shrunk);
    return hull;
}

std::unique_ptr<btCollisionShape> rawShape(const BodySpec& b) {
    switch (b.kind) {
    case Kind::box: return std::make_unique<btBoxShape>(bt(b.size) * 0.5f);
    case Kind::sphere: return std::make_unique<btSphereShape>(b.size[0]);
    case Kind::cylinder:
        return std::make_unique<btCylinderShapeX>(btVector3(b.size[1] / 2, b.size[0], b.size[0]));
    case Kind::hull: break;
    }
    return rawGem();
}

class RawWorld {
public:
    explicit RawWorld(const std::vector<BodySpec>& specs) {
        dynamics.setGravity(btVector3(0, -kGravity, 0));
        configuration.setConvexConvexMultipointIterations(3, 3);
        for (const BodySpec& body : specs) add(body);
    }
    ~RawWorld() {
        if (hinge) dynamics.removeConstraint(hinge.get());
        for (auto& body : bodies) dynamics.removeRigidBody(body.get());
    }
    RawWorld(const RawWorld&) = delete;
    RawWorld& operator=(const RawWorld&) = delete;

    void addSceneJoints() {
        btVector3 pin = bt(kPin), x, y;
        btPlaneSpace1(pin, x, y);
        const btTransform frame(btMatrix3x3(x.x(), y.x(), pin.x(), x.y(), y.y(), pin.y(), x.z(),
                                            y.z(), pin.z()),
                                bt(kPivot));
        btRigidBody &a = *bodies[kChild], &b = *bodies[kParent];
        hinge = std::make_unique<btHingeConstraint>(a, b,
                                                    a.getCenterOfMassTransform().inverse() * frame,
                                                    b.getCenterOfMassTransform().inverse() * frame);
        hinge->enableAngularMotor(true, 0, 1e10f * kStep);
        dynamics.addConstraint(hinge.get(), true);
        bodies[kSpinning]->setAngularVelocity(bt(kSpin));
    }
    void run(int steps) {
        for (int i = 0; i < steps; ++i) dynamics.stepSimulation(kStep, kMaxSteps, kStep);
    }
    std::vector<Vec3> positions() const {
        std::vector<Vec3> out;
        for (size_t i = 0; i < bodies.size(); ++i) {
            const btVector3 p = bodies[i]->getCenterOfMassTransform() * -offsets[i];
            out.push_back({p.x(), p.y(), p.z()});
        }
        return out;
    }

private:
    void add(const BodySpec& b) {
        shapes.push_back(rawShape(b));
        const bool hull = b.kind == Kind::hull;
        const Vec3 unit = gemMass().inertia;
        const btVector3 inertia = hull ? bt(unit) * b.mass : bt(boxInertia(b));
        btRigidBody::btRigidBodyConstructionInfo info(b.mass, nullptr, shapes.back().get(),
                                                      inertia);
        info.m_friction = kFriction;
        info.m_restitution = kRestitution;
        offsets.push_back(hull ? bt(gemMass().centre) : btVector3(0, 0, 0));
        bodies.push_back(std::make_unique<btRigidBody>(info));
        bodies.back()->setActivationState(DISABLE_DEACTIVATION);
        dynamics.addRigidBody(bodies.back().get());
        place(*bodies.back(), bt(b.position) + offsets.back());
    }

    // As the layer places a body: made at the origin, then moved there. The
    // broadphase's tree, and with it the order in which the solver meets the
    // contacts of bodies that touch from the start (the pyramid), grows the same.
    void place(btRigidBody& body, const btVector3& at) {
        body.setCenterOfMassTransform(btTransform(btMatrix3x3::getIdentity(), at));
        dynamics.updateSingleAabb(&body);
    }

    btDefaultCollisionConfiguration configuration;
    btCollisionDispatcher dispatcher{&configuration};
    btDbvtBroadphase broadphase;
    newton_bt::ContactSolver solver;  // as our world has it
    btDiscreteDynamicsWorld dynamics{&dispatcher, &broadphase, &solver, &configuration};
    std::vector<std::unique_ptr<btCollisionShape>> shapes;
    std::vector<std::unique_ptr<btRigidBody>> bodies;
    std::vector<btVector3> offsets;  // centre of mass in the body's origin frame
    std::unique_ptr<btHingeConstraint> hinge;
};

// ---- timing and checks ---------------------------------------------------------

// Building and tearing down the world is not timed.
template <class World>
void timeSteps(benchmark::State& state, const std::vector<BodySpec>& specs, bool scene, int steps) {
    for (auto _ : state) {
        state.PauseTiming();
        auto world = std::make_unique<World>(specs);
        if (scene) world->addSceneJoints();
        state.ResumeTiming();
        world->run(steps);
        state.PauseTiming();
        world.reset();
        state.ResumeTiming();
    }
}

// One turn: the world built and torn down untimed, the steps timed.
template <class World>
varne_bench::Turn turn(const std::vector<BodySpec>& specs, bool scene, int steps) {
    return [=] {
        World world(specs);
        if (scene) world.addSceneJoints();
        const double start = varne_bench::threadSeconds();
        world.run(steps);
        return varne_bench::threadSeconds() - start;
    };
}

template <class World>
std::vector<Vec3> finalPositions(const std::vector<BodySpec>& specs, bool scene, int steps) {
    World world(specs);
    if (scene) world.addSceneJoints();
    world.run(steps);
    return world.positions();
}

// Prints the sums of both sides' final positions and the largest distance
// between a body's two positions; they agree when every body ends within
// `tolerance` units of its raw Bullet twin. The boxes (the pile and the pyramid) end bit for bit
// alike. In the scene the gem's hull sits in a compound on our side, and our hinge motor aims at
// the angle where Bullet's aims at zero speed: positions are equal for the first 2 s, then the
// gem's landing and, near 4.3 s, the hinged pair's make them drift apart (the pair's upper box
// ends some 3 units from its twin), so the scene's end is compared loosely.
bool sameWork(const char* what, const std::vector<BodySpec>& specs, bool scene, int steps,
              float tolerance) {
    const std::vector<Vec3> ours = finalPositions<OurWorld>(specs, scene, steps);
    const std::vector<Vec3> raw = finalPositions<RawWorld>(specs, scene, steps);
    Vec3 sumOurs{}, sumRaw{};
    float largest = 0;
    for (size_t i = 0; i < ours.size(); ++i) {
        for (int k = 0; k < 3; ++k) sumOurs[k] += ours[i][k], sumRaw[k] += raw[i][k];
        largest = std::max(largest, std::hypot(ours[i][0] - raw[i][0], ours[i][1] - raw[i][1],
                                               ours[i][2] - raw[i][2]));
    }
    std::printf(
        "%s after %d steps: position sum ours (%.3f, %.3f, %.3f), bullet (%.3f, %.3f, %.3f); "
        "largest body distance %.4f\n",
        what, steps, sumOurs[0], sumOurs[1], sumOurs[2], sumRaw[0], sumRaw[1], sumRaw[2], largest);
    return largest <= tolerance;
}

// Our step time per body (the floor counted), over the boxes' fall and settling.
void perBody(benchmark::State& state) {
    const int boxes = int(state.range(0));
    timeSteps<OurWorld>(state, pile(boxes), false, kPileSteps);
    state.counters["per_body_step"] =
        benchmark::Counter(double(boxes + 1) * kPileSteps,
                           benchmark::Counter::kIsIterationInvariantRate |
                               benchmark::Counter::kInvert);
}

const bool added =
    varne_bench::check("physics scene: the gem loads, same work as raw Bullet",
                       [] {
                           return !gemPoints().empty() &&
                                  sameWork("scene", kScene, true, kSceneSteps * 2 / 5, 1e-3f) &&
                                  sameWork("scene", kScene, true, kSceneSteps, 4);
                       }) &&
    varne_bench::check("physics 1000 boxes: same work as raw Bullet",
                       [] {
                           return sameWork("1000 boxes", pile(1000), false, kPileSteps, 1e-3f);
                       }) &&
    varne_bench::check("physics pyramid: 210 boxes and 10 iterations, same work as raw Bullet",
                       [] {
                           return pyramid().size() == 211 &&
                                  ClassicSceneTable(SceneIndex("pyramid")).solverIterations == 10 &&
                                  sameWork("pyramid", pyramid(), false, kPyramidSteps, 1e-3f);
                       }) &&
    varne_bench::compareInTurns("physics_scene_vs_bullet",
                                turn<OurWorld>(kScene, true, kSceneSteps),
                                turn<RawWorld>(kScene, true, kSceneSteps), kScenePairs) &&
    varne_bench::compareInTurns("physics_1000_vs_bullet",
                                turn<OurWorld>(pile(1000), false, kPileSteps),
                                turn<RawWorld>(pile(1000), false, kPileSteps), kPilePairs) &&
    varne_bench::compareInTurns("physics_pyramid_vs_bullet",
                                turn<OurWorld>(pyramid(), false, kPyramidSteps),
                                turn<RawWorld>(pyramid(), false, kPyramidSteps), kPyramidPairs) &&
    benchmark::RegisterBenchmark("physics_per_body", perBody)->Arg(100)->Arg(1000)->Arg(5000) !=
        nullptr;

}  // namespace
