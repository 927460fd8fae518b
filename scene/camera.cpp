#include "scene/camera.h"

#include <GL/gl.h>

#include <cmath>

namespace {
constexpr double kRadiansPerDegree = 0.017453292522222223;
}

void Camera::init(float px, float py, float pz, float yaw, float pitch, int bound) {
    x = px;
    y = py;
    z = pz;
    yrot = yaw;
    xrot = pitch;
    limit = bound;
}

void Camera::toStartPose() { init(0, 30, -50, 15, 0, 100); }

void Camera::update(float factor) {
    const double step = double(speed) * factor;
    x = float(x + std::sin(yrot * kRadiansPerDegree) * step);
    y = float(y + std::sin(xrot * kRadiansPerDegree) * step);
    z = float(z + std::cos(yrot * kRadiansPerDegree) * step);
    if (x > float(limit - 1)) x = float(limit - 1);
    if (z > float(limit - 1)) z = float(limit - 1);
}

void Camera::positionCamera() {
    glRotatef(-xrot, 1, 0, 0);
    glRotatef(yrot, 0, 1, 0);
    glTranslatef(-x, -y, z - 5);
}

Vertex Camera::eye() const { return newV(x, y, 5 - z); }

Vertex Camera::forward() const {
    const double pitch = xrot * kRadiansPerDegree, yaw = yrot * kRadiansPerDegree;
    return newV(float(std::cos(pitch) * std::sin(yaw)), float(std::sin(pitch)),
                float(-std::cos(pitch) * std::cos(yaw)));
}
