#include "play/spawned_bodies.h"

Vertex SpawnedBodies::placeOf(Vertex eye, Vertex direction, int index) {
    return ::add(::add(eye, multScalar(direction, kDistance)), newV(0, kSpacing * float(index), 0));
}
