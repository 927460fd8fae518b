#include "render/box_batch.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

const BoxFace kBoxFaces[6] = {
    {{0, 0, 1}, {{-1, -1, 1}, {1, -1, 1}, {1, 1, 1}, {-1, 1, 1}}},
    {{0, 0, -1}, {{-1, -1, -1}, {-1, 1, -1}, {1, 1, -1}, {1, -1, -1}}},
    {{0, 1, 0}, {{-1, 1, -1}, {-1, 1, 1}, {1, 1, 1}, {1, 1, -1}}},
    {{0, -1, 0}, {{-1, -1, -1}, {1, -1, -1}, {1, -1, 1}, {-1, -1, 1}}},
    {{1, 0, 0}, {{1, -1, -1}, {1, 1, -1}, {1, 1, 1}, {1, -1, 1}}},
    {{-1, 0, 0}, {{-1, -1, -1}, {-1, -1, 1}, {-1, 1, 1}, {-1, 1, -1}}},
};

namespace {

// Appends m applied to (x, y, z, w) scaled by scale: w 1 for a point, 0 for a direction.
void appendTransformed(std::vector<float>& to, const float* m, const float* v, const float* scale,
                       float w) {
    for (int row = 0; row < 3; ++row)
        to.push_back(m[row] * v[0] * scale[0] + m[4 + row] * v[1] * scale[1] +
                     m[8 + row] * v[2] * scale[2] + m[12 + row] * w);
}

float squaredDistance(Vertex a, Vertex b) {
    const Vertex d = sub(a, b);
    return d.x * d.x + d.y * d.y + d.z * d.z;
}

// The six planes of the current view volume in the space the model-view
// matrix takes in (world space for the scene), each facing inwards.
class ViewVolume {
public:
    ViewVolume() {
        float projection[16], modelView[16], m[16];
        glGetFloatv(GL_PROJECTION_MATRIX, projection);
        glGetFloatv(GL_MODELVIEW_MATRIX, modelView);
        for (int column = 0; column < 4; ++column)
            for (int row = 0; row < 4; ++row) {
                m[column * 4 + row] = 0;
                for (int k = 0; k < 4; ++k)
                    m[column * 4 + row] += projection[k * 4 + row] * modelView[column * 4 + k];
            }
        for (int plane = 0; plane < 6; ++plane) {
            const float side = plane % 2 ? -1.0f : 1.0f;  // left, right, bottom, top, near, far
            float length = 0;
            for (int column = 0; column < 4; ++column) {
                planes[plane][column] = m[column * 4 + 3] + side * m[column * 4 + plane / 2];
                if (column < 3) length += planes[plane][column] * planes[plane][column];
            }
            for (float& value : planes[plane]) value /= std::sqrt(length);
        }
    }
    // Whether any of the sphere may be inside.
    bool touches(Vertex centre, float radius) const {
        for (const auto& p : planes)
            if (p[0] * centre.x + p[1] * centre.y + p[2] * centre.z + p[3] < -radius) return false;
        return true;
    }

private:
    float planes[6][4];
};

}  // namespace

void BoxBatch::draw(const std::vector<BatchedBox>& boxes, Vertex eye) {
    nearestFirst.clear();
    const ViewVolume view;
    for (const BatchedBox& box : boxes) {
        const Vertex centre = newV(box.pose->m[12], box.pose->m[13], box.pose->m[14]);
        if (view.touches(centre, vlength(box.size) / 2))
            nearestFirst.push_back({squaredDistance(centre, eye), &box});
    }
    std::sort(nearestFirst.begin(), nearestFirst.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    positions.clear();
    normals.clear();
    const float unit[3] = {1, 1, 1};
    for (const auto& [distance, box] : nearestFirst) {
        const float half[3] = {box->size.x / 2, box->size.y / 2, box->size.z / 2};
        for (const BoxFace& face : kBoxFaces)
            for (const auto& corner : face.corners) {
                appendTransformed(positions, box->pose->m, corner, half, 1);
                appendTransformed(normals, box->pose->m, face.normal, unit, 0);
            }
    }
    glPushAttrib(GL_ENABLE_BIT);
    glEnable(GL_CULL_FACE);  // closed boxes: their back faces are hidden anyway
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, positions.data());
    glNormalPointer(GL_FLOAT, 0, normals.data());
    glDrawArrays(GL_QUADS, 0, GLsizei(positions.size() / 3));
    glPopClientAttrib();
    glPopAttrib();
}
