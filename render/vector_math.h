// Vectors and matrices shared by the scene, the bodies, the models and the
// sound: a three-float Vertex, a sixteen-float Matrix in OpenGL element order,
// their functions, and a few immediate-mode GL wrappers. Nothing here keeps
// state or reports errors: degenerate input gives IEEE results (NaN, inf).
#pragma once

struct Vertex {
    float x, y, z;
};
static_assert(sizeof(Vertex) == 3 * sizeof(float), "a Vertex must read as three floats");

struct Matrix {
    float m[16];  // axes in 0-2, 4-6, 8-10; position in 12-14
};

Vertex newV(float x, float y, float z);
Vertex add(Vertex a, Vertex b);
Vertex sub(Vertex a, Vertex b);
Vertex multScalar(Vertex v, float s);
Vertex div(Vertex a, Vertex b);  // component by component
// The components as a three-float array; valid while v lives.
float* getVertex3f(Vertex& v);
float vlength(Vertex v);
float vlength(const Vertex* v);
void normalizeVec(Vertex* v);
Vertex normalizeVec(Vertex v);
// The angle between a and b in degrees (not the cosine). NaN when the
// rounded unit vectors give a cosine just beyond 1, as (3, 4, 0) with itself.
float dotProduct(Vertex a, Vertex b);
// Unit normal of the triangle, facing the side from which a, b, c run
// counter-clockwise.
Vertex calcNormal(Vertex a, Vertex b, Vertex c);
void CalculateNormal(Vertex a, Vertex b, Vertex c);  // issues it as glNormal3f
Vertex calcCenter(Vertex a, Vertex b, Vertex c);

void glRotatev(Vertex anglesDeg);  // about x, then y, then z
void glRotatef2(float rx, float ry, float rz);
void glTranslatev(Vertex v);  // translates by (x, y, -z)
void glVertexV(Vertex v);

// GL convention: entry (i, j) is element 4i + j; DX convention: element 4j + i.
Matrix GetIdentityMatrix();
float GetMatrixGLData(const Matrix& m, int i, int j);
void SetMatrixGLData(Matrix& m, int i, int j, float value);
float GetMatrixDXData(const Matrix& m, int i, int j);
void SetMatrixDXData(Matrix& m, int i, int j, float value);
Matrix transformMatrixDX2GL(const Matrix& m);  // the transpose
Matrix transformMatrixGL2DX(const Matrix& m);  // the transpose
