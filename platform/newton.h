// The physics engine the program calls: a flat, handle-based rigid-body API
// implemented over Bullet. Matrices are 16 floats in OpenGL order.
#pragma once

struct NewtonWorld;  // opaque

using NewtonAllocMemory = void* (*)(int sizeInBytes);
using NewtonFreeMemory = void (*)(void* ptr, int sizeInBytes);

// A new, empty world. The allocator callbacks are accepted and not used.
NewtonWorld* NewtonCreate(NewtonAllocMemory malloc, NewtonFreeMemory mfree);
// Destroys the world with every body and joint in it.
void NewtonDestroy(const NewtonWorld* world);
