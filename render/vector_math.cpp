#include "render/vector_math.h"

#include <GL/gl.h>

#include <cmath>

Vertex newV(float x, float y, float z) { return Vertex{x, y, z}; }

Vertex add(Vertex a, Vertex b) { return Vertex{a.x + b.x, a.y + b.y, a.z + b.z}; }

Vertex sub(Vertex a, Vertex b) { return Vertex{a.x - b.x, a.y - b.y, a.z - b.z}; }

Vertex multScalar(Vertex v, float s) { return Vertex{v.x * s, v.y * s, v.z * s}; }

Vertex div(Vertex a, Vertex b) { return Vertex{a.x / b.x, a.y / b.y, a.z / b.z}; }

float* getVertex3f(Vertex& v) { return &v.x; }

float vlength(Vertex v) {
    double sum = double(v.x) * v.x + double(v.y) * v.y + double(v.z) * v.z;
    return float(std::sqrt(sum));
}

float vlength(const Vertex* v) { return vlength(*v); }

void normalizeVec(Vertex* v) { *v = normalizeVec(*v); }

Vertex normalizeVec(Vertex v) {
    const float l = vlength(v);
    return Vertex{v.x / l, v.y / l, v.z / l};
}

float dotProduct(Vertex a, Vertex b) {
    const Vertex u = normalizeVec(a), w = normalizeVec(b);
    const double c = double(u.x) * w.x + double(u.y) * w.y + double(u.z) * w.z;
    return float(std::acos(c) * 57.29577950560105);
}

Vertex calcNormal(Vertex a, Vertex b, Vertex c) {
    const Vertex u = sub(a, b), w = sub(a, c);
    Vertex n{float(double(u.y) * w.z - double(u.z) * w.y),
             float(double(u.z) * w.x - double(u.x) * w.z),
             float(double(u.x) * w.y - double(u.y) * w.x)};
    normalizeVec(&n);
    return n;
}

void CalculateNormal(Vertex a, Vertex b, Vertex c) {
    const Vertex n = calcNormal(a, b, c);
    glNormal3f(n.x, n.y, n.z);
}

Vertex calcCenter(Vertex a, Vertex b, Vertex c) {
    const Vertex r = add(a, add(b, c));
    return Vertex{float(r.x / 3.0), float(r.y / 3.0), float(r.z / 3.0)};
}

void glRotatev(Vertex v) { glRotatef2(v.x, v.y, v.z); }

void glRotatef2(float rx, float ry, float rz) {
    glRotatef(rx, 1, 0, 0);
    glRotatef(ry, 0, 1, 0);
    glRotatef(rz, 0, 0, 1);
}

void glTranslatev(Vertex v) { glTranslatef(v.x, v.y, -v.z); }

void glVertexV(Vertex v) { glVertex3f(v.x, v.y, v.z); }

Matrix GetIdentityMatrix() {
    Matrix r{};
    r.m[0] = r.m[5] = r.m[10] = r.m[15] = 1.0f;
    return r;
}

float GetMatrixGLData(const Matrix& m, int i, int j) { return m.m[4 * i + j]; }

void SetMatrixGLData(Matrix& m, int i, int j, float value) { m.m[4 * i + j] = value; }

float GetMatrixDXData(const Matrix& m, int i, int j) { return m.m[4 * j + i]; }

void SetMatrixDXData(Matrix& m, int i, int j, float value) { m.m[4 * j + i] = value; }

Matrix transformMatrixDX2GL(const Matrix& m) {
    Matrix r{};
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) SetMatrixGLData(r, i, j, GetMatrixDXData(m, i, j));
    return r;
}

Matrix transformMatrixGL2DX(const Matrix& m) {
    Matrix r{};
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) SetMatrixDXData(r, i, j, GetMatrixGLData(m, i, j));
    return r;
}
