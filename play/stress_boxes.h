// The stress scene: extra boxes of edge 2 dropped in a grid over the floor.
#pragma once

#include "physics/linked_list.h"
#include "physics/newton_primitive.h"

constexpr int kStressBoxNode = 100;  // the number every stress box is listed under

// Where box i of the grid starts: kRow x kRow boxes a layer, 5 units apart,
// over the middle of the floor, layer upon layer from 40 units up.
Vertex StressBoxPosition(int index);
// Adds count boxes to the list, each of mass 1.
void AddStressBoxes(NewtonWorld* world, LinkedList<NewtonPrimitive*>& bodies, int count);
