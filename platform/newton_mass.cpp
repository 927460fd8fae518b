// A shape's unit-mass inertia and centre of mass: analytic for boxes,
// ellipsoids and cylinders, integrated over the volume of a convex hull
// (tetrahedra from an inner point to each face's triangles).
#include "platform/newton_internal.h"

#include <LinearMath/btConvexHullComputer.h>

#include <algorithm>
#include <array>
#include <numeric>

using namespace newton_bt;

namespace {

struct MassProperties {
    btMatrix3x3 inertia;  // unit mass, about the centre, in body axes
    btVector3 centre;
};

btMatrix3x3 diagonal(const btVector3& d) {
    return btMatrix3x3(d.x(), 0, 0, 0, d.y(), 0, 0, 0, d.z());
}

btMatrix3x3 inertiaOf(const btMatrix3x3& covariance) {
    const btScalar trace = covariance[0][0] + covariance[1][1] + covariance[2][2];
    return diagonal(btVector3(trace, trace, trace)) - covariance;
}

btVector3 squared(const btVector3& v) { return v * v; }

MassProperties analytic(const NewtonCollision& c) {
    btVector3 d;
    if (c.kind == NewtonCollision::Kind::box) {
        const btVector3 e = squared(c.size) / 12;
        d = btVector3(e.y() + e.z(), e.x() + e.z(), e.x() + e.y());
    } else if (c.kind == NewtonCollision::Kind::ellipsoid) {
        const btVector3 r = squared(c.size) / 5;
        d = btVector3(r.y() + r.z(), r.x() + r.z(), r.x() + r.y());
    } else {  // cylinder along x: size is (radius, height)
        const btScalar r2 = c.size.x() * c.size.x(), h2 = c.size.y() * c.size.y();
        d = btVector3(r2 / 2, (3 * r2 + h2) / 12, (3 * r2 + h2) / 12);
    }
    const btMatrix3x3& turn = c.offset.getBasis();
    return {turn * diagonal(d) * turn.transpose(), c.offset.getOrigin()};
}

// Equal point masses at the points: for a hull without volume.
MassProperties pointCloud(const std::vector<btVector3>& points) {
    if (points.empty()) return {diagonal(btVector3(0, 0, 0)), btVector3(0, 0, 0)};
    const btVector3 centre =
        std::accumulate(points.begin(), points.end(), btVector3(0, 0, 0)) / btScalar(points.size());
    btMatrix3x3 covariance = diagonal(btVector3(0, 0, 0));
    for (const btVector3& p : points) {
        const btVector3 r = p - centre;
        covariance = covariance + btMatrix3x3(r.x() * r, r.y() * r, r.z() * r);  // r r^T
    }
    return {inertiaOf(covariance.scaled(btVector3(1, 1, 1) / btScalar(points.size()))), centre};
}

// Volume integrals in double precision, relative to an inner point.
struct Moments {
    double volume = 0;
    std::array<double, 3> first{};
    std::array<std::array<double, 3>, 3> second{};

    // The tetrahedron (0, a, b, c): volume det/6, centroid sum/4, and
    // integral of x x^T = volume/20 (a a^T + b b^T + c c^T + s s^T), s = a+b+c.
    void addTetrahedron(const btVector3& a, const btVector3& b, const btVector3& c) {
        const double v = double(a.dot(b.cross(c))) / 6;
        const btVector3 s = a + b + c;
        volume += v;
        for (int i = 0; i < 3; ++i) {
            first[i] += v * s[i] / 4;
            for (int j = 0; j < 3; ++j)
                second[i][j] += v / 20 *
                                (double(a[i]) * a[j] + double(b[i]) * b[j] + double(c[i]) * c[j] +
                                 double(s[i]) * s[j]);
        }
    }
};

MassProperties hull(const std::vector<btVector3>& points) {
    btConvexHullComputer computer;
    if (!points.empty())
        computer.compute(points[0].m_floats, sizeof(btVector3), int(points.size()), 0, 0);
    btVector3 inner(0, 0, 0);
    for (int i = 0; i < computer.vertices.size(); ++i)
        inner += computer.vertices[i] / btScalar(computer.vertices.size());
    Moments m;
    for (int f = 0; f < computer.faces.size(); ++f) {
        const btConvexHullComputer::Edge* first = &computer.edges[computer.faces[f]];
        const btVector3 a = computer.vertices[first->getSourceVertex()] - inner;
        for (auto* e = first->getNextEdgeOfFace(); e != first; e = e->getNextEdgeOfFace())
            if (e->getTargetVertex() != first->getSourceVertex())
                m.addTetrahedron(a, computer.vertices[e->getSourceVertex()] - inner,
                                 computer.vertices[e->getTargetVertex()] - inner);
    }
    if (std::abs(m.volume) < 1e-9) return pointCloud(points);
    btVector3 c;  // the centroid relative to the inner point
    for (int i = 0; i < 3; ++i) c[i] = btScalar(m.first[i] / m.volume);
    btMatrix3x3 covariance;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            covariance[i][j] = btScalar(m.second[i][j] / m.volume - double(c[i]) * c[j]);
    return {inertiaOf(covariance), inner + c};
}

// The principal moments, each given to the body axis its principal axis lies
// closest to (over all pairings), so an aligned shape keeps its Ixx, Iyy, Izz.
btVector3 principal(btMatrix3x3 inertia) {
    btMatrix3x3 axes;
    inertia.diagonalize(axes, btScalar(1e-6), 32);
    std::array<int, 3> order{0, 1, 2}, best = order;
    btScalar bestFit = -1;
    do {
        const btScalar fit =
            std::abs(axes[order[0]][0]) + std::abs(axes[order[1]][1]) + std::abs(axes[order[2]][2]);
        if (fit > bestFit) bestFit = fit, best = order;
    } while (std::next_permutation(order.begin(), order.end()));
    btVector3 moments;
    for (int i = 0; i < 3; ++i) moments[best[i]] = inertia[i][i];
    return moments;
}

}  // namespace

void NewtonConvexCollisionCalculateInertialMatrix(const NewtonCollision* collision, float* inertia,
                                                  float* origin) {
    const MassProperties p = collision->kind == NewtonCollision::Kind::hull
                                 ? hull(collision->points)
                                 : analytic(*collision);
    put(principal(p.inertia), inertia);
    put(p.centre, origin);
}
